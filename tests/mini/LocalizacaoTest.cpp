// Ordering, ids and finding a headword, on the real dictionary.
#include "MotorTeste.h"
#include "mini/Normaliza.h"

using Localizacao = MotorReal;

TEST_F(Localizacao, IdsFollowTheFoldedOrderAndLettersAreConsecutive) {
    std::string lista;
    M().LimiteResultados(300);
    for (std::string letra : {"a", "b", "k", "x", "z"}) {
        const int32_t primeiro = M().LocalizaPalavra(letra);
        const int32_t total = M().PesquisaMascara(letra + "*", lista, 1);
        ASSERT_GT(total, 0) << letra;
        // The entry before the letter and the one after it are of other letters.
        if (primeiro > 0) {
            EXPECT_NE(mini::ChaveDobrada(Titulo(primeiro - 1)).substr(0, 1), letra);
        }
        EXPECT_EQ(mini::ChaveDobrada(Titulo(primeiro)).substr(0, 1), letra);
        EXPECT_EQ(mini::ChaveDobrada(Titulo(primeiro + total - 1)).substr(0, 1), letra);
        std::string depois = Titulo(primeiro + total);
        if (!depois.empty()) {
            EXPECT_NE(mini::ChaveDobrada(depois).substr(0, 1), letra);
        }
        // Chunks of the letter list carry consecutive ids.
        int32_t cursor = 0;
        int32_t esperado = primeiro;
        while ((cursor = M().ObtemResultados(1, cursor, lista)) >= 0 && esperado <= primeiro + total)
            for (const auto& p : LePares(lista)) EXPECT_EQ(p.id, esperado++);
        EXPECT_EQ(esperado, primeiro + total);
    }
    // Folded keys never go down along the ids.
    std::string anterior;
    for (int32_t id = 0; id < 128524; id += 37) {
        const std::string k = mini::ChaveDobrada(Titulo(id));
        EXPECT_LE(anterior, k) << id;
        anterior = k;
    }
}

TEST_F(Localizacao, FindsTheFirstHeadwordBeginningWithTheText) {
    EXPECT_EQ(Titulo(M().LocalizaPalavra("casamento")), "casamento");
    EXPECT_TRUE(Titulo(M().LocalizaPalavra("casament")).starts_with("casament"));
    EXPECT_LT(M().LocalizaPalavra("casamentx"), 0);
    EXPECT_LT(M().LocalizaPalavra(""), 0);
    EXPECT_LT(M().LocalizaPalavra("   "), 0);
    // Case and accents do not matter; an exact headword wins over a longer one.
    EXPECT_EQ(M().LocalizaPalavra("CASA"), M().LocalizaPalavra("casa"));
    EXPECT_TRUE(Titulo(M().LocalizaPalavra("água")).starts_with("água"));
    // Homonyms: the first of them.
    EXPECT_EQ(Titulo(M().LocalizaPalavra("a")), "a\u00A01");
}

TEST_F(Localizacao, BridgesTodaysSpellingToThe1913One) {
    const std::pair<const char*, const char*> casos[] = {{"ação", "acção"},       {"ótimo", "óptimo"},
                                                         {"diretor", "director"}, {"ter", "têr"},
                                                         {"batismo", "baptismo"}, {"exceção", "excepção"}};
    for (auto [hoje, antiga] : casos) {
        EXPECT_EQ(Titulo(M().LocalizaPalavra(hoje)), antiga) << hoje;
    }
    // Where the data has both spellings, the reader's own one wins.
    EXPECT_EQ(Titulo(M().LocalizaPalavra("efeito")), "efeito");
    EXPECT_EQ(Titulo(M().LocalizaPalavra("effeito")), "effeito");
    EXPECT_EQ(Titulo(M().LocalizaPalavra("pharmácia")), "pharmácia");
    // A beginning typed in today's spelling still finds the old word.
    EXPECT_EQ(Titulo(M().LocalizaPalavra("batism")).substr(0, 6), "baptis");
    // A single letter is never bridged to another letter.
    EXPECT_EQ(mini::ChaveDobrada(Titulo(M().LocalizaPalavra("y"))).substr(0, 1), "y");
}

TEST_F(Localizacao, WordSearchGivesEveryHomonymThenTheOtherSpelling) {
    std::string lista;
    const int32_t n = M().PesquisaPalavra("a", 0, lista);
    auto pares = LePares(lista);
    ASSERT_GE(n, 2);
    EXPECT_EQ(pares[0].palavra, "a\u00A01");
    EXPECT_EQ(pares[1].palavra, "a\u00A02");
    EXPECT_EQ(M().ObtemTotalResultados(), n);

    EXPECT_GE(M().PesquisaPalavra("Efeito", 0, lista), 2);
    pares = LePares(lista);
    EXPECT_EQ(pares.front().palavra, "efeito");
    bool temAntiga = false;
    for (const auto& p : pares) temAntiga |= p.palavra == "effeito";
    EXPECT_TRUE(temAntiga);

    EXPECT_EQ(M().PesquisaPalavra("xyzwq", 0, lista), 0);
    EXPECT_EQ(lista, "");
    EXPECT_EQ(M().ObtemTotalResultados(), 0);
}
