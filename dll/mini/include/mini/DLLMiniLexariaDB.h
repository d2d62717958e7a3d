// The dictionary engine: headwords, entries, searches and filters over the
// database that the data compiler writes. No Qt here; all text is UTF-8.
//
// Operation names, argument order and by-reference out-parameters follow the
// contract the viewer was written against. Every operation accepts any text
// and reports failure through its result (an empty text, a negative number),
// never by throwing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace mini {
class ConjuntoResultados;
class Dados;
}  // namespace mini

class DLLMiniLexariaDB {
public:
    // Without a path the database is looked up beside the executable, then
    // in the installed data folder (mini/PastaInstalacao.h).
    DLLMiniLexariaDB();
    explicit DLLMiniLexariaDB(std::string caminhoBanco);
    ~DLLMiniLexariaDB();
    DLLMiniLexariaDB(const DLLMiniLexariaDB&) = delete;
    DLLMiniLexariaDB& operator=(const DLLMiniLexariaDB&) = delete;

    // Name of the database file inside the program folder.
    static const char* NomeBanco();

    bool AbreDados();
    std::string ObtemInformacoes();

    int32_t LocalizaPalavra(const std::string& palavra);
    std::string ObtemVerbete(int32_t& id, std::string& texto, int32_t chave);
    bool EhVerbo(int32_t& id);
    std::string ObtemConjugacao(std::string& verbo);
    std::string ObtemAbreviatura(std::string& palavra);

    int32_t PesquisaPalavra(const std::string& palavra, int32_t modo, std::string& resultados);
    int32_t PesquisaMascara(const std::string& mascara, std::string& resultados, int32_t lista);
    void PesquisaReversa(std::string& palavra, std::string& resultados, int32_t reservado1,
                         int32_t reservado2, int32_t& total);
    int32_t ObtemTotalResultados();
    int32_t ObtemResultados(int16_t origem, int32_t& cursor, std::string& lista);
    void DefineFiltro(int16_t operacao, int16_t codigo);
    int32_t ObtemFlexoes(const std::string& palavra, std::string& formas);
    void LimiteResultados(int16_t limite);

    // Today's spelling of an entry: "a|" or "a|b|" (Brazil's first), "" when
    // the entry is spelled as today or the id is out of range.
    std::string ObtemGrafiaAtual(int32_t id);
    // The entries of which the word is today's spelling ("ação" gives acção),
    // all at once as "word|id|" pairs; the last search is left as it was.
    int32_t PesquisaGrafia(const std::string& palavra, std::string& resultados);

    // Reads the whole file: SQLite's integrity check and the content hash
    // the compiler recorded. "" when both hold, else what is wrong.
    std::string VerificaDados();

    // Why the last call could not answer as asked: a read error of the
    // database, a query beyond the limits. "" when it went well, so an
    // empty answer with no error means "nothing found".
    const std::string& ObtemUltimoErro() const;

    // Chunk size in use (the value last written, or the default).
    int32_t limiteResultados() const;

private:
    std::string caminho_;
    std::unique_ptr<mini::Dados> dados_;
    struct Estado;
    std::unique_ptr<Estado> estado_;
    std::string erro_;
    // Starts a call: forgets the last call's error.
    bool Pronto();
    int32_t SemErro(mini::ConjuntoResultados& conjunto, std::string& resultados);
};
