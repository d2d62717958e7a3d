#include "VerificadorHunspell.h"

#include <hunspell.hxx>

#include <filesystem>
#include <mutex>

namespace mini::compilador {

namespace {
// The library sets up and frees a table shared by all its dictionaries
// without a lock of its own: two threads opening dictionaries at once can
// both build it and lose one. Opening and closing go one at a time.
std::mutex& TravaBiblioteca() {
    static std::mutex trava;
    return trava;
}
}  // namespace

VerificadorHunspell::VerificadorHunspell(const std::string& base) {
    std::lock_guard<std::mutex> guarda(TravaBiblioteca());
    hunspell_ = std::make_unique<Hunspell>((base + ".aff").c_str(), (base + ".dic").c_str());
}

VerificadorHunspell::~VerificadorHunspell() {
    std::lock_guard<std::mutex> guarda(TravaBiblioteca());
    hunspell_.reset();
}

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
