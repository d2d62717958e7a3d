// Turns the dictionary's source files into the engine's database: orders the
// headwords, gives them their ids, renders the entries, builds the indexes and
// writes everything in one go. Same input, same bytes.
#pragma once

#include <functional>
#include <string>

namespace mini::compilador {

struct OpcoesCompilacao {
    std::string pastaDados;
    std::string arquivoAbreviaturas;
    std::string saida;
    // Hunspell dictionaries (paths without ".aff") for today's spelling; no
    // Brazilian one means no modern spellings.
    std::string hunspellBrasil;
    std::string hunspellPortugal;
    // Words of today the Brazilian list lacks (a file, one a line); may be empty.
    std::string palavrasAtuais;
    // Where the derived spellings are kept between builds; empty: no cache.
    std::string cacheGrafia;
    // A folder for the decompressed source files, kept between builds;
    // empty: no cache.
    std::string cacheXml;
};

class CompiladorDicionario {
public:
    using Progresso = std::function<void(const std::string& mensagem)>;

    // False with a message in erro when anything fails; the output file is
    // then left as it was.
    static bool Compila(const OpcoesCompilacao& opcoes, std::string& erro, const Progresso& progresso);
};

}  // namespace mini::compilador
