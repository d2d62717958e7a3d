#include "VerificadorHunspell.h"

#include <hunspell.hxx>

#include <filesystem>

namespace mini::compilador {

VerificadorHunspell::VerificadorHunspell(const std::string& base)
    : hunspell_(std::make_unique<Hunspell>((base + ".aff").c_str(), (base + ".dic").c_str())) {}

VerificadorHunspell::~VerificadorHunspell() = default;

bool VerificadorHunspell::Existe(const std::string& base) {
    std::error_code ec;
    return std::filesystem::is_regular_file(base + ".aff", ec) &&
           std::filesystem::is_regular_file(base + ".dic", ec);
}

bool VerificadorHunspell::Aceita(const std::string& palavra) {
    // hunspell splits at hyphens by itself; the caller checks the parts.
    return !palavra.empty() && hunspell_->spell(palavra);
}

}  // namespace mini::compilador
