#include "TabelaChaves.h"

#include "mini/ChaveVerbete.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A generator that notes every position it is asked for; the values are
// negative so a lost sign would show.
struct GeradorContado {
    std::vector<int> pedidas;
    TabelaChaves::Gerador gerador()
    {
        return [this](int posicao) {
            pedidas.push_back(posicao);
            return static_cast<qint16>(-posicao);
        };
    }
};

} // namespace

TEST(TabelaChaves, PosicaoDoId)
{
    EXPECT_EQ(TabelaChaves::posicao(0), 1);
    EXPECT_EQ(TabelaChaves::posicao(1), 2);
    EXPECT_EQ(TabelaChaves::posicao(2999), 3000);
    EXPECT_EQ(TabelaChaves::posicao(3000), 1);
    EXPECT_EQ(TabelaChaves::posicao(5999), 3000);
    EXPECT_EQ(TabelaChaves::posicao(6001), 2);
    // 2147483647 = 715827 * 3000 + 2647
    EXPECT_EQ(TabelaChaves::posicao(INT_MAX), 2648);
    // No entry has a negative id: no position, never an index out of range.
    EXPECT_EQ(TabelaChaves::posicao(-1), 0);
    EXPECT_EQ(TabelaChaves::posicao(-3000), 0);
    EXPECT_EQ(TabelaChaves::posicao(INT_MIN), 0);
}

TEST(TabelaChaves, PreenchidaUmaSoVezNasPosicoes1a3000)
{
    GeradorContado contado;
    TabelaChaves tabela(contado.gerador());
    EXPECT_FALSE(tabela.preenchida());
    EXPECT_TRUE(contado.pedidas.empty());

    tabela.Preenche();
    EXPECT_TRUE(tabela.preenchida());
    ASSERT_EQ(contado.pedidas.size(), 3000u);
    for (int p = 1; p <= 3000; ++p)
        EXPECT_EQ(contado.pedidas[static_cast<size_t>(p - 1)], p);

    tabela.Preenche();
    EXPECT_EQ(contado.pedidas.size(), 3000u);
    EXPECT_EQ(tabela.valor(1), -1);
    EXPECT_EQ(contado.pedidas.size(), 3000u);
}

TEST(TabelaChaves, LeituraAntesDePreencherPreenche)
{
    GeradorContado contado;
    TabelaChaves tabela(contado.gerador());
    EXPECT_EQ(tabela.chave(4), -5);
    EXPECT_TRUE(tabela.preenchida());
    EXPECT_EQ(contado.pedidas.size(), 3000u);
}

TEST(TabelaChaves, ChaveDoId)
{
    GeradorContado contado;
    TabelaChaves tabela(contado.gerador());
    tabela.Preenche();
    EXPECT_EQ(tabela.valor(1), -1);
    EXPECT_EQ(tabela.valor(3000), -3000);
    EXPECT_EQ(tabela.valor(0), 0);
    EXPECT_EQ(tabela.valor(3001), 0);
    EXPECT_EQ(tabela.valor(-5), 0);

    EXPECT_EQ(tabela.chave(0), -1);
    EXPECT_EQ(tabela.chave(2999), -3000);
    EXPECT_EQ(tabela.chave(3000), -1);
    EXPECT_EQ(tabela.chave(128523), -(128523 % 3000 + 1));
    EXPECT_EQ(tabela.chave(-1), 0);
    EXPECT_EQ(tabela.chave(INT_MIN), 0);
}

TEST(TabelaChaves, TabelaGlobalUsaOGeradorDoMotor)
{
    TabelaChaves& global = TabelaChaves::global();
    EXPECT_EQ(&global, &TabelaChaves::global());
    global.Preenche();
    for (int p = 1; p <= 3000; ++p)
        EXPECT_EQ(global.valor(p), mini::ValorChaveVerbete(p)) << p;
    // The engine checks a fetch with its own position rule; ours must agree.
    for (qint32 id : {0, 1, 2999, 3000, 3001, 64000, 128523, INT_MAX})
        EXPECT_EQ(TabelaChaves::posicao(id), mini::PosicaoChave(id)) << id;

    // An empty generator falls back to the engine's.
    TabelaChaves semGerador{TabelaChaves::Gerador{}};
    EXPECT_EQ(semGerador.valor(17), mini::ValorChaveVerbete(17));
}
