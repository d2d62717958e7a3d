// A conjugation, as mini::LeConjugacao reads it, written as plain text for
// the terminal: each tense's name, then one line per person with its form.
#pragma once

#include <string>

#include "mini/TextoConjugacao.h"

class TabelaConjugacao {
public:
    // The table as text; "" unless the conjugation was read.
    static std::string Texto(const mini::Conjugacao& conjugacao);
};
