// Debian's terminal client `dict` against our server: definitions, each
// match strategy, the lists of databases and strategies, and the exit codes
// it gives for our errors. Skipped where the client is not installed.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "ServidorComum.h"

namespace {

const char* const kDict = "/usr/bin/dict";

struct Saida {
    int codigo = -1;
    std::string texto;
};

// Runs dict on our server; the words are passed in single quotes.
Saida Dict(const std::vector<std::string>& argumentos) {
    std::string linha = std::string(kDict) + " -h 127.0.0.1 -p " + std::to_string(ServidorComum().porta());
    for (const auto& a : argumentos) linha += " '" + a + "'";
    linha += " 2>&1";
    Saida s;
    FILE* p = popen(linha.c_str(), "r");
    if (!p) return s;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;) s.texto.append(buffer, n);
    const int estado = pclose(p);
    s.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    return s;
}

bool Tem(const Saida& s, const std::string& trecho) { return s.texto.find(trecho) != std::string::npos; }

}  // namespace

TEST(ClienteDict, DebianClientAgainstOurServer) {
    if (access(kDict, X_OK) != 0) GTEST_SKIP() << kDict << " não está instalado";

    const auto casas = Dict({"casas"});
    EXPECT_EQ(casas.codigo, 0) << casas.texto;
    EXPECT_TRUE(Tem(casas, "Edifício para habitação")) << casas.texto;
    EXPECT_TRUE(Tem(casas, "[minilexaria]")) << casas.texto;
    const auto farmacia = Dict({"-d", "minilexaria", "farmácia"});
    EXPECT_TRUE(Tem(farmacia, "Pharmácia")) << farmacia.texto;
    EXPECT_EQ(Dict({"-M", "casa"}).codigo, 0);

    const struct {
        const char* estrategia;
        const char* palavra;
        const char* achada;
    } matches[] = {
        {"exact", "CASA", "casa"},         {"prefix", "desaf", "desafiar"},
        {"suffix", "sinho", "barbosinho"}, {"substring", "asam", "casamento"},
        {"re", "^cas.o$", "casão"},        {"word", "habitação", "casa"},
        {"lev", "casa", "cama"},           {".", "fiz", "fazer"},
    };
    for (const auto& m : matches) {
        const auto s = Dict({"-m", "-s", m.estrategia, m.palavra});
        EXPECT_EQ(s.codigo, 0) << m.estrategia << "\n" << s.texto;
        EXPECT_TRUE(Tem(s, std::string("  ") + m.achada)) << m.estrategia << "\n" << s.texto;
    }

    EXPECT_TRUE(Tem(Dict({"-D"}), "minilexaria"));
    const auto estrategias = Dict({"-S"});
    for (const char* e : {"exact", "prefix", "suffix", "substring", "re", "word", "lev"})
        EXPECT_TRUE(Tem(estrategias, std::string(" ") + e + " ")) << e << "\n" << estrategias.texto;
    EXPECT_TRUE(Tem(Dict({"-i", "minilexaria"}), "128524 verbetes"));
    EXPECT_TRUE(Tem(Dict({"-I"}), "Minilexária"));
    EXPECT_TRUE(Tem(Dict({"-H"}), "DEFINE"));

    // The client's exit codes for no match, a bad database and a bad strategy.
    EXPECT_EQ(Dict({"xyzwq"}).codigo, 20);
    EXPECT_EQ(Dict({"-d", "inexistente", "casa"}).codigo, 39);
    EXPECT_EQ(Dict({"-m", "-s", "soundex", "casa"}).codigo, 40);
}
