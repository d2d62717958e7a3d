// The engine's compact conjugation text read back into whole forms, the way
// the entry page reads it (ending rule, then 72 stem endings), and written
// as plain text for the terminal: each tense's name, then one line per
// person with its form.
#pragma once

#include <string>
#include <vector>

class TabelaConjugacao {
public:
    // The 72 forms rebuilt from the verb as it was passed to the engine and
    // the engine's text; "/" for a missing form, "" for an unused participle
    // slot. Empty when the text cannot be read for that verb.
    static std::vector<std::string> Formas(const std::string& verbo, const std::string& dados);

    // The table as text; "" when there is nothing to show.
    static std::string Texto(const std::string& verbo, const std::string& dados);
};
