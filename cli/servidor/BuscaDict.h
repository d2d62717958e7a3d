// What the match strategies and a definition mean on our dictionary. The
// headword strategies run over the shared headword index; "." (our default)
// and "word" go through an engine: "." finds the entries of a word in
// today's spelling and of the lemma of an inflected form, "word" the entries
// whose text holds the word.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class IndicePalavras;
class ReservaMotores;

class BuscaDict {
public:
    struct Estrategia {
        const char* nome;
        const char* descricao;
    };
    static const std::vector<Estrategia>& Estrategias();
    static bool Conhece(std::string_view estrategia);

    struct Verbete {
        int32_t id;
        std::string palavra;  // headword without the homonym number
        std::string texto;    // plain text, one line per sense
    };

    BuscaDict(const IndicePalavras& indice, ReservaMotores& motores) : indice_(indice), motores_(motores) {}

    enum class Resposta { Achou, Nada, Invalida };
    // Headwords matching, each once, in dictionary order (for "." in the
    // order of the search), pointing into the shared index. Invalida when the
    // strategy refuses the word (a bad regular expression).
    Resposta Procura(std::string_view estrategia, const std::string& palavra,
                     std::vector<std::string_view>& palavras);
    // The entries a definition request gives: those of "." in their order.
    // False when the engine met a read error, so the answer may lack entries
    // and is not to be kept.
    bool Define(const std::string& palavra, std::vector<Verbete>& verbetes);

private:
    // ordenados: false when the ids are not in dictionary order.
    std::vector<int32_t> Ids(std::string_view estrategia, const std::string& palavra, bool& valida,
                             bool& ordenados);

    const IndicePalavras& indice_;
    ReservaMotores& motores_;
};
