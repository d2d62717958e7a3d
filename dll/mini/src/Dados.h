// Read side of the database: the in-memory headword tables and the prepared
// statements for entries and the text index. Opening checks that the file is
// complete and of our format, so a damaged database is refused up front.
#pragma once

#include <sqlite3.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
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

    // Opens the file and checks its format; the tables are read only when
    // first needed, so a process pays for what it asks.
    bool Abre(const std::string& caminho);

    int32_t total() const { return total_; }
    bool Valido(int64_t id) const { return id >= 0 && id < total(); }
    std::string_view Palavra(int32_t id) const { return Textos(t_->palavras)[static_cast<size_t>(id)]; }
    std::string_view Dobrada(int32_t id) const { return Textos(t_->dobradas)[static_cast<size_t>(id)]; }
    std::string_view Ortografica(int32_t id) const {
        return Textos(t_->ortograficas)[static_cast<size_t>(id)];
    }
    // Today's spellings of an entry ("a|b"), empty when it is spelled as today.
    std::string_view Modernas(int32_t id) const { return Textos(t_->modernas)[static_cast<size_t>(id)]; }
    // Folded keys of those spellings, sorted, each with the id it belongs to.
    const TabelaTextos& ChavesModernas() const { return Textos(t_->chavesModernas); }
    const std::vector<uint32_t>& IdsModernos() const { return Numeros(t_->chavesModernas); }
    // Every key reversed, sorted (see esquema::kInversas).
    const TabelaTextos& Inversas() const { return Textos(t_->inversas); }
    const std::vector<uint32_t>& IdsInversos() const { return Numeros(t_->inversas); }
    uint16_t Classes(int32_t id) const {
        // Asked for every entry by the filters: one load when all is well.
        const uint32_t* c = classes_.load(std::memory_order_acquire);
        if (!c) c = ClassesLidas();
        return static_cast<uint16_t>(c[id]);
    }
    const std::vector<uint32_t>& OrdemOrtografica() const { return Numeros(t_->ordemOrtografica); }
    const std::string& Informacao(const std::string& chave) const;
    const std::vector<std::pair<std::string, std::string>>& Abreviaturas() const;

    // What went wrong in the last reads: "" while every read went well. A
    // read that fails (a damaged page, an unreadable row) is an error, never
    // "nothing found".
    const std::string& Erro() const { return erro_; }
    void LimpaErro() { erro_.clear(); }

    bool Html(int32_t id, std::string& html);

    // SQLite's integrity check and the recorded content hash: "" when both hold.
    std::string Verifica() const;

    // Straight from the file while the headword table is not loaded: the
    // headword of an id, and the ids with headwords of one folded key.
    // After a few such questions the tables pay for themselves and are loaded.
    bool TabelaPalavrasLida() const;
    std::string PalavraDireta(int32_t id) const;
    std::vector<std::pair<int32_t, std::string>> PorDobrada(std::string_view chave) const;

    // Entry ids of one word of the text index (empty when absent).
    std::vector<uint32_t> Postagens(std::string_view chave);
    // Entries of the headwords that have a form of this inflection key.
    std::vector<uint32_t> Flexoes(std::string_view chave);
    // Walks the words whose key (or reversed key) starts with a prefix; the
    // visitor gets the key and its ids blob.
    void PercorrePrefixo(std::string_view prefixo, bool inversa,
                         const std::function<void(std::string_view, std::string_view)>& visita);

private:
    // A table read on first use. Engines on other threads never share a
    // Dados, but the once-flag keeps even a shared one from reading twice.
    struct Carga {
        const char* nome = nullptr;         // blob of texts, or null
        const char* nomeNumeros = nullptr;  // blob of numbers read with it, or null
        bool porId = true;                  // one row per entry
        bool bytes16 = false;               // the numbers are 16-bit (class bits)
        std::once_flag feito;
        std::atomic<bool> pronto{false};  // read without the once-flag's cost
        bool danificada = false;          // every use reports it again
        TabelaTextos textos;
        std::vector<uint32_t> numeros;
    };
    struct Tabelas {
        Carga palavras, dobradas, ortograficas, modernas, chavesModernas, inversas, classes, ordemOrtografica;
        std::once_flag abreviaturasLidas;
        std::atomic<int> consultasDiretas{0};
        std::vector<std::pair<std::string, std::string>> abreviaturas;
    };
    const TabelaTextos& Textos(Carga& c) const {
        if (!c.pronto.load(std::memory_order_acquire)) Garante(c);
        if (c.danificada) Danificada(c);
        return c.textos;
    }
    const std::vector<uint32_t>& Numeros(Carga& c) const {
        if (!c.pronto.load(std::memory_order_acquire)) Garante(c);
        if (c.danificada) Danificada(c);
        return c.numeros;
    }
    void Danificada(const Carga& c) const;
    const uint32_t* ClassesLidas() const;
    void Garante(Carga& c) const;
    void Carrega(Carga& c) const;

    // The ids blob of one key of a (chave -> ids) table, unpacked.
    std::vector<uint32_t> IdsDaChave(sqlite3_stmt* st, std::string_view chave);
    // Records a failed read, with SQLite's own words when it has some.
    void Falha(const std::string& oque, int codigo) const;
    void Fecha();
    bool LeBlob(const char* nome, std::string& destino) const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stHtml_ = nullptr;
    sqlite3_stmt* stPalavra_ = nullptr;
    sqlite3_stmt* stPrefixo_ = nullptr;
    sqlite3_stmt* stPrefixoInverso_ = nullptr;
    sqlite3_stmt* stFlexao_ = nullptr;
    sqlite3_stmt* stPalavraId_ = nullptr;
    sqlite3_stmt* stPorDobrada_ = nullptr;
    int32_t total_ = 0;
    std::unique_ptr<Tabelas> t_;
    mutable std::atomic<const uint32_t*> classes_{nullptr};  // set once the table read whole
    std::vector<std::pair<std::string, std::string>> info_;
    mutable std::string erro_;
};

// Smallest text greater than every text that starts with the prefix; empty
// when there is none (the prefix is all 0xFF bytes).
std::string FimDoPrefixo(std::string_view prefixo);

}  // namespace mini
