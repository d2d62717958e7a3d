// The typewriter conventions of the digital source, turned into what the
// printed book shows: "--" is a dash (or a hyphen in dates such as
// 7--X--99), "^2" and "^{as}" are raised, "[[abexins|abexim]]" is a
// cross-reference, "[-a]", "[oe]" and "[~i]" are the letters ā, œ and ĩ, the
// transcribers' notes "[**...]" go, and a line opening with "* " is a sense
// added in this edition. Works on raw source lines, before any HTML is made;
// raised text is wrapped in kInicioSobrescrito / kFimSobrescrito, and a
// cross-reference whose target differs from its text holds kAlvoTermo
// between the two.
#pragma once

#include <string>
#include <string_view>

namespace mini::compilador {

constexpr char kInicioSobrescrito = '\x05';
constexpr char kFimSobrescrito = '\x06';
constexpr char kAlvoTermo = '\x07';

class TipografiaFonte {
public:
    // Dashes and superscripts of one line.
    static std::string Linha(std::string_view linha);

    // "--" runs: a dash between words, dropped at the end of a line, an
    // opening dash of dialogue at its start.
    static std::string Travessoes(std::string_view linha);

    // "^x", "^12", "^{abc}" become raised text.
    static std::string Sobrescritos(std::string_view linha);

    // The bracket conventions: cross-references, two letters, notes.
    static std::string Colchetes(std::string_view linha);

    // Removes an opening "* " (the book's mark of an added sense); true when
    // there was one.
    static bool TiraAsterisco(std::string& linha);

    // Class labels as they stand at the head of a sense: lower case (the
    // capital of "Adj." or "V. i." only follows the full stop of the book's
    // run-in text) and no blank before a comma.
    static std::string RotuloClasse(std::string_view rotulo);
};

}  // namespace mini::compilador
