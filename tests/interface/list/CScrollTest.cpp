// Scroll bar arithmetic and mouse handling.
#include "CScroll.h"

#include "TemporizadorFalso.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

// A bar on a surface of the given height: arrows 16 high, thumb 25.
struct Barra {
    ImagemScroll barra{229, 30, 21, 25}, cima{229, 0, 21, 16}, baixo, fundo;
    TemporizadorFalso tempo;
    CScroll scroll;
    QList<qint32> scrolls, fins;

    explicit Barra(int altura) : baixo{229, double(altura - 16), 21, 16}, fundo{229, 0, 21, double(altura)}
    {
        scroll.Inicializa(&barra, &cima, &baixo, &fundo, &tempo);
        scroll.Eventos.Scroll = [this](qint32 v) { scrolls << v; };
        scroll.Eventos.EndScroll = [this](qint32 v) { fins << v; };
    }
};

} // namespace

TEST(CScroll, PosicaoDaBarra)
{
    // Surface 300 high: the thumb's top travels 284 - 16 - 25 = 243 pixels.
    Barra b(300);
    EXPECT_EQ(b.scroll.ValorMax(), 100);
    b.scroll.Valor(50);
    EXPECT_DOUBLE_EQ(b.barra.Top, 243 * 0.5 + 16);
    b.scroll.Valor(100);
    EXPECT_DOUBLE_EQ(b.barra.Top, 284 - 25);
    // A new maximum does not move the thumb; the page size places it again.
    b.scroll.Valor(40);
    b.scroll.ValorMax(200);
    EXPECT_DOUBLE_EQ(b.barra.Top, 243 * 0.4 + 16);
    b.scroll.TamPagina(25);
    EXPECT_DOUBLE_EQ(b.barra.Top, 243 * 0.2 + 16);
    EXPECT_TRUE(b.fins.isEmpty()); // writing the value raises nothing

    // Maximum 0: hidden right below the up arrow; nothing changes the value.
    b.scroll.ValorMax(0);
    b.scroll.Valor(0);
    EXPECT_FALSE(b.barra.Visible);
    EXPECT_DOUBLE_EQ(b.barra.Top, 16);
    for (int d : {1, -1}) {
        b.scroll.SetaPressiona(d);
        b.scroll.SetaSolta();
    }
    b.scroll.FundoPressiona(200);
    b.scroll.BarraPressiona(3);
    EXPECT_FALSE(b.scroll.Arrastando());
    EXPECT_EQ(b.scroll.Valor(), 0);
}

TEST(CScroll, CliqueNoFundo)
{
    Barra b(300);
    b.scroll.TamPagina(25);
    b.scroll.Valor(3);
    b.scroll.FundoPressiona(b.barra.Top - 1);
    EXPECT_EQ(b.scroll.Valor(), 0);
    b.scroll.Valor(90);
    b.scroll.FundoPressiona(b.barra.Top + 26);
    EXPECT_EQ(b.scroll.Valor(), 100);
    b.scroll.Valor(40);
    b.scroll.FundoPressiona(b.barra.Top + 26);
    EXPECT_EQ(b.scroll.Valor(), 65);
    EXPECT_DOUBLE_EQ(b.barra.Top, 243 * 0.65 + 16);
    b.scroll.FundoPressiona(b.barra.Top + 10); // on the thumb: nothing
    EXPECT_EQ(b.fins, QList<qint32>({0, 100, 65}));
}

TEST(CScroll, Setas)
{
    Barra b(300);
    b.scroll.ValorMax(5);
    // A short click: one step, and the release ends the wait.
    b.scroll.SetaPressiona(1);
    EXPECT_EQ(b.tempo.atraso, 500);
    b.scroll.SetaSolta();
    EXPECT_FALSE(b.tempo.Dispara());
    EXPECT_EQ(b.scroll.Valor(), 1);
    // Held: after the wait, a step per turn, up to the maximum.
    b.scroll.SetaPressiona(1);
    EXPECT_TRUE(b.tempo.Dispara());
    EXPECT_EQ(b.tempo.atraso, 0);
    while (b.tempo.Dispara()) { }
    EXPECT_EQ(b.fins, QList<qint32>({1, 2, 3, 4, 5}));
    b.scroll.SetaSolta();
    // The up arrow, released after one repeat.
    b.scroll.SetaPressiona(-1);
    b.tempo.Dispara();
    b.scroll.SetaSolta();
    EXPECT_FALSE(b.tempo.Dispara());
    EXPECT_EQ(b.scroll.Valor(), 3);
    // A double click is one more step; the bounds hold.
    b.scroll.SetaDuploClique(-1);
    EXPECT_EQ(b.scroll.Valor(), 2);
    b.scroll.Valor(0);
    b.scroll.SetaDuploClique(-1);
    b.scroll.SetaPressiona(-1);
    EXPECT_EQ(b.scroll.Valor(), 0);
}

TEST(CScroll, ArrastarBarra)
{
    // Surface 257 high: 200 pixels of travel, two pixels per value.
    Barra b(257);
    b.scroll.Valor(0);
    b.scroll.BarraPressiona(5);
    b.scroll.BarraMove(15); // 10 pixels down: top 26, value 5
    EXPECT_DOUBLE_EQ(b.barra.Top, 26);
    b.scroll.BarraMove(0); // top 21: 2.5 goes to even, 2
    b.scroll.BarraMove(7); // top 23: 3.5 goes to even, 4
    b.scroll.BarraMove(5.2); // same value: no event
    EXPECT_EQ(b.scrolls, QList<qint32>({5, 2, 4}));
    // Past the down arrow: stops above it, at the maximum; and back up.
    b.scroll.BarraMove(5000);
    EXPECT_DOUBLE_EQ(b.barra.Top, 241 - 25);
    EXPECT_EQ(b.scroll.Valor(), 100);
    b.scroll.BarraMove(-5000);
    EXPECT_DOUBLE_EQ(b.barra.Top, 16);
    EXPECT_TRUE(b.fins.isEmpty());
    b.scroll.BarraSolta();
    EXPECT_EQ(b.fins, QList<qint32>({0}));
    b.scroll.BarraMove(50);
    EXPECT_EQ(b.scroll.Valor(), 0);
}
