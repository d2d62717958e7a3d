#include "mini/PastaInstalacao.h"

#include <filesystem>

#include "mini/DLLMiniLexariaDB.h"

#ifndef MINI_DADOS_RELATIVO
#define MINI_DADOS_RELATIVO "../share/minilexaria"
#endif

namespace mini {

namespace fs = std::filesystem;

namespace {

bool TemBanco(const fs::path& pasta) {
    std::error_code ec;
    return fs::is_regular_file(pasta / DLLMiniLexariaDB::NomeBanco(), ec);
}

}  // namespace

std::string PastaExecutavel() {
    std::error_code ec;
    const fs::path p = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : p.parent_path().string();
}

const char* PastaDadosRelativa() { return MINI_DADOS_RELATIVO; }

std::string PastaInstalacao(const std::string& pastaExecutavel) {
    const fs::path exe(pastaExecutavel);
    if (TemBanco(exe)) return exe.string();
    const fs::path instalada = (exe / PastaDadosRelativa()).lexically_normal();
    if (TemBanco(instalada)) return instalada.string();
    return exe.string();
}

std::string PastaInstalacao() { return PastaInstalacao(PastaExecutavel()); }

}  // namespace mini
