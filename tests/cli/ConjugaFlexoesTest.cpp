// "lexaria conjuga" and "lexaria flexoes" on the real database.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "../mini/ArquivoCasos.h"
#include "ComandoLexaria.h"

namespace {

struct Saida {
    int codigo;
    std::vector<std::string> linhas;
};

Saida Roda(const std::vector<std::string>& args) {
    std::ostringstream saida, erros;
    Saida r{ComandoLexaria().Executa(args, saida, erros, MINI_TEST_DB), {}};
    std::istringstream in(saida.str());
    for (std::string l; std::getline(in, l);) r.linhas.push_back(l);
    return r;
}

const std::vector<std::string> kTempos = {"Presente do Indicativo",
                                          "Pretérito Imperfeito do Indicativo",
                                          "Pretérito Perfeito",
                                          "Pretérito Mais-que-Perfeito",
                                          "Futuro do Presente",
                                          "Futuro do Pretérito",
                                          "Presente do Subjuntivo",
                                          "Pretérito Imperfeito do Subjuntivo",
                                          "Futuro do Subjuntivo",
                                          "Imperativo Afirmativo",
                                          "Infinitivo Pessoal",
                                          "Gerúndio",
                                          "Particípio"};

// The lines that follow a tense's name, up to the next name.
std::vector<std::string> Bloco(const std::vector<std::string>& linhas, const std::string& tempo) {
    auto it = std::find(linhas.begin(), linhas.end(), tempo);
    std::vector<std::string> r;
    if (it == linhas.end()) return r;
    for (++it; it != linhas.end() && std::find(kTempos.begin(), kTempos.end(), *it) == kTempos.end(); ++it)
        r.push_back(*it);
    return r;
}

}  // namespace

TEST(ComandoConjuga, TempoDepoisPessoaEForma) {
    const auto r = Roda({"conjuga", "amar"});
    ASSERT_EQ(r.codigo, 0);
    // Every tense in order, each name on its own line.
    std::vector<std::string> nomes;
    for (const auto& l : r.linhas)
        if (std::find(kTempos.begin(), kTempos.end(), l) != kTempos.end()) nomes.push_back(l);
    EXPECT_EQ(nomes, kTempos);
    EXPECT_EQ(Bloco(r.linhas, "Presente do Indicativo"),
              (std::vector<std::string>{"eu\tamo", "tu\tamas", "ele\tama", "nós\tamamos", "vós\tamais",
                                        "eles\tamam"}));
    EXPECT_EQ(Bloco(r.linhas, "Pretérito Perfeito").front(), "eu\tamei");
    EXPECT_EQ(Bloco(r.linhas, "Imperativo Afirmativo"),
              (std::vector<std::string>{"tu\tama", "ele\tame", "nós\tamemos", "vós\tamai", "eles\tamem"}));
    EXPECT_EQ(Bloco(r.linhas, "Gerúndio"), std::vector<std::string>{"amando"});
    EXPECT_EQ(Bloco(r.linhas, "Particípio"), std::vector<std::string>{"amado"});
    EXPECT_EQ(r.linhas.size(), 13u + 9 * 6 + 5 + 6 + 1 + 1);
}

TEST(ComandoConjuga, QualVerboSeConjuga) {
    const auto tabela = casos::Tabela("lexaria/conjuga.tsv");
    ASSERT_GE(tabela.size(), 9u);
    for (const auto& [n, c] : tabela) {
        const std::string onde = "conjuga.tsv:" + std::to_string(n) + " " + c[0];
        ASSERT_TRUE(c.size() == 4 || (c.size() == 2 && c[1] != "0")) << onde;
        const auto r = Roda({"conjuga", c[0]});
        EXPECT_EQ(std::to_string(r.codigo), c[1]) << onde;
        if (c.size() == 2) {
            EXPECT_TRUE(r.linhas.empty()) << onde;
            continue;
        }
        const auto presente = Bloco(r.linhas, "Presente do Indicativo");
        ASSERT_FALSE(presente.empty()) << onde;
        EXPECT_EQ(presente.front(), "eu\t" + c[2]) << onde;
        const auto participio = Bloco(r.linhas, "Particípio");
        ASSERT_FALSE(participio.empty()) << onde;
        EXPECT_EQ(participio.front(), c[3]) << onde;
    }
    // Double participle: both lines.
    EXPECT_EQ(Bloco(Roda({"conjuga", "aceitar"}).linhas, "Particípio"),
              (std::vector<std::string>{"aceitado", "aceito"}));
}

TEST(ComandoFlexoes, UmaFormaPorLinha) {
    const auto leao = Roda({"flexoes", "leão"});
    EXPECT_EQ(leao.codigo, 0);
    for (const char* f : {"leões", "leoa", "leoas"})
        EXPECT_NE(std::find(leao.linhas.begin(), leao.linhas.end(), f), leao.linhas.end()) << f;
    const auto fiz = Roda({"flexoes", "fiz"});
    EXPECT_EQ(fiz.codigo, 0);
    EXPECT_NE(std::find(fiz.linhas.begin(), fiz.linhas.end(), "fazer"), fiz.linhas.end());
    EXPECT_EQ(Roda({"flexoes", "xyzwq"}).codigo, 1);
    EXPECT_EQ(Roda({"flexoes", "lápis"}).codigo, 1);

    for (const auto& args :
         std::vector<std::vector<std::string>>{{"conjuga"}, {"flexoes"}, {"conjuga", "amar", "vender"}})
        EXPECT_EQ(Roda(args).codigo, 2) << args.size();
    std::ostringstream ajuda, erros;
    ComandoLexaria().Executa({"--help"}, ajuda, erros, MINI_TEST_DB);
    EXPECT_NE(ajuda.str().find("conjuga VERBO"), std::string::npos);
    EXPECT_NE(ajuda.str().find("flexoes PALAVRA"), std::string::npos);
}
