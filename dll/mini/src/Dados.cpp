#include "Dados.h"

#include <charconv>
#include <filesystem>
#include <fstream>

#include "Esquema.h"
#include "HashConteudo.h"

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
    const uint64_t paginas =
        (uint64_t{h[28]} << 24) | (uint64_t{h[29]} << 16) | (uint64_t{h[30]} << 8) | h[31];
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
    for (sqlite3_stmt** st : {&stHtml_, &stPalavra_, &stPrefixo_, &stPrefixoInverso_, &stFlexao_,
                              &stPalavraId_, &stPorDobrada_}) {
        sqlite3_finalize(*st);
        *st = nullptr;
    }
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
}

bool Dados::LeBlob(const char* nome, std::string& destino) const {
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db_, "SELECT dados FROM tabela WHERE nome = ?", -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_bind_text(st, 1, nome, -1, SQLITE_STATIC);
        rc = sqlite3_step(st);
        if (rc == SQLITE_ROW) destino.assign(Coluna(st, 0));
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_ROW) Falha(std::string("tabela ") + nome, rc);
    return rc == SQLITE_ROW;
}

void Dados::Carrega(Carga& c) const {
    const auto n = static_cast<size_t>(total_);
    std::string blob;
    bool ok = true;
    if (c.nome) ok = LeBlob(c.nome, blob) && c.textos.Carrega(std::move(blob));
    if (ok && c.nomeNumeros) {
        ok = LeBlob(c.nomeNumeros, blob);
        if (ok && c.bytes16) {
            ok = blob.size() % 2 == 0;
            c.numeros.resize(blob.size() / 2);
            for (size_t i = 0; ok && i < c.numeros.size(); ++i)
                c.numeros[i] = static_cast<unsigned char>(blob[2 * i]) |
                               (static_cast<unsigned>(static_cast<unsigned char>(blob[2 * i + 1])) << 8);
        } else if (ok) {
            ok = DesempacotaU32(blob, c.numeros);
        }
    }
    // Sizes must agree and every id must name an entry.
    if (ok && c.porId) ok = (!c.nome || c.textos.tamanho() == n) && (!c.nomeNumeros || c.numeros.size() == n);
    if (ok && c.nome && c.nomeNumeros && !c.porId) ok = c.textos.tamanho() == c.numeros.size();
    if (ok && c.nomeNumeros && !c.bytes16)
        for (uint32_t v : c.numeros)
            if ((v & ~esquema::kBitModerna) >= n) ok = false;
    if (ok) return;
    c.danificada = true;
    // Damage never makes an id out of range: the table stays, empty.
    c.textos.Carrega(TabelaTextos::Empacota(std::vector<std::string>(c.porId && c.nome ? n : 0)));
    c.numeros.assign(c.porId && c.bytes16 ? n : 0, 0);
}

void Dados::Danificada(const Carga& c) const {
    Falha(std::string("tabela ") + (c.nome ? c.nome : c.nomeNumeros) + " danificada", SQLITE_OK);
}

const uint32_t* Dados::ClassesLidas() const {
    const std::vector<uint32_t>& c = Numeros(t_->classes);
    // A damaged table keeps taking this way, so each use reports it.
    if (!t_->classes.danificada) classes_.store(c.data(), std::memory_order_release);
    return c.data();
}

void Dados::Garante(Carga& c) const {
    std::call_once(c.feito, [&] { Carrega(c); });
    c.pronto.store(true, std::memory_order_release);
}

bool Dados::TabelaPalavrasLida() const {
    constexpr int kConsultasDiretas = 32;
    if (t_->palavras.pronto.load(std::memory_order_acquire)) return true;
    if (t_->consultasDiretas.fetch_add(1, std::memory_order_relaxed) < kConsultasDiretas) return false;
    Textos(t_->palavras);
    Textos(t_->dobradas);
    return true;
}

std::string Dados::PalavraDireta(int32_t id) const {
    if (!Valido(id)) return {};
    if (TabelaPalavrasLida()) return std::string(Palavra(id));
    sqlite3_reset(stPalavraId_);
    sqlite3_bind_int64(stPalavraId_, 1, id);
    std::string p;
    const int rc = sqlite3_step(stPalavraId_);
    if (rc == SQLITE_ROW) p.assign(Coluna(stPalavraId_, 0));
    if (p.empty()) Falha("palavra " + std::to_string(id), rc);
    sqlite3_reset(stPalavraId_);
    return p;
}

std::vector<std::pair<int32_t, std::string>> Dados::PorDobrada(std::string_view chave) const {
    std::vector<std::pair<int32_t, std::string>> r;
    sqlite3_reset(stPorDobrada_);
    sqlite3_bind_text(stPorDobrada_, 1, chave.data(), static_cast<int>(chave.size()), SQLITE_STATIC);
    int rc;
    while ((rc = sqlite3_step(stPorDobrada_)) == SQLITE_ROW) {
        const int64_t id = sqlite3_column_int64(stPorDobrada_, 0);
        if (!Valido(id)) {
            Falha("palavra " + std::to_string(id), SQLITE_OK);
            break;
        }
        r.emplace_back(static_cast<int32_t>(id), std::string(Coluna(stPorDobrada_, 1)));
    }
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) Falha("palavras", rc);
    sqlite3_reset(stPorDobrada_);
    sqlite3_clear_bindings(stPorDobrada_);
    return r;
}

const std::vector<std::pair<std::string, std::string>>& Dados::Abreviaturas() const {
    std::call_once(t_->abreviaturasLidas, [&] {
        sqlite3_stmt* st = nullptr;
        int rc = sqlite3_prepare_v2(db_, "SELECT rotulo, expansao FROM abreviatura", -1, &st, nullptr);
        if (rc == SQLITE_OK) {
            while ((rc = sqlite3_step(st)) == SQLITE_ROW)
                t_->abreviaturas.emplace_back(std::string(Coluna(st, 0)), std::string(Coluna(st, 1)));
        }
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE) Falha("abreviaturas", rc);
    });
    return t_->abreviaturas;
}

bool Dados::Abre(const std::string& caminho) {
    Fecha();
    classes_.store(nullptr, std::memory_order_release);
    t_ = std::make_unique<Tabelas>();
    total_ = 0;
    info_.clear();
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
    if (sqlite3_open_v2(uri.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) != SQLITE_OK) {
        erro_ = "não foi possível abrir o banco de dados: " + caminho;
        Fecha();
        return false;
    }
    // Pages are read straight from the mapped file, not copied in chunks.
    sqlite3_exec(db_, "PRAGMA mmap_size=268435456", nullptr, nullptr, nullptr);

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
    const std::string& verbetes = Informacao("verbetes");
    auto [fim, ecNumero] = std::from_chars(verbetes.data(), verbetes.data() + verbetes.size(), total_);
    bool ok = ecNumero == std::errc() && fim == verbetes.data() + verbetes.size() && total_ > 0;

    Tabelas& t = *t_;
    t.palavras.nome = esquema::kPalavras;
    t.dobradas.nome = esquema::kDobradas;
    t.ortograficas.nome = esquema::kOrtograficas;
    t.modernas.nome = esquema::kModernas;
    t.chavesModernas.nome = esquema::kChavesModernas;
    t.chavesModernas.nomeNumeros = esquema::kIdsModernos;
    t.chavesModernas.porId = false;
    t.inversas.nome = esquema::kInversas;
    t.inversas.nomeNumeros = esquema::kIdsInversos;
    t.inversas.porId = false;
    t.classes.nomeNumeros = esquema::kClasses;
    t.classes.bytes16 = true;
    t.ordemOrtografica.nomeNumeros = esquema::kOrdemOrtografica;

    ok = ok &&
         sqlite3_prepare_v3(db_, "SELECT html FROM verbete WHERE id = ?", -1, SQLITE_PREPARE_PERSISTENT,
                            &stHtml_, nullptr) == SQLITE_OK &&
         sqlite3_prepare_v3(db_, "SELECT ids FROM vocabulario WHERE chave = ?", -1, SQLITE_PREPARE_PERSISTENT,
                            &stPalavra_, nullptr) == SQLITE_OK &&
         sqlite3_prepare_v3(db_,
                            "SELECT chave, ids FROM vocabulario WHERE chave >= ?1 AND "
                            "chave < ?2 ORDER BY chave",
                            -1, SQLITE_PREPARE_PERSISTENT, &stPrefixo_, nullptr) == SQLITE_OK &&
         sqlite3_prepare_v3(db_,
                            "SELECT chave, ids FROM vocabulario WHERE inversa >= ?1 AND "
                            "inversa < ?2 ORDER BY inversa",
                            -1, SQLITE_PREPARE_PERSISTENT, &stPrefixoInverso_, nullptr) == SQLITE_OK &&
         sqlite3_prepare_v3(db_, "SELECT ids FROM flexao WHERE chave = ?", -1, SQLITE_PREPARE_PERSISTENT,
                            &stFlexao_, nullptr) == SQLITE_OK &&
         sqlite3_prepare_v3(db_, "SELECT palavra FROM verbete WHERE id = ?", -1, SQLITE_PREPARE_PERSISTENT,
                            &stPalavraId_, nullptr) == SQLITE_OK &&
         sqlite3_prepare_v3(db_, "SELECT id, palavra FROM verbete WHERE dobrada = ? ORDER BY id", -1,
                            SQLITE_PREPARE_PERSISTENT, &stPorDobrada_, nullptr) == SQLITE_OK;
    if (!ok) {
        erro_ = std::string("banco de dados danificado: ") + (db_ ? sqlite3_errmsg(db_) : "");
        Fecha();
        total_ = 0;
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

void Dados::Falha(const std::string& oque, int codigo) const {
    if (!erro_.empty()) return;  // the first failure tells most
    erro_ = "erro de leitura do banco de dados (" + oque + ")";
    if (codigo != SQLITE_OK && codigo != SQLITE_ROW && codigo != SQLITE_DONE)
        erro_ += ": " + std::string(sqlite3_errstr(codigo));
}

std::string Dados::Verifica() const {
    if (!db_) return "banco de dados não aberto";
    sqlite3_stmt* st = nullptr;
    std::string relatorio;
    int rc = sqlite3_prepare_v2(db_, "PRAGMA integrity_check(20)", -1, &st, nullptr);
    while (rc == SQLITE_OK && (rc = sqlite3_step(st)) == SQLITE_ROW) {
        const std::string linha(Coluna(st, 0));
        if (linha != "ok") relatorio += linha + "\n";
        rc = SQLITE_OK;
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) return "verificação interrompida: " + std::string(sqlite3_errstr(rc));
    if (!relatorio.empty()) return "o SQLite acusa danos:\n" + relatorio;
    std::string hash, erro;
    if (!HashConteudo(db_, hash, erro)) return "leitura falhou: " + erro;
    if (hash != Informacao("conteudo"))
        return "o conteúdo difere do que o compilador gravou (hash " + hash + ", esperado " +
               Informacao("conteudo") + ")";
    return {};
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
