// Which verb to ask the engine for when an entry's conjugation is wanted.
// The engine gives no table for a pronominal headword ("lavar-se"), so the
// table shown is the verb's before the hyphen ("lavar"). The viewer and
// lexaria both ask through here.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace mini {

// The verb a pronominal headword stands on: the part before the first "-"
// when the letter just before that "-" is "r" ("lavar-se" gives "lavar",
// "bem-querer" and "lavo-lavar-se" give ""); "" when it is not pronominal.
std::string VerboDoPronominal(std::string_view verbo);

struct ConjugacaoPedida {
    std::string verbo;  // the verb the text belongs to (read the table with this one)
    std::string dados;  // the engine's text, possibly without a table (SemConjugacao)
};

// Asks obtem (the engine's ObtemConjugacao) for verbo; when that gives no
// table and verbo is pronominal, asks once more for the verb before the
// hyphen. verbo is the headword already cleaned (trimmed, no longer than the
// list shows it).
ConjugacaoPedida PedeConjugacao(std::string_view verbo,
                                const std::function<std::string(std::string& verbo)>& obtem);

}  // namespace mini
