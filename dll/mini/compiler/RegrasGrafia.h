// The rewrites that took the 1913 spelling to today's, and the stressed
// vowel of a written word. Candidates are only guesses: the spelling
// derivation keeps those a modern word list accepts with the same stress.
#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mini::compilador {

class RegrasGrafia {
public:
    // Every spelling one rewrite away from the word (lower case), with the
    // rewrite's cost; plainer changes cost less. Rewrites dearer than
    // custoMaximo are not made.
    static void Vizinhos(const std::u32string& palavra, std::vector<std::pair<std::u32string, int>>& saida,
                         int custoMaximo = std::numeric_limits<int>::max());

    // The stressed vowel: its place counted from the end among the word's
    // vowels that make a syllable, and its base letter ("y" counts as "i").
    // {-1, 0} for a word with no vowel.
    static std::pair<int, char32_t> Tonica(std::u32string_view palavra);

    // The stress of a compound is its last part's, pronouns aside:
    // "néo-latino" and "neolatino", "constituír-se" and "constituir-se".
    static std::pair<int, char32_t> TonicaPrincipal(std::u32string_view palavra);

    // Whether the only change is an acute on the i or u of a hiatus, which
    // moves the stress as the 1913 spelling meant it ("egoistico").
    static bool SoMarcaHiato(std::u32string_view antes, std::u32string_view depois);

    // Whether the hyphen at i may go: never before a pronoun ("prega-lhe").
    static bool JuntaHifen(const std::u32string& palavra, size_t i);

    static bool EhVogal(char32_t c);
    static char32_t BaseVogal(char32_t c);
};

}  // namespace mini::compilador
