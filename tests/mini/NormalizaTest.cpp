// The shared folding module: the viewer's comparison key, the engine's sort
// key, the spelling bridge and the UTF-8 handling under them.
#include <gtest/gtest.h>

#include "mini/Normaliza.h"

using namespace mini;

TEST(NormalizaPalavra, FoldsAccentsCaseAndSeparators) {
    EXPECT_EQ(NormalizaPalavra("Ação"), "acao");
    EXPECT_EQ(NormalizaPalavra("guarda-chuva"), "guardachuva");
    EXPECT_EQ(NormalizaPalavra("d'água"), "dagua");
    EXPECT_EQ(NormalizaPalavra("ÂNGULO"), "angulo");
    EXPECT_EQ(NormalizaPalavra(""), "");
    EXPECT_EQ(NormalizaPalavra("(-)"), "");
    EXPECT_EQ(NormalizaPalavra("  casa  "), "casa");
    // No-break space and U+0178 are homonym marks: dropped like blanks.
    EXPECT_EQ(NormalizaPalavra("casa\u00A02"), "casa2");
    EXPECT_EQ(NormalizaPalavra("casa\u01782"), "casa2");
    EXPECT_EQ(NormalizaPalavra("a.b:c?d!e*f~g\\h/i°j"), "abcdefghij");
}

TEST(NormalizaPalavra, KeepsTheTraditionalMapForLettersWithoutBase) {
    // The viewer's map sends "ñ", "ý" and "æ" to "-", which is then kept.
    EXPECT_EQ(NormalizaPalavra("España"), "espa-a");
    EXPECT_EQ(NormalizaPalavra("Abýdos"), "ab-dos");
    // Longer than the old 50-character buffer: nothing is cut.
    const std::string longa(120, 'x');
    EXPECT_EQ(NormalizaPalavra(longa), longa);
}

TEST(ChaveDobrada, FoldsEveryLatinLetterToItsBase) {
    EXPECT_EQ(ChaveDobrada("España"), "espana");
    EXPECT_EQ(ChaveDobrada("Abýdos"), "abydos");
    EXPECT_EQ(ChaveDobrada("Ærø"), "aero");
    EXPECT_EQ(ChaveDobrada("Œuvre"), "oeuvre");
    EXPECT_EQ(ChaveDobrada("têr"), "ter");
    EXPECT_EQ(ChaveDobrada("...aça"), "aca");
    EXPECT_EQ(ChaveDobrada("×÷"), "");
    EXPECT_EQ(ChaveDobradaMascara("*Ção?"), "*cao?");
}

TEST(ChaveOrtografica, JoinsThe1913SpellingToTodays) {
    auto mesma = [](const char* antiga, const char* nova) {
        EXPECT_EQ(ChaveOrtografica(ChaveDobrada(antiga)), ChaveOrtografica(ChaveDobrada(nova)))
            << antiga << " / " << nova;
    };
    mesma("pharmácia", "farmácia");
    mesma("effeito", "efeito");
    mesma("acção", "ação");
    mesma("óptimo", "ótimo");
    mesma("director", "diretor");
    mesma("theatro", "teatro");
    mesma("rheumatismo", "reumatismo");
    mesma("lyrio", "lírio");
    mesma("sciência", "ciência");
    mesma("excepção", "exceção");
    mesma("damno", "dano");
    mesma("baptismo", "batismo");
}

TEST(ChaveOrtografica, KeepsWhatTodaysSpellingStillTellsApart) {
    EXPECT_NE(ChaveOrtografica("carro"), ChaveOrtografica("caro"));
    EXPECT_NE(ChaveOrtografica("passo"), ChaveOrtografica("paso"));
    EXPECT_EQ(ChaveOrtografica("chave"), "chave");
    EXPECT_EQ(ChaveOrtografica("descer"), "descer");  // only a leading "sc" is simplified
    EXPECT_EQ(ChaveOrtografica("leem"), "leem");      // doubled vowels stay
    EXPECT_EQ(ChaveOrtografica(""), "");
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
    EXPECT_EQ(InverteUtf8("ação"), "oãça");
    EXPECT_EQ(MinusculasUtf8("ÁGUA Ÿ Š"), "água ÿ š");
}
