// Brings a headword's infinitive from the dictionary's 1913 spelling to
// today's before it is conjugated ("têr" -> "ter", "effectuar" -> "efectuar",
// "analysar" -> "analisar"). Only the changes that never go wrong are made: a
// silent c or p is left alone, since nothing in the old spelling tells it
// from a sounded one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mini {

class GrafiaAntiga {
public:
    // Lower case, accents and diaeresis dropped (no infinitive of today but
    // "pôr" carries one, and that one is known by its letters; a tilde stays,
    // as in "anãzar"), then ph, th,
    // rh, ch before a consonant, y, a mute h inside the word, cq and doubled
    // consonants other than rr and ss. Nothing when the word holds a
    // character no Portuguese infinitive has (digits, hyphen, space, "ñ").
    static std::optional<std::u32string> Moderniza(std::u32string_view palavra);
};

}  // namespace mini
