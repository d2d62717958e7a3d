// Writes the conjugation in the compact text the entry page reads: the
// ending rule, a no-break space, then the 72 forms split by ";". The page
// rebuilds each form as the headword's stem plus what we write, so the
// shortest text is used only when it reads back to the very same forms;
// otherwise every form is written whole after the whole headword as the
// "ending", which always reads back right.
#pragma once

#include "LeitorTabela.h"

#include <string>
#include <string_view>

namespace mini {

class TextoCompacto {
public:
    // cabeca: the headword as given; moderno: the infinitive conjugated.
    // desinencias: the endings the forms were built with, or nullptr when
    // the forms came from an irregular model (those are always written whole).
    static std::string Monta(std::string_view cabeca, std::u32string_view cabecaLida,
                             std::u32string_view moderno, const Formas72& formas,
                             const Formas72* desinencias);
};

}  // namespace mini
