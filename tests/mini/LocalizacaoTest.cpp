// Ordering, ids and finding a headword (tests/data/localiza.tsv), on the
// real dictionary.
#include "ArquivoCasos.h"
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
    const auto tabela = casos::Tabela("localiza.tsv");
    ASSERT_GE(tabela.size(), 15u);
    for (const auto& [linha, c] : tabela) {
        ASSERT_GE(c.size(), 2u) << "localiza.tsv:" << linha;
        const int32_t id = M().LocalizaPalavra(c[0]);
        const std::string onde = "localiza.tsv:" + std::to_string(linha) + " " + c[0];
        if (c[1] == "-") {
            EXPECT_LT(id, 0) << onde;
        } else if (c.size() > 2 && c[2] == "começa") {
            EXPECT_TRUE(Titulo(id).starts_with(c[1])) << onde << ": " << Titulo(id);
        } else {
            EXPECT_EQ(Titulo(id), c[1]) << onde;
        }
    }
    EXPECT_LT(M().LocalizaPalavra("   "), 0);
    // Case and accents do not matter.
    EXPECT_EQ(M().LocalizaPalavra("CASA"), M().LocalizaPalavra("casa"));
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
