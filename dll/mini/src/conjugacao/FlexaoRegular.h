// Conjugation by rule: stem + ending, with the spelling kept for the sound
// (fiquei, comece, dirijo, ergo), the stem-vowel changes the grammar lists,
// the extra participles and the missing forms of defective verbs.
#pragma once

#include "ClassesVerbais.h"
#include "LeitorTabela.h"

#include <string_view>

namespace mini {

class FlexaoRegular {
public:
    // The 72 forms of a verb in today's spelling, and the ending each form
    // was built with (empty for forms not built from the stem). False when
    // the word has no shape of a verb we can conjugate by rule ("caer",
    // "poer", a stem without a vowel): better no table than a wrong one.
    static bool Conjuga(std::u32string_view verbo, Formas72& formas, Formas72& desinencias);

    // Stem + plain endings and spelling changes only, for the slots that an
    // irregular model leaves to the rule; any stem, even an empty one ("ir").
    static bool Simples(std::u32string_view verbo, Formas72& formas);

    static void AplicaDefeito(ClassesVerbais::Defeito defeito, Formas72& formas);
};

}  // namespace mini
