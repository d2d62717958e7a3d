#include "Dados.h"

#include <filesystem>
#include <fstream>

#include "Esquema.h"

namespace mini {
namespace {

// The header of an SQLite file tells its page size and page count; a file
// shorter than that was cut off.
bool ArquivoCompleto(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary | std::ios::ate);
    if (!f) return false;
    const auto tamanho = static_cast<uint64_t>(f.tellg());
    if (tamanho < 100) return false;
    f.seekg(0);
    unsigned char h[100];
    if (!f.read(reinterpret_cast<char*>(h), sizeof h)) return false;
    if (std::string_view(reinterpret_cast<char*>(h), 16) != std::string_view("SQLite format 3\0", 16))
        return false;
    uint64_t pagina = (uint64_t{h[16]} << 8) | h[17];
    if (pagina == 1) pagina = 65536;
    const uint64_t paginas = (uint64_t{h[28]} << 24) | (uint64_t{h[29]} << 16) |
                             (uint64_t{h[30]} << 8) | h[31];
    return paginas > 0 && tamanho >= pagina * paginas;
}

std::string_view Coluna(sqlite3_stmt* st, int i) {
    const void* p = sqlite3_column_blob(st, i);
    int n = sqlite3_column_bytes(st, i);
    if (!p || n <= 0) return {};
    return {static_cast<const char*>(p), static_cast<size_t>(n)};
}

// Ids of a list must name entries and come in increasing order.
bool IdsValidos(const std::vector<uint32_t>& ids, int32_t total) {
    for (size_t i = 0; i < ids.size(); ++i)
        if (ids[i] >= static_cast<uint32_t>(total) || (i > 0 && ids[i] <= ids[i - 1])) return false;
    return true;
}

}  // namespace

std::string FimDoPrefixo(std::string_view prefixo) {
    std::string s(prefixo);
    while (!s.empty()) {
        auto c = static_cast<unsigned char>(s.back());
        if (c < 0xFF) {
            s.back() = static_cast<char>(c + 1);
            return s;
        }
        s.pop_back();
    }
    return s;
}

Dados::~Dados() { Fecha(); }

void Dados::Fecha() {
    for (sqlite3_stmt** st : {&stHtml_, &stPalavra_, &stPrefixo_, &stPrefixoInverso_, &stFlexao_}) {
        sqlite3_finalize(*st);
        *st = nullptr;
    }
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
}

bool Dados::LeBlob(const char* nome, std::string& destino) {
    sqlite3_stmt* st = nullptr;
    bool ok = false;
    if (sqlite3_prepare_v2(db_, "SELECT dados FROM tabela WHERE nome = ?", -1, &st, nullptr) ==
        SQLITE_OK) {
        sqlite3_bind_text(st, 1, nome, -1, SQLITE_STATIC);
        if (sqlite3_step(st) == SQLITE_ROW) {
            destino.assign(Coluna(st, 0));
            ok = true;
        }
    }
    sqlite3_finalize(st);
    return ok;
}

bool Dados::Abre(const std::string& caminho) {
    Fecha();
    palavras_ = {};
    dobradas_ = {};
    ortograficas_ = {};
    modernas_ = {};
    chavesModernas_ = {};
    idsModernos_.clear();
    classes_.clear();
    ordemOrtografica_.clear();
    info_.clear();
    abreviaturas_.clear();
    erro_.clear();
    // A FIFO or a device would block the first read for ever.
    std::error_code ec;
    if (caminho.empty() || !std::filesystem::is_regular_file(caminho, ec)) {
        erro_ = "o banco de dados não é um arquivo comum: " + caminho;
        return false;
    }
    if (!ArquivoCompleto(caminho)) {
        erro_ = "banco de dados incompleto ou de outro formato: " + caminho;
        return false;
    }

    // Read-only and immutable: the file never changes under a running engine,
    // so SQLite can skip locking.
    std::string uri = "file:";
    for (char c : caminho) {
        if (c == '?' || c == '#' || c == '%') {
            static const char* hex = "0123456789ABCDEF";
            uri += '%';
            uri += hex[(static_cast<unsigned char>(c) >> 4) & 0xF];
            uri += hex[static_cast<unsigned char>(c) & 0xF];
        } else {
            uri += c;
        }
    }
    uri += "?immutable=1";
    if (sqlite3_open_v2(uri.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
        SQLITE_OK) {
        Fecha();
        return false;
    }

    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, "SELECT chave, valor FROM info", -1, &st, nullptr) != SQLITE_OK) {
        erro_ = std::string("banco de dados ilegível: ") + sqlite3_errmsg(db_);
        Fecha();
        return false;
    }
    while (sqlite3_step(st) == SQLITE_ROW)
        info_.emplace_back(std::string(Coluna(st, 0)), std::string(Coluna(st, 1)));
    sqlite3_finalize(st);
    if (Informacao("formato") != esquema::kVersaoFormato) {
        erro_ = "banco de dados de outra versão (" + Informacao("formato") + ")";
        Fecha();
        return false;
    }

    std::string blob;
    bool ok = LeBlob(esquema::kPalavras, blob) && palavras_.Carrega(std::move(blob));
    ok = ok && LeBlob(esquema::kDobradas, blob) && dobradas_.Carrega(std::move(blob));
    ok = ok && LeBlob(esquema::kOrtograficas, blob) && ortograficas_.Carrega(std::move(blob));
    ok = ok && LeBlob(esquema::kOrdemOrtografica, blob) && DesempacotaU32(blob, ordemOrtografica_);
    ok = ok && LeBlob(esquema::kModernas, blob) && modernas_.Carrega(std::move(blob));
    ok = ok && LeBlob(esquema::kChavesModernas, blob) && chavesModernas_.Carrega(std::move(blob));
    ok = ok && LeBlob(esquema::kIdsModernos, blob) && DesempacotaU32(blob, idsModernos_);
    ok = ok && LeBlob(esquema::kClasses, blob) && blob.size() % 2 == 0;
    if (ok) {
        classes_.resize(blob.size() / 2);
        for (size_t i = 0; i < classes_.size(); ++i)
            classes_[i] = static_cast<uint16_t>(static_cast<unsigned char>(blob[2 * i]) |
                                                (static_cast<unsigned char>(blob[2 * i + 1]) << 8));
    }
    const size_t n = palavras_.tamanho();
    ok = ok && n > 0 && dobradas_.tamanho() == n && ortograficas_.tamanho() == n &&
         classes_.size() == n && ordemOrtografica_.size() == n && modernas_.tamanho() == n &&
         chavesModernas_.tamanho() == idsModernos_.size();
    for (size_t i = 0; ok && i < n; ++i) ok = ordemOrtografica_[i] < n;
    for (size_t i = 0; ok && i < idsModernos_.size(); ++i) ok = idsModernos_[i] < n;

    if (ok && sqlite3_prepare_v2(db_, "SELECT rotulo, expansao FROM abreviatura", -1, &st,
                                 nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW)
            abreviaturas_.emplace_back(std::string(Coluna(st, 0)), std::string(Coluna(st, 1)));
        sqlite3_finalize(st);
    } else {
        ok = false;
    }

    ok = ok &&
         sqlite3_prepare_v3(db_, "SELECT html FROM verbete WHERE id = ?", -1,
                            SQLITE_PREPARE_PERSISTENT, &stHtml_, nullptr) == SQLITE_OK &&
         sqlite3_prepare_v3(db_, "SELECT ids FROM vocabulario WHERE chave = ?", -1,
                            SQLITE_PREPARE_PERSISTENT, &stPalavra_, nullptr) == SQLITE_OK &&
         sqlite3_prepare_v3(db_,
                            "SELECT chave, ids FROM vocabulario WHERE chave >= ?1 AND "
                            "chave < ?2 ORDER BY chave",
                            -1, SQLITE_PREPARE_PERSISTENT, &stPrefixo_, nullptr) == SQLITE_OK &&
         sqlite3_prepare_v3(db_,
                            "SELECT chave, ids FROM vocabulario WHERE inversa >= ?1 AND "
                            "inversa < ?2 ORDER BY inversa",
                            -1, SQLITE_PREPARE_PERSISTENT, &stPrefixoInverso_,
                            nullptr) == SQLITE_OK &&
         sqlite3_prepare_v3(db_, "SELECT ids FROM flexao WHERE chave = ?", -1,
                            SQLITE_PREPARE_PERSISTENT, &stFlexao_, nullptr) == SQLITE_OK;
    if (!ok) {
        erro_ = std::string("banco de dados danificado: ") + (db_ ? sqlite3_errmsg(db_) : "");
        Fecha();
        palavras_ = {};
        return false;
    }
    return true;
}

const std::string& Dados::Informacao(const std::string& chave) const {
    static const std::string vazio;
    for (const auto& [k, v] : info_)
        if (k == chave) return v;
    return vazio;
}

void Dados::Falha(const std::string& oque, int codigo) {
    if (!erro_.empty()) return;  // the first failure tells most
    erro_ = "erro de leitura do banco de dados (" + oque + ")";
    if (codigo != SQLITE_OK && codigo != SQLITE_ROW && codigo != SQLITE_DONE)
        erro_ += ": " + std::string(sqlite3_errstr(codigo));
}

bool Dados::Html(int32_t id, std::string& html) {
    html.clear();
    if (!stHtml_ || !Valido(id)) return false;
    sqlite3_reset(stHtml_);
    sqlite3_bind_int64(stHtml_, 1, id);
    bool ok = false;
    const int rc = sqlite3_step(stHtml_);
    if (rc == SQLITE_ROW) {
        html.assign(Coluna(stHtml_, 0));
        ok = !html.empty();
    }
    // Every id has a page: a missing or empty one is damage.
    if (!ok) Falha("verbete " + std::to_string(id), rc);
    sqlite3_reset(stHtml_);
    return ok;
}

std::vector<uint32_t> Dados::IdsDaChave(sqlite3_stmt* st, std::string_view chave) {
    std::vector<uint32_t> ids;
    if (!st) return ids;
    sqlite3_reset(st);
    sqlite3_bind_text(st, 1, chave.data(), static_cast<int>(chave.size()), SQLITE_STATIC);
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW) {
        if (!DesempacotaU32(Coluna(st, 0), ids) || !IdsValidos(ids, total())) {
            ids.clear();
            Falha("lista de ids danificada", SQLITE_OK);
        }
    } else if (rc != SQLITE_DONE) {
        Falha("índice", rc);
    }
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
    return ids;
}

std::vector<uint32_t> Dados::Postagens(std::string_view chave) { return IdsDaChave(stPalavra_, chave); }

std::vector<uint32_t> Dados::Flexoes(std::string_view chave) { return IdsDaChave(stFlexao_, chave); }

void Dados::PercorrePrefixo(std::string_view prefixo, bool inversa,
                            const std::function<void(std::string_view, std::string_view)>& visita) {
    sqlite3_stmt* st = inversa ? stPrefixoInverso_ : stPrefixo_;
    if (!st) return;
    // Both ends stay plain bounds so SQLite walks only that range of the
    // index. Keys are UTF-8, which never holds the byte 0xFF: "\xFF" is above
    // them all.
    std::string fim = FimDoPrefixo(prefixo);
    if (fim.empty()) {
        if (!prefixo.empty()) return;
        fim = "\xFF";
    }
    sqlite3_reset(st);
    sqlite3_bind_text(st, 1, prefixo.data(), static_cast<int>(prefixo.size()), SQLITE_STATIC);
    sqlite3_bind_text(st, 2, fim.data(), static_cast<int>(fim.size()), SQLITE_STATIC);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const std::string_view ids = Coluna(st, 1);
        if (ids.size() % 4 != 0) {
            Falha("lista de ids danificada", SQLITE_OK);
            break;
        }
        visita(Coluna(st, 0), ids);
    }
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) Falha("índice do texto", rc);
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
}

}  // namespace mini
