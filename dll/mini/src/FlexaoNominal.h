// Number and gender of nouns and adjectives: the plural of a headword, and
// for adjectives (and the nouns that form one: -dor, -ês, leão) the feminine
// and its plural. The dictionary writes only the lemma; these are the forms a
// reader types instead ("casas", "leões", "portuguesa").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mini {

class FlexaoNominal {
public:
    // Forms of a lower-case headword, the headword itself not included;
    // empty for words with no regular plural ("lápis", "tórax") and for
    // compounds (a space or hyphen), whose plural depends on their parts.
    static std::vector<std::string> Formas(std::string_view palavra, bool substantivo, bool adjetivo);

    // The plural alone ("leão" -> "leões"; "alemão" -> "alemães"); several
    // when usage admits them ("ancião"); empty when invariable.
    static std::vector<std::string> Plurais(std::string_view palavra);

    // The feminine of an adjective or of a noun that forms one; empty if none.
    static std::vector<std::string> Femininos(std::string_view palavra, bool adjetivo);
};

}  // namespace mini
