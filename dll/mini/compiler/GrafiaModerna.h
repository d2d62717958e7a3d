// Today's spelling of a 1913 word. A word the Brazilian list accepts is a
// word of today and stays itself. Otherwise the reforms' rewrites give
// candidates, cheapest first; the first that the list accepts and that keeps
// the stress on the same vowel wins. The European list only adds the
// post-1990 form where the Brazilian one also accepts an older spelling
// ("arquitecto" and "arquiteto").
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "VerificadorOrtografico.h"

namespace mini::compilador {

class GrafiaModerna {
public:
    // portugal may be null.
    GrafiaModerna(VerificadorOrtografico& brasil, VerificadorOrtografico* portugal);

    // The modern spellings of a lower-case word, the Brazilian one first;
    // empty when the word is of today or when no candidate fits.
    std::vector<std::string> Deriva(const std::string& palavra);

    // Whether the Brazilian list takes the word as it stands.
    bool DeHoje(const std::string& palavra);

    // Whether the word can be looked at: lower-case letters, with hyphens
    // between them; a name may start with a capital.
    static bool Derivavel(const std::string& palavra);

private:
    using Criterio = std::function<bool(const std::u32string&)>;
    // The cheapest candidate the criterion accepts with the word's stress;
    // empty when the budget runs out first.
    std::u32string Procura(const std::u32string& palavra, const Criterio& aceita);
    std::u32string PorPartes(const std::u32string& palavra);
    // An adverb in -mente spelled as today: its adjective's form of today,
    // without its accent, and -mente; empty when it is no such adverb.
    std::u32string Adverbio(const std::u32string& palavra);
    // The word of one hyphen joined as 1990 joins a prefix ("contra-regra",
    // "contrarregra"), when Brazil's list has it; empty otherwise.
    std::u32string Juntada(const std::u32string& palavra);
    // For a word Brazil accepts as it stands: Portugal's form without the
    // consonants 1990 silenced, when Portugal rejects the word. Brazil's
    // list is no guide there: it also has "setem" and "heto".
    void AcrescentaEuropeia(const std::u32string& palavra, std::vector<std::string>& formas);
    bool Aceita(VerificadorOrtografico& lista, std::unordered_map<std::u32string, bool>& memoria,
                const std::u32string& palavra);
    // The word lists see the capital of a name; the rules never do.
    std::u32string Escrita(const std::u32string& p) const;
    bool Brasil(const std::u32string& p) { return Aceita(brasil_, memoriaBrasil_, Escrita(p)); }
    bool Portugal(const std::u32string& p) { return Aceita(*portugal_, memoriaPortugal_, Escrita(p)); }

    // The candidates of the last word searched, by cost, as far as they were
    // expanded: the Brazilian and the European searches of one word look at
    // the same ones in the same order.
    struct Busca {
        std::u32string palavra;
        bool semTonica = false;
        std::pair<int, char32_t> tonica;
        std::vector<std::vector<std::u32string>> niveis;
        std::vector<std::vector<signed char>> mesma;  // keeps the stress: 1, 0, or -1 not yet known
        std::unordered_set<std::u32string> vistos;
        int expandidos = 0;  // the levels below this one are expanded
        std::vector<std::pair<std::u32string, int>> vizinhos;
    };

    VerificadorOrtografico& brasil_;
    VerificadorOrtografico* portugal_;
    bool maiuscula_ = false;
    bool semTonica_ = false;  // any stress will do: the word's own was lost
    std::unordered_map<std::u32string, bool> memoriaBrasil_, memoriaPortugal_;
    Busca busca_;
};

}  // namespace mini::compilador
