// Masks: which words they match (tests/data/mascara.tsv), their literal
// prefix, minimum length and collapsed stars.
#include <gtest/gtest.h>

#include "ArquivoCasos.h"
#include "Mascara.h"

using mini::Mascara;

TEST(Mascara, TabelaDeMascaras) {
    const auto tabela = casos::Tabela("mascara.tsv");
    ASSERT_GE(tabela.size(), 15u);
    for (const auto& [linha, c] : tabela) {
        ASSERT_TRUE(c.size() == 3 && (c[2] == "sim" || c[2] == "não")) << "mascara.tsv:" << linha;
        EXPECT_EQ(Mascara(c[0]).Casa(c[1]), c[2] == "sim")
            << "mascara.tsv:" << linha << " " << c[0] << " " << c[1];
    }
}

TEST(Mascara, PrefixMinimumAndCollapsedStars) {
    Mascara m("abc***d?e");
    EXPECT_EQ(m.PrefixoLiteral(), "abc");
    EXPECT_EQ(m.padrao(), "abc*d?e");
    EXPECT_EQ(m.MinimoCaracteres(), 6u);
    EXPECT_TRUE(m.TemCuringa());
    EXPECT_FALSE(Mascara("casa").TemCuringa());
    EXPECT_EQ(Mascara("*x").PrefixoLiteral(), "");
    // A pattern of a hundred thousand stars is one star and stays fast.
    Mascara estrelas(std::string(100000, '*') + "x");
    EXPECT_EQ(estrelas.padrao(), "*x");
    EXPECT_TRUE(estrelas.Casa("abcx"));
}

TEST(Mascara, TransformsOnlyTheLiteralRuns) {
    auto maiusculas = [](std::string_view s) {
        std::string r(s);
        for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return r;
    };
    EXPECT_EQ(Mascara::TransformaSegmentos("ab*cd?e", maiusculas), "AB*CD?E");
    EXPECT_EQ(Mascara::TransformaSegmentos("*", maiusculas), "*");
    EXPECT_EQ(Mascara::TransformaSegmentos("", maiusculas), "");
}
