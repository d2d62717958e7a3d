// The shared folding module: the viewer's comparison key, the engine's sort
// key, the spelling bridge and the UTF-8 handling under them. Words and what
// they fold to are in tests/data/normaliza.tsv.
#include <gtest/gtest.h>

#include <map>

#include "ArquivoCasos.h"
#include "mini/Normaliza.h"

using namespace mini;

namespace {

std::string Ortografica(const std::string& p) { return ChaveOrtografica(ChaveDobrada(p)); }

}  // namespace

TEST(Normaliza, TabelaDePalavras) {
    const std::map<std::string, std::string (*)(std::string_view)> funcoes = {
        {"NormalizaPalavra", NormalizaPalavra},       {"ChaveDobrada", ChaveDobrada},
        {"ChaveDobradaMascara", ChaveDobradaMascara}, {"ChaveOrtografica", ChaveOrtografica},
        {"MinusculasUtf8", MinusculasUtf8},           {"InverteUtf8", InverteUtf8}};
    const auto tabela = casos::Tabela("normaliza.tsv");
    ASSERT_GE(tabela.size(), 35u);
    for (const auto& [linha, c] : tabela) {
        ASSERT_EQ(c.size(), 3u) << "normaliza.tsv:" << linha;
        const std::string onde = "normaliza.tsv:" + std::to_string(linha) + " " + c[1];
        if (c[0] == "mesma-grafia") {
            EXPECT_EQ(Ortografica(c[1]), Ortografica(c[2])) << onde;
        } else if (c[0] == "outra-grafia") {
            EXPECT_NE(Ortografica(c[1]), Ortografica(c[2])) << onde;
        } else {
            const auto f = funcoes.find(c[0]);
            ASSERT_NE(f, funcoes.end()) << onde;
            EXPECT_EQ(f->second(c[1]), c[2]) << onde;
        }
    }
}

TEST(Normaliza, BrancosEPalavrasLongas) {
    EXPECT_EQ(NormalizaPalavra("  casa  "), "casa");
    // Longer than the old 50-character buffer: nothing is cut.
    const std::string longa(120, 'x');
    EXPECT_EQ(NormalizaPalavra(longa), longa);
}

TEST(Utf8, InvalidBytesReadAsWindows1252) {
    EXPECT_EQ(DecodificaUtf8("a\xE7\xE3o"), U"a\u00E7\u00E3o");
    EXPECT_EQ(DecodificaUtf8("\x93x\x94"), U"\u201Cx\u201D");
    EXPECT_EQ(DecodificaUtf8("\xC3"), U"\u00C3");                      // cut sequence
    EXPECT_EQ(DecodificaUtf8("\xED\xA0\x80"), U"\u00ED\u00A0\u20AC");  // surrogate refused
    EXPECT_EQ(DecodificaUtf8("\xC0\xAF"), U"\u00C0\u00AF");            // overlong refused
    EXPECT_EQ(NormalizaPalavra("A\xE7\xE3o"), "acao");
    const std::u32string todos = U"a\u00E9\u20AC\U0001F600";
    EXPECT_EQ(DecodificaUtf8(CodificaUtf8(todos)), todos);
}
