// A hunspell dictionary (.aff + .dic) as a word list.
#pragma once

#include <memory>
#include <string>

#include "VerificadorOrtografico.h"

class Hunspell;

namespace mini::compilador {

class VerificadorHunspell : public VerificadorOrtografico {
public:
    // base: the path without ".aff"/".dic" ("/usr/share/hunspell/pt_BR").
    explicit VerificadorHunspell(const std::string& base);
    ~VerificadorHunspell() override;

    // False when either file cannot be read.
    static bool Existe(const std::string& base);

    bool Aceita(const std::string& palavra) override;

private:
    std::unique_ptr<Hunspell> hunspell_;
};

}  // namespace mini::compilador
