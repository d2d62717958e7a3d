// Selection, keys, mouse, drawing and the scroll bar of a loaded list.
#include "ListaTeste.h"

#include <gtest/gtest.h>

using Tipo = SuperficieFalsa::Tipo;

namespace {
constexpr int kAbaixo = 40, kAcima = 38, kPaginaAbaixo = 34, kPaginaAcima = 33, kEnter = 13;
}

TEST(CListInteracao, TeclasESelecao)
{
    ListaTeste t("a");
    t.lista.TrataTecla(kAcima);
    EXPECT_EQ(t.lista.Selecionado(), 0);
    t.lista.TrataTecla(kAbaixo);
    // Rows 0 to 25 are visible; row 26 scrolls by one.
    t.lista.TrataTecla(kPaginaAbaixo);
    EXPECT_EQ(t.lista.Selecionado(), 26);
    EXPECT_EQ(t.lista.Topo(), 1);
    t.lista.TrataTecla(kPaginaAcima);
    EXPECT_EQ(t.lista.Topo(), 1);
    t.lista.TrataTecla(kAcima);
    EXPECT_EQ(t.lista.Topo(), 0);
    t.lista.TrataTecla(kPaginaAcima);
    EXPECT_EQ(t.lista.Selecionado(), 0);

    // Half a page is 12.5 rows; halves round to even.
    t.lista.SelecionaItem(1020);
    EXPECT_EQ(t.lista.Topo(), 8);
    t.lista.SelecionaItem(1019);
    EXPECT_EQ(t.lista.Topo(), 6);
    t.lista.SelecionaItem(1012);
    EXPECT_EQ(t.lista.Topo(), 0);
    t.lista.SelecionaItem(500);
    EXPECT_EQ(t.lista.Selecionado(), 0);

    t.lista.SelecionaItem(1990);
    EXPECT_EQ(t.lista.Topo(), 974);
    t.lista.TrataTecla(kPaginaAbaixo);
    t.lista.TrataTecla(kAbaixo);
    t.lista.TrataTecla(65); // not a list key
    EXPECT_EQ(t.lista.Selecionado(), 999);
    EXPECT_TRUE(t.selecoes.isEmpty());
    t.lista.TrataTecla(kEnter);
    EXPECT_EQ(t.selecoes, (QList<std::pair<QString, qint32>>{{"a0999", 1999}}));

    ListaTeste vazia;
    for (int tecla : {kAbaixo, kPaginaAcima, kEnter})
        vazia.lista.TrataTecla(tecla);
    EXPECT_EQ(vazia.lista.Selecionado(), -1);
    EXPECT_TRUE(vazia.selecoes.isEmpty());
}

TEST(CListInteracao, Mouse)
{
    ListaTeste t("c");
    t.lista.MousePressiona(100, ListaTeste::YDaLinha(3), 1);
    EXPECT_EQ(t.lista.Selecionado(), 3);
    t.lista.MousePressiona(100, 24, 1); // rows count from y = 10: still row 0
    EXPECT_EQ(t.lista.Selecionado(), 0);
    t.lista.MousePressiona(100, ListaTeste::YDaLinha(10), 1); // below the last row
    EXPECT_EQ(t.lista.Selecionado(), 4);
    t.lista.DesmarcaLista();
    EXPECT_FALSE(t.Buffer().DoTipo(Tipo::Caixa).last().cheia);
    // A press on the outlined selection fills it again.
    t.lista.MousePressiona(100, ListaTeste::YDaLinha(4), 1);
    EXPECT_TRUE(t.Buffer().DoTipo(Tipo::Caixa).last().cheia);

    // A left click opens the row; the right button only selects.
    t.lista.MouseSolta(100, ListaTeste::YDaLinha(4), 1);
    t.lista.MousePressiona(100, ListaTeste::YDaLinha(2), 2);
    t.lista.MouseSolta(100, ListaTeste::YDaLinha(2), 2);
    t.lista.MouseDuploClique(100, ListaTeste::YDaLinha(2), 1);
    EXPECT_EQ(t.selecoes, (QList<std::pair<QString, qint32>>{{"c0004", 2504}, {"c0002", 2502}}));

    // One word: the click opens it, the double click does not.
    ListaTeste um("z");
    um.lista.MousePressiona(100, 12, 1);
    um.lista.MouseSolta(100, 12, 1);
    um.lista.MouseDuploClique(100, 12, 1);
    EXPECT_EQ(um.selecoes.size(), 1);

    // Nothing selected, a press above the first row: the first row.
    t.lista.IniciaBusca();
    t.lista.PreparaResultados(3);
    t.lista.MousePressiona(100, 3, 1);
    EXPECT_EQ(t.lista.Selecionado(), 0);

    // Once drawn filled, the outline mark is gone for good.
    ListaTeste d("c");
    d.lista.DesmarcaLista();
    d.lista.MousePressiona(100, ListaTeste::YDaLinha(2), 1);
    d.lista.TrataTecla(kAcima);
    d.lista.TrataTecla(kAcima);
    EXPECT_TRUE(d.Buffer().DoTipo(Tipo::Caixa).last().cheia);

    ListaTeste vazia;
    vazia.lista.MousePressiona(100, 50, 1);
    vazia.lista.MouseSolta(100, 50, 1);
    EXPECT_TRUE(vazia.selecoes.isEmpty());
}

TEST(CListInteracao, Desenho)
{
    ListaTeste t("m");
    t.Limpa();
    t.lista.Desenha();
    // A homonym number follows a blank, 2.5 points smaller, on the same line
    // right after the word ("manga": 5 letters of 7.5 pixels).
    EXPECT_EQ(t.Buffer().Textos(), QStringList({"mal", "manga", " 1", "manga", " 2", "mano", " 3"}));
    const auto textos = t.Buffer().DoTipo(Tipo::Texto);
    EXPECT_EQ(QPointF(textos[0].x, textos[0].y), QPointF(20, 6));
    EXPECT_EQ(QPointF(textos[2].x, textos[2].y), QPointF(20 + 5 * 7.5, 21));
    EXPECT_EQ(textos[2].tamanho, 5.0);
    EXPECT_EQ(textos[5].y, 51);
    EXPECT_EQ(textos[6].cor, QColor(12, 102, 154));
    const auto caixas = t.Buffer().DoTipo(Tipo::Caixa);
    ASSERT_EQ(caixas.size(), 1);
    EXPECT_EQ(caixas[0].area, QRectF(15, 6, 213, 15));
    EXPECT_EQ(caixas[0].cor, QColor(255, 206, 29));
    EXPECT_TRUE(caixas[0].cheia);
    // Four words fit: no thumb, only the arrows, over a cleared strip.
    const auto bitmaps = t.Buffer().DoTipo(Tipo::Bitmap);
    ASSERT_EQ(bitmaps.size(), 2);
    EXPECT_EQ(bitmaps[0].id, 102);
    EXPECT_EQ(bitmaps[1].destino, QPoint(229, 384));
    EXPECT_EQ(t.Buffer().DoTipo(Tipo::LimpaArea)[0].area, QRectF(230, 0, 20, 400));
    EXPECT_EQ(t.fundo.DoTipo(Tipo::Copia).size(), 1);

    // Only the visible rows; rows not loaded yet are blank.
    ListaTeste longa;
    longa.lista.ListaLetra("a", 1500);
    longa.lista.CarregaListaLetra(); // 488..787
    longa.lista.SelecionaItem(1490); // top 477.5, to even: 478
    longa.Limpa();
    longa.lista.Desenha();
    const QStringList vistos = longa.Buffer().Textos();
    EXPECT_EQ(vistos.size(), 26);
    EXPECT_EQ(vistos.count(""), 10);
    EXPECT_EQ(vistos.last(), "a0503");
}

TEST(CListInteracao, RedimensionarEFonte)
{
    ListaTeste t("a");
    t.lista.SelecionaItem(1990); // top 974
    t.fundo.altura = 200;
    t.fundo.ouvinte->Redimensionada();
    EXPECT_EQ(t.lista.Capacidade(), 11); // 200 / 15 = 13 rows, less 2
    EXPECT_EQ(t.lista.Scroll().TamPagina(), 11);
    EXPECT_EQ(t.lista.Scroll().ValorMax(), 988);
    EXPECT_EQ(t.lista.Topo(), 974);
    EXPECT_EQ(QSize(t.Buffer().largura, t.Buffer().altura), QSize(260, 210));
    EXPECT_EQ(t.lista.ImagemSetaBaixo().Top, 184);
    // Taller: the top row comes down so the last page stays full.
    t.fundo.altura = 600;
    t.lista.Redimensionada();
    EXPECT_EQ(t.lista.Topo(), 999 - 38);
    // 9 points: 18-pixel rows; other codes keep the size.
    t.fundo.altura = 400;
    t.lista.AlteraFonte(1);
    EXPECT_EQ(t.lista.Capacidade(), 20);
    t.lista.AlteraFonte(7);
    EXPECT_EQ(t.lista.TamanhoFonte(), 9.0);

    ListaTeste c("c");
    c.lista.Redimensionada();
    EXPECT_EQ(c.lista.Linhas(), 4);
    // An empty list after a resize has -1 rows and a pointer hint spot.
    ListaTeste vazia;
    vazia.lista.Redimensionada();
    EXPECT_EQ(vazia.lista.Linhas(), -1);
    vazia.lista.MouseMove(120, 60, 0);
    EXPECT_EQ(vazia.fundo.ponteiro, Ponteiro::Personalizado);
    vazia.lista.MouseMove(120, 70, 0);
    EXPECT_EQ(vazia.fundo.ponteiro, Ponteiro::Padrao);
}

TEST(CListInteracao, ArrastarBarraComPrevia)
{
    ListaTeste t;
    t.lista.ListaLetra("a", 1500);
    t.lista.CarregaListaLetra(); // words 488..787 only
    t.fundo.ponteiroY = 300;
    // Thumb travel: 384 - 16 - 25 = 343 pixels for values 0..974.
    const double topo = t.lista.ImagemBarra().Top;
    t.Limpa();
    t.lista.MousePressiona(235, topo + 5, 1);
    t.lista.MouseMove(235, topo + 6, 1);
    // One pixel is 974 / 343 = 2.84 values: 490.84 rounds to 491.
    EXPECT_EQ(t.lista.Topo(), 491);
    EXPECT_TRUE(t.tip.visivel);
    EXPECT_EQ(t.tip.texto, "a0491");
    EXPECT_EQ(QPoint(t.tip.esquerda, t.tip.topo), QPoint(200 + 250 - 8, 300 - 16));
    // Only the bar's strip is redrawn and copied.
    EXPECT_TRUE(t.Buffer().Textos().isEmpty());
    ASSERT_EQ(t.fundo.ops.size(), 1);
    EXPECT_EQ(t.fundo.ops[0].origem, QRect(230, 0, 20, 400));

    t.lista.MouseMove(235, 380, 1); // into a part not loaded yet
    EXPECT_EQ(t.lista.Topo(), 974);
    EXPECT_EQ(t.tip.texto, "Carregando...");
    t.lista.MouseSolta(235, 380, 1);
    EXPECT_FALSE(t.tip.visivel);
    EXPECT_EQ(t.Buffer().Textos().size(), 26);
}

TEST(CListInteracao, SetasEFundoDaBarra)
{
    ListaTeste t("a");
    t.lista.MouseMove(235, 5, 0); // the custom pointer over the arrows
    EXPECT_EQ(t.fundo.ponteiro, Ponteiro::Personalizado);
    t.lista.MouseMove(100, 100, 0);
    EXPECT_EQ(t.fundo.ponteiro, Ponteiro::Padrao);

    t.lista.MousePressiona(235, 390, 1);
    t.fundo.temporizador->Dispara();
    t.fundo.temporizador->Dispara();
    t.lista.MouseSolta(235, 390, 1);
    EXPECT_FALSE(t.fundo.temporizador->Dispara());
    EXPECT_EQ(t.lista.Topo(), 3);
    // The rows follow the value; the selection stays.
    t.Limpa();
    t.lista.Desenha();
    EXPECT_EQ(t.Buffer().Textos().first(), "a0003");
    EXPECT_EQ(t.lista.Selecionado(), 0);

    t.lista.MouseDuploClique(235, 5, 1);
    EXPECT_EQ(t.lista.Topo(), 2);
    t.lista.MousePressiona(235, 300, 1); // track below the thumb: a page
    t.lista.MouseSolta(235, 300, 1);
    EXPECT_EQ(t.lista.Topo(), 27);
    EXPECT_TRUE(t.selecoes.isEmpty());
}
