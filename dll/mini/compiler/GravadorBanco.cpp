#include "GravadorBanco.h"

#include <cstdio>
#include <filesystem>

#include "Esquema.h"
#include "HashConteudo.h"
#include "TabelaTextos.h"

namespace mini::compilador {

GravadorBanco::~GravadorBanco() { Descarta(); }

void GravadorBanco::Descarta() {
    for (sqlite3_stmt** st :
         {&stInfo_, &stVerbete_, &stTabela_, &stAbreviatura_, &stVocabulario_, &stFlexao_}) {
        sqlite3_finalize(*st);
        *st = nullptr;
    }
    if (db_) {
        sqlite3_close(db_);
        db_ = nullptr;
        std::remove(temporario_.c_str());
    }
}

bool GravadorBanco::Executa(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool GravadorBanco::Passo(sqlite3_stmt* st) {
    bool ok = sqlite3_step(st) == SQLITE_DONE;
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
    return ok;
}

bool GravadorBanco::Abre(const std::string& destino, std::string& erro) {
    destino_ = destino;
    temporario_ = destino + ".tmp";
    hash_ = {};
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(destino).parent_path(), ec);
    std::remove(temporario_.c_str());
    // One thread writes: SQLite need not lock around each call.
    if (sqlite3_open_v2(temporario_.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        erro = "não foi possível criar " + temporario_;
        return false;
    }
    bool ok = Executa(
                  "PRAGMA page_size=4096; PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"
                  "PRAGMA locking_mode=EXCLUSIVE;") &&
              Executa("BEGIN") && Executa(esquema::kCriaTabelas);
    auto prepara = [&](const char* sql, sqlite3_stmt** st) {
        return sqlite3_prepare_v2(db_, sql, -1, st, nullptr) == SQLITE_OK;
    };
    ok = ok && prepara("INSERT INTO info VALUES(?, ?)", &stInfo_) &&
         prepara("INSERT INTO verbete VALUES(?, ?, ?, ?)", &stVerbete_) &&
         prepara("INSERT INTO tabela VALUES(?, ?)", &stTabela_) &&
         prepara("INSERT OR REPLACE INTO abreviatura VALUES(?, ?)", &stAbreviatura_) &&
         prepara("INSERT INTO vocabulario VALUES(?, ?, ?)", &stVocabulario_) &&
         prepara("INSERT INTO flexao VALUES(?, ?)", &stFlexao_);
    if (!ok) {
        erro = std::string("SQLite: ") + sqlite3_errmsg(db_);
        Descarta();
    }
    return ok;
}

bool GravadorBanco::Info(const std::string& chave, const std::string& valor) {
    sqlite3_bind_text(stInfo_, 1, chave.data(), static_cast<int>(chave.size()), SQLITE_STATIC);
    sqlite3_bind_text(stInfo_, 2, valor.data(), static_cast<int>(valor.size()), SQLITE_STATIC);
    return Passo(stInfo_);
}

bool GravadorBanco::Verbete(int32_t id, const std::string& palavra, const std::string& dobrada,
                            const std::string& html) {
    sqlite3_bind_int64(stVerbete_, 1, id);
    sqlite3_bind_text(stVerbete_, 2, palavra.data(), static_cast<int>(palavra.size()), SQLITE_STATIC);
    sqlite3_bind_text(stVerbete_, 3, dobrada.data(), static_cast<int>(dobrada.size()), SQLITE_STATIC);
    sqlite3_bind_text(stVerbete_, 4, html.data(), static_cast<int>(html.size()), SQLITE_STATIC);
    if (!Passo(stVerbete_)) return false;
    hash_.Verbete(id, palavra, dobrada, html);
    return true;
}

bool GravadorBanco::Tabela(const std::string& nome, const std::string& dados) {
    sqlite3_bind_text(stTabela_, 1, nome.data(), static_cast<int>(nome.size()), SQLITE_STATIC);
    sqlite3_bind_blob(stTabela_, 2, dados.data(), static_cast<int>(dados.size()), SQLITE_STATIC);
    if (!Passo(stTabela_)) return false;
    hash_.Tabela(nome, dados);
    return true;
}

bool GravadorBanco::Abreviatura(const std::string& rotulo, const std::string& expansao) {
    sqlite3_bind_text(stAbreviatura_, 1, rotulo.data(), static_cast<int>(rotulo.size()), SQLITE_STATIC);
    sqlite3_bind_text(stAbreviatura_, 2, expansao.data(), static_cast<int>(expansao.size()), SQLITE_STATIC);
    if (!Passo(stAbreviatura_)) return false;
    hash_.Abreviatura(rotulo, expansao);
    return true;
}

bool GravadorBanco::Vocabulario(const std::string& chave, const std::string& inversa,
                                const std::vector<uint32_t>& ids) {
    const std::string blob = EmpacotaU32(ids);
    sqlite3_bind_text(stVocabulario_, 1, chave.data(), static_cast<int>(chave.size()), SQLITE_STATIC);
    sqlite3_bind_text(stVocabulario_, 2, inversa.data(), static_cast<int>(inversa.size()), SQLITE_STATIC);
    sqlite3_bind_blob(stVocabulario_, 3, blob.data(), static_cast<int>(blob.size()), SQLITE_STATIC);
    if (!Passo(stVocabulario_)) return false;
    hash_.Vocabulario(chave, inversa, blob);
    return true;
}

bool GravadorBanco::Flexao(const std::string& chave, const std::vector<uint32_t>& ids) {
    const std::string blob = EmpacotaU32(ids);
    sqlite3_bind_text(stFlexao_, 1, chave.data(), static_cast<int>(chave.size()), SQLITE_STATIC);
    sqlite3_bind_blob(stFlexao_, 2, blob.data(), static_cast<int>(blob.size()), SQLITE_STATIC);
    if (!Passo(stFlexao_)) return false;
    hash_.Flexao(chave, blob);
    return true;
}

bool GravadorBanco::Conclui(std::string& erro) {
    bool ok = Executa("COMMIT") && Executa(esquema::kCriaIndices) && Executa("ANALYZE");
    // The content's hash goes in last, over everything written: made as the
    // rows went in when they came in its order, else read back.
    std::string hash, erroHash;
    bool lido = false;
    if (ok && hash_.Valido()) {
        hash = hash_.Resultado();
        lido = true;
    } else if (ok) {
        lido = HashConteudo(db_, hash, erroHash);
    }
    if (ok && lido) {
        sqlite3_reset(stInfo_);
        ok = Info("conteudo", hash);
    } else if (ok) {
        erro = "SQLite: " + erroHash;
        Descarta();
        return false;
    }
    if (!ok) {
        erro = std::string("SQLite: ") + sqlite3_errmsg(db_);
        Descarta();
        return false;
    }
    for (sqlite3_stmt** st :
         {&stInfo_, &stVerbete_, &stTabela_, &stAbreviatura_, &stVocabulario_, &stFlexao_}) {
        sqlite3_finalize(*st);
        *st = nullptr;
    }
    sqlite3_close(db_);
    db_ = nullptr;
    std::error_code ec;
    std::filesystem::rename(temporario_, destino_, ec);
    if (ec) {
        erro = "não foi possível gravar " + destino_ + ": " + ec.message();
        std::remove(temporario_.c_str());
        return false;
    }
    return true;
}

}  // namespace mini::compilador
