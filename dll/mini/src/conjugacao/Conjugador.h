// Conjugates the dictionary's verbs: every regular verb by rule, the
// irregular ones and their compounds from our own models, headwords in the
// 1913 spelling ("têr", "vêr", "effectuar") as the verb they are today.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mini {

class Conjugador {
public:
    // The compact text of the entry page's conjugation box: the ending rule
    // ("ar", or "c|ar" when one letter of the stem changes), a no-break
    // space, then 72 forms split by ";" (nine tenses of six persons, the
    // imperative of five, the personal infinitive of six, the gerund, six
    // participle slots). "/" marks a form the verb lacks. Forms not sharing
    // the headword's stem are written whole after the whole headword. ""
    // when the word is not a verb we can conjugate ("casa"), and for a verb
    // with a pronoun ("lavar-se"), which the page then asks for as "lavar".
    static std::string TextoConjugacao(std::string_view verbo);

    // Every distinct form, once, for the index that leads from a form back
    // to its verb (fiz -> fazer).
    static std::vector<std::string> Formas(std::string_view verbo);

    // The 72 forms as whole words, "/" and empty participle slots kept;
    // empty when the word cannot be conjugated.
    static std::vector<std::string> FormasCompletas(std::string_view verbo);
};

}  // namespace mini
