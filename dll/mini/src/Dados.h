// Read side of the database: the in-memory headword tables and the prepared
// statements for entries and the text index. Opening checks that the file is
// complete and of our format, so a damaged database is refused up front.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "TabelaTextos.h"

namespace mini {

class Dados {
public:
    Dados() = default;
    ~Dados();
    Dados(const Dados&) = delete;
    Dados& operator=(const Dados&) = delete;

    bool Abre(const std::string& caminho);

    int32_t total() const { return static_cast<int32_t>(palavras_.tamanho()); }
    bool Valido(int64_t id) const { return id >= 0 && id < total(); }
    std::string_view Palavra(int32_t id) const { return palavras_[static_cast<size_t>(id)]; }
    std::string_view Dobrada(int32_t id) const { return dobradas_[static_cast<size_t>(id)]; }
    std::string_view Ortografica(int32_t id) const { return ortograficas_[static_cast<size_t>(id)]; }
    // Today's spellings of an entry ("a|b"), empty when it is spelled as today.
    std::string_view Modernas(int32_t id) const { return modernas_[static_cast<size_t>(id)]; }
    // Folded keys of those spellings, sorted, each with the id it belongs to.
    const TabelaTextos& ChavesModernas() const { return chavesModernas_; }
    const std::vector<uint32_t>& IdsModernos() const { return idsModernos_; }
    uint16_t Classes(int32_t id) const { return classes_[static_cast<size_t>(id)]; }
    const std::vector<uint32_t>& OrdemOrtografica() const { return ordemOrtografica_; }
    const std::string& Informacao(const std::string& chave) const;
    const std::vector<std::pair<std::string, std::string>>& Abreviaturas() const {
        return abreviaturas_;
    }

    // What went wrong in the last reads: "" while every read went well. A
    // read that fails (a damaged page, an unreadable row) is an error, never
    // "nothing found".
    const std::string& Erro() const { return erro_; }
    void LimpaErro() { erro_.clear(); }

    bool Html(int32_t id, std::string& html);

    // Entry ids of one word of the text index (empty when absent).
    std::vector<uint32_t> Postagens(std::string_view chave);
    // Entries of the headwords that have a form of this inflection key.
    std::vector<uint32_t> Flexoes(std::string_view chave);
    // Walks the words whose key (or reversed key) starts with a prefix; the
    // visitor gets the key and its ids blob.
    void PercorrePrefixo(std::string_view prefixo, bool inversa,
                         const std::function<void(std::string_view, std::string_view)>& visita);

private:
    // The ids blob of one key of a (chave -> ids) table, unpacked.
    std::vector<uint32_t> IdsDaChave(sqlite3_stmt* st, std::string_view chave);
    // Records a failed read, with SQLite's own words when it has some.
    void Falha(const std::string& oque, int codigo);
    void Fecha();
    bool LeBlob(const char* nome, std::string& destino);

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stHtml_ = nullptr;
    sqlite3_stmt* stPalavra_ = nullptr;
    sqlite3_stmt* stPrefixo_ = nullptr;
    sqlite3_stmt* stPrefixoInverso_ = nullptr;
    sqlite3_stmt* stFlexao_ = nullptr;
    TabelaTextos palavras_, dobradas_, ortograficas_, modernas_, chavesModernas_;
    std::vector<uint32_t> idsModernos_;
    std::vector<uint16_t> classes_;
    std::vector<uint32_t> ordemOrtografica_;
    std::vector<std::pair<std::string, std::string>> info_;
    std::vector<std::pair<std::string, std::string>> abreviaturas_;
    std::string erro_;
};

// Smallest text greater than every text that starts with the prefix; empty
// when there is none (the prefix is all 0xFF bytes).
std::string FimDoPrefixo(std::string_view prefixo);

}  // namespace mini
