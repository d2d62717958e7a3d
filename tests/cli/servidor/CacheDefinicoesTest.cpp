// The entries the server keeps for words lately defined: what is kept comes
// back for the same word only, the bound holds with the least lately asked
// words leaving first, and a session answers from kept entries exactly as it
// answers with none kept, with and without MIME headers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "CacheDefinicoes.h"
#include "ContextoDict.h"
#include "IndicePalavras.h"
#include "ReservaMotores.h"
#include "SessaoDict.h"

namespace {

std::shared_ptr<const CacheDefinicoes::Verbetes> Um(const std::string& palavra, size_t tamanhoTexto) {
    return std::make_shared<const CacheDefinicoes::Verbetes>(
        CacheDefinicoes::Verbetes{{1, palavra, std::string(tamanhoTexto, 'x')}});
}

TEST(CacheDefinicoes, KeepsWordsApartAndWithinItsBound) {
    CacheDefinicoes cache(10'000);
    EXPECT_EQ(cache.Procura("casa"), nullptr);
    const auto casa = Um("casa", 100);
    cache.Guarda("casa", casa);
    EXPECT_EQ(cache.Procura("casa"), casa);
    // The key is the word as asked: another case or accent is another word.
    EXPECT_EQ(cache.Procura("Casa"), nullptr);
    EXPECT_EQ(cache.Procura("casá"), nullptr);
    EXPECT_EQ(cache.Procura("cas"), nullptr);

    // A word with no entries is kept too, as an empty list.
    cache.Guarda("xyzwq", std::make_shared<const CacheDefinicoes::Verbetes>());
    ASSERT_NE(cache.Procura("xyzwq"), nullptr);
    EXPECT_TRUE(cache.Procura("xyzwq")->empty());

    // Keeping a word again changes nothing.
    const size_t antes = cache.bytes();
    cache.Guarda("casa", Um("casa", 100));
    EXPECT_EQ(cache.bytes(), antes);
    EXPECT_EQ(cache.Procura("casa"), casa);
    EXPECT_EQ(cache.palavras(), 2u);

    // Too big on its own: not kept, and nothing else is pushed out for it.
    cache.Guarda("enorme", Um("enorme", 20'000));
    EXPECT_EQ(cache.Procura("enorme"), nullptr);
    EXPECT_EQ(cache.palavras(), 2u);

    // Filling past the bound: "casa", asked just now, stays; the word asked
    // least lately goes first.
    for (int i = 0; i < 40; ++i) {
        cache.Procura("casa");
        cache.Guarda("p" + std::to_string(i), Um("p", 1'000));
        EXPECT_LE(cache.bytes(), 10'000u);
    }
    EXPECT_EQ(cache.Procura("casa"), casa);
    EXPECT_EQ(cache.Procura("xyzwq"), nullptr);
    EXPECT_EQ(cache.Procura("p0"), nullptr);
    EXPECT_NE(cache.Procura("p39"), nullptr);
}

TEST(CacheDefinicoes, ThreadsAtOnceKeepTheBound) {
    CacheDefinicoes cache(50'000);
    std::vector<std::thread> threads;
    std::vector<int> errados(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 2'000; ++i) {
                const std::string palavra = "w" + std::to_string((i * 7 + t) % 300);
                if (auto v = cache.Procura(palavra)) {
                    errados[static_cast<size_t>(t)] += v->front().palavra != palavra;
                } else {
                    cache.Guarda(palavra, Um(palavra, 500));
                }
            }
        });
    }
    for (auto& t : threads) t.join();
    for (int e : errados) EXPECT_EQ(e, 0);
    EXPECT_LE(cache.bytes(), 50'000u);
    EXPECT_GT(cache.palavras(), 0u);
}

// A session over the test database, with a context of its own.
struct Servico {
    ReservaMotores motores{MINI_TEST_DB, 1};
    std::unique_ptr<IndicePalavras> indice;
    std::unique_ptr<ContextoDict> contexto;
    Servico() {
        EXPECT_TRUE(motores.Abre());
        auto motor = motores.Empresta();
        indice = std::make_unique<IndicePalavras>(*motor);
        contexto.reset(new ContextoDict{*indice, motores, "d", "i", "h"});
    }
};

TEST(CacheDefinicoes, KeptEntriesGiveTheRepliesOfFreshOnes) {
    const std::vector<std::string> comandos = {
        "DEFINE minilexaria casa",  "DEFINE * casas",   "DEFINE ! fiz",  "DEFINE minilexaria pharmacia",
        "DEFINE * farmácia",        "DEFINE * efeito",  "DEFINE * pôr",  "DEFINE * por",
        "DEFINE minilexaria xyzwq", "DEFINE * \"a b\"", "DEFINE * Casa", "DEFINE * tenho",
    };
    Servico quente;
    for (const bool mime : {false, true}) {
        SessaoDict repetida(*quente.contexto);
        if (mime) {
            ASSERT_EQ(repetida.Responde("OPTION MIME"), "250 ok\r\n");
        }
        for (int rodada = 0; rodada < 2; ++rodada) {
            // Every word differs, so each is made anew in a fresh context.
            Servico fresco;
            SessaoDict nova(*fresco.contexto);
            if (mime) nova.Responde("OPTION MIME");
            for (const auto& comando : comandos)
                EXPECT_EQ(repetida.Responde(comando), nova.Responde(comando))
                    << comando << (mime ? " (mime)" : "") << ", rodada " << rodada;
        }
    }
    EXPECT_GT(quente.contexto->definicoes.palavras(), 0u);
}

}  // namespace
