#include "PalavrasComuns.h"

#include "ImprimeQString.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PalavrasComuns, TabelaTemAs136PalavrasNaOrdem)
{
    CarregaPalavrasComuns();
    CarregaPalavrasComuns(); // a second load must not add the words again
    EXPECT_EQ(QuantidadePalavrasComuns(), 136);
    EXPECT_EQ(PalavraComum(1), u"&"_s);
    EXPECT_EQ(PalavraComum(7), u"AND"_s);
    EXPECT_EQ(PalavraComum(45), u"estão"_s);
    EXPECT_EQ(PalavraComum(70), u"z"_s);
    EXPECT_EQ(PalavraComum(113), u"y"_s);
    EXPECT_EQ(PalavraComum(114), u"b"_s);
    EXPECT_EQ(PalavraComum(136), u"x"_s);
    EXPECT_TRUE(PalavraComum(0).isEmpty());
    EXPECT_TRUE(PalavraComum(137).isEmpty());
    EXPECT_TRUE(PalavraComum(-1).isEmpty());
}

TEST(PalavrasComuns, ComparaEmMinusculasComAcentos)
{
    EXPECT_TRUE(EhPalavraComum(u"And"_s));
    EXPECT_TRUE(EhPalavraComum(u"and"_s));
    EXPECT_TRUE(EhPalavraComum(u"Estão"_s));
    EXPECT_TRUE(EhPalavraComum(u"ESTÃO"_s));
    EXPECT_FALSE(EhPalavraComum(u"estao"_s));
    // Words listed with capitals match in any case.
    EXPECT_TRUE(EhPalavraComum(u"between"_s));
    EXPECT_TRUE(EhPalavraComum(u"BY"_s));
    EXPECT_TRUE(EhPalavraComum(u"do"_s));
    // Punctuation and single letters are stop words, but "a" to "x" only.
    EXPECT_TRUE(EhPalavraComum(u","_s));
    EXPECT_TRUE(EhPalavraComum(u"&"_s));
    EXPECT_TRUE(EhPalavraComum(u"Q"_s));
    EXPECT_TRUE(EhPalavraComum(u"z"_s));
    EXPECT_FALSE(EhPalavraComum(u"é"_s));
    // Whole-word comparison only.
    EXPECT_FALSE(EhPalavraComum(u"casa"_s));
    EXPECT_FALSE(EhPalavraComum(u""_s));
    EXPECT_FALSE(EhPalavraComum(u" de"_s));
    EXPECT_FALSE(EhPalavraComum(u"dea"_s));
}
