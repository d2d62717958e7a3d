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
