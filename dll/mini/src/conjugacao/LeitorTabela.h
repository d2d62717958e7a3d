// The conjugator keeps its verb models as text written for people: thirteen
// groups split by "|" (nine tenses of six persons, the imperative of five,
// the personal infinitive of six, the gerund, the participle of one to six),
// forms split by one space. This reads that text into the 72 slots.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace mini {

using Formas72 = std::array<std::u32string, 72>;

class LeitorTabela {
public:
    static constexpr std::size_t kImperativo = 54;
    static constexpr std::size_t kInfinitivo = 59;
    static constexpr std::size_t kGerundio = 65;
    static constexpr std::size_t kParticipio = 66;

    // A group written "=" fills every slot of its group with "="; the
    // participle group may list fewer than six forms, the rest stay empty.
    // False when the text does not have the right number of groups or forms.
    static bool Le(std::u32string_view texto, Formas72& formas);
};

}  // namespace mini
