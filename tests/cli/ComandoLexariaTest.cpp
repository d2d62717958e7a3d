// The terminal tool: exit codes (0 found, 1 nothing, 2 usage or data error)
// and the "ID<TAB>headword" lines, driven with the build's database.
#include "ComandoLexaria.h"

#include "../mini/ArquivoCasos.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace {

struct Resultado {
    int codigo;
    std::string saida, erros;
    std::vector<std::string> linhas;
};

Resultado Roda(std::vector<std::string> args, const std::string& banco = MINI_TEST_DB) {
    std::ostringstream saida, erros;
    Resultado r{ComandoLexaria().Executa(args, saida, erros, banco), saida.str(), erros.str(), {}};
    std::istringstream in(r.saida);
    for (std::string l; std::getline(in, l);) r.linhas.push_back(l);
    return r;
}

}  // namespace

TEST(ComandoLexaria, ExitCodes) {
    const auto tabela = casos::Tabela("lexaria/codigos.tsv");
    ASSERT_GE(tabela.size(), 15u);
    for (const auto& [n, c] : tabela) {
        const std::vector<std::string> args(c.begin() + 1, c.end());
        const auto r = Roda(args);
        const std::string linha = "codigos.tsv:" + std::to_string(n);
        EXPECT_EQ(std::to_string(r.codigo), c[0]) << linha << "\n" << r.saida << r.erros;
        EXPECT_TRUE(r.codigo != 2 || !r.erros.empty()) << linha;
    }
    const auto semBanco = Roda({"localiza", "casa"}, "/nao/existe.db");
    EXPECT_EQ(semBanco.codigo, 2);
    EXPECT_NE(semBanco.erros.find("/nao/existe.db"), std::string::npos);
}

TEST(ComandoLexaria, ListsAreIdTabHeadwordAndTotalsAgree) {
    const std::regex formato("[0-9]+\t[^\t|]+");
    const auto busca = Roda({"busca", "des*ar"});
    ASSERT_GT(busca.linhas.size(), 300u);  // more than one chunk
    for (const auto& l : busca.linhas) EXPECT_TRUE(std::regex_match(l, formato)) << l;
    EXPECT_EQ(Roda({"busca", "des*ar", "--total"}).linhas,
              std::vector<std::string>{std::to_string(busca.linhas.size())});

    // The homonyms of "a" in order: "a", no-break space, number.
    const auto a = Roda({"palavra", "a"});
    ASSERT_GE(a.linhas.size(), 4u);
    EXPECT_TRUE(a.linhas[0].ends_with("\ta\u00A01")) << a.linhas[0];
    EXPECT_TRUE(a.linhas[3].ends_with("\ta\u00A04")) << a.linhas[3];

    // Summed filters give at least as much as each one alone.
    auto total = [](std::vector<std::string> args) { return std::stoi(Roda(args).linhas.at(0)); };
    const int adj = total({"texto", "*", "--total", "--filtro", "1;"});
    const int adv = total({"texto", "*", "--total", "--filtro", "2;"});
    const int ambos = total({"texto", "*", "--total", "--filtro", "1;2;"});
    EXPECT_EQ(total({"texto", "*", "--total", "--filtro", "1;2;", "--somar"}), adj + adv - ambos);
    EXPECT_GT(ambos, 0);
}

TEST(ComandoLexaria, EntryIsTheIdAndHeadwordThenPlainText) {
    const auto r = Roda({"verbete", "pedra"});
    ASSERT_GE(r.linhas.size(), 3u);
    EXPECT_TRUE(std::regex_match(r.linhas[0], std::regex("[0-9]+\tpedra"))) << r.linhas[0];
    EXPECT_EQ(r.linhas[1], "Pedra");
    EXPECT_EQ(r.saida.find('<'), std::string::npos);
    EXPECT_NE(r.saida.find("Porção de uma substância sólida e dura: uma pedra de sal."), std::string::npos);
    const auto id = r.linhas[0].substr(0, r.linhas[0].find('\t'));
    EXPECT_EQ(Roda({"localiza", "pedra"}).linhas, std::vector<std::string>{id});
    const auto html = Roda({"verbete", "#" + id, "--html"});
    EXPECT_EQ(html.linhas[0], r.linhas[0]);
    EXPECT_TRUE(html.linhas[1].starts_with("<span id=\"D_TIT\">Pedra</span>"));
    // The page escapes the apostrophe; the plain text gives it back.
    EXPECT_NE(Roda({"verbete", "acolá"}).saida.find("(Do lat. eccu'illac)"), std::string::npos);
}
