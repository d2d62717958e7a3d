// Inflected forms on the engine's side: from a form to the entries of its
// lemma ("fiz" -> fazer), and from a word to its forms (to highlight them).
// The index gives the candidates; the forms themselves are made again here
// by the same code the data compiler used, so nothing else is stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Dados.h"
#include "IndiceVerbetes.h"

namespace mini {

class BuscaFlexoes {
public:
    BuscaFlexoes(Dados& dados, const IndiceVerbetes& indice) : dados_(dados), indice_(indice) {}

    // Entries whose headword takes palavra as a form, in id order, leaving
    // out those in exatos. When the word is a headword itself (exatos not
    // empty) a lemma counts only when one of its forms is spelled as typed,
    // accents included: "e" does not bring "ser" (é), nor "de" bring "dar" (dê).
    std::vector<int32_t> Lemas(std::string_view palavra, const std::vector<int32_t>& exatos);

    // The forms of a word as "form|id|" pairs (id: the entry the form
    // belongs to): of its own entries when it is a headword spelled so, else
    // also of the lemmas it is a form of, the lemma included. Number of
    // pairs, or -1.
    int32_t Formas(std::string_view palavra, std::string& formas);

private:
    std::vector<std::string> FormasDe(int32_t id) const;

    Dados& dados_;
    const IndiceVerbetes& indice_;
};

}  // namespace mini
