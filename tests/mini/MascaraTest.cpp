#include <gtest/gtest.h>

#include "Mascara.h"

using mini::Mascara;

TEST(Mascara, StarsAndQuestionMarks) {
    EXPECT_TRUE(Mascara("des*ar").Casa("desandar"));
    EXPECT_TRUE(Mascara("des*ar").Casa("desar"));
    EXPECT_FALSE(Mascara("des*ar").Casa("desandara"));
    EXPECT_TRUE(Mascara("*cao").Casa("accao"));
    EXPECT_FALSE(Mascara("*cao").Casa("cacaos"));
    EXPECT_TRUE(Mascara("c?sa").Casa("casa"));
    EXPECT_FALSE(Mascara("c?sa").Casa("csa"));
    EXPECT_TRUE(Mascara("*").Casa(""));
    EXPECT_TRUE(Mascara("a*b*c").Casa("aXbYbZc"));
    EXPECT_FALSE(Mascara("a*b*c").Casa("aXcYb"));
    EXPECT_TRUE(Mascara("casa").Casa("casa"));
    EXPECT_FALSE(Mascara("casa").Casa("casas"));
}

TEST(Mascara, QuestionMarkTakesAWholeCharacter) {
    EXPECT_TRUE(Mascara("p?r").Casa("pôr"));
    EXPECT_FALSE(Mascara("p??r").Casa("pôr"));
    EXPECT_TRUE(Mascara("*ã?").Casa("mão"));
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
