// Endings of the regular patterns. Besides the three conjugations, the verbs
// whose stem ends in a vowel that meets the ending (sair, atribuir, moer)
// the -uzir verbs and arguir each have a pattern of their own: their endings carry
// the hiatus accents and the short third person ("produz") that the plain
// endings cannot get by a rule on the stem.
#pragma once

#include "LeitorTabela.h"

namespace mini {

class TabelaDesinencias {
public:
    enum class Padrao { Ar, Er, Ir, Air, Uir, Construir, Oer, Uzir, Arguir };

    static const Formas72& Desinencias(Padrao padrao);
    // How many letters at the end of the infinitive the endings replace.
    static std::size_t Sufixo(Padrao padrao);
};

}  // namespace mini
