// What the spelling derivation asks of a word list: is this a word? The
// compiler uses the hunspell dictionaries; tests use a small list of their own.
#pragma once

#include <string>

namespace mini::compilador {

class VerificadorOrtografico {
public:
    virtual ~VerificadorOrtografico() = default;
    // The word as written, lower case UTF-8.
    virtual bool Aceita(const std::string& palavra) = 0;
};

}  // namespace mini::compilador
