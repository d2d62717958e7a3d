// All the forms that lead to an entry besides its headword: a verb's
// conjugation (with its participles in both genders and numbers), a noun's
// plural, an adjective's feminine and plural. The data compiler indexes them
// and the engine lists them again, so both sides get them from here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mini {

class FlexoesVerbete {
public:
    // palavra: the headword as stored (a homonym number after a no-break
    // space is ignored); classes: the entry's class bits. Each form once, in
    // a fixed order, the headword itself left out.
    static std::vector<std::string> Formas(std::string_view palavra, uint16_t classes);
    // Whether Formas(palavra, classes) holds forma, for less than it costs.
    static bool TemForma(std::string_view palavra, uint16_t classes, std::string_view forma);

    // Key of the inflection index: the spelling-bridge key of a form, so
    // "efetuei" meets the form "efectuei" of "effectuar".
    static std::string Chave(std::string_view forma);

    // The headword without its homonym number ("arguir\u00A01" -> "arguir").
    static std::string_view SemHomonimo(std::string_view palavra);

    // What the conjugator is asked for: the headword, or for a pronominal
    // one ("lavar-se") the verb before the hyphen when the headword itself
    // has no table, as the entry page does.
    static std::vector<std::string> FormasVerbais(std::string_view palavra);
};

}  // namespace mini
