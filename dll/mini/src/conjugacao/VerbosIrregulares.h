// The irregular verbs of Portuguese and their compounds. Each model lists the
// forms of the simple verb that the rule does not give; a compound is the
// prefix plus the simple verb's form (conter: contenho, contém), so that a
// prefix list decides which verbs ending in "ter" or "ver" are compounds
// (conter, prever) and which are regular (meter, dever).
#pragma once

#include "LeitorTabela.h"

#include <string_view>

namespace mini {

class VerbosIrregulares {
public:
    // The 72 forms when verbo (today's spelling) is an irregular verb or a
    // compound of one; false otherwise.
    static bool Conjuga(std::u32string_view verbo, Formas72& formas);
};

}  // namespace mini
