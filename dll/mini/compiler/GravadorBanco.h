// Writes the database file through a temporary file that replaces the old
// one only when everything was written.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "HashGravacao.h"

namespace mini::compilador {

class GravadorBanco {
public:
    ~GravadorBanco();

    bool Abre(const std::string& destino, std::string& erro);
    bool Info(const std::string& chave, const std::string& valor);
    bool Verbete(int32_t id, const std::string& palavra, const std::string& dobrada, const std::string& html);
    bool Tabela(const std::string& nome, const std::string& dados);
    bool Abreviatura(const std::string& rotulo, const std::string& expansao);
    bool Vocabulario(const std::string& chave, const std::string& inversa, const std::vector<uint32_t>& ids);
    bool Flexao(const std::string& chave, const std::vector<uint32_t>& ids);
    // Commits, builds the indexes and moves the file into place.
    bool Conclui(std::string& erro);

private:
    bool Executa(const char* sql);
    bool Passo(sqlite3_stmt* st);
    void Descarta();

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stInfo_ = nullptr;
    sqlite3_stmt* stVerbete_ = nullptr;
    sqlite3_stmt* stTabela_ = nullptr;
    sqlite3_stmt* stAbreviatura_ = nullptr;
    sqlite3_stmt* stVocabulario_ = nullptr;
    sqlite3_stmt* stFlexao_ = nullptr;
    std::string destino_, temporario_;
    HashGravacao hash_;
};

}  // namespace mini::compilador
