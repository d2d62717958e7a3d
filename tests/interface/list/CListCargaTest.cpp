// Starting a letter and loading it in chunks, with the wrap-around.
#include "ListaTeste.h"

#include <gtest/gtest.h>

namespace {
QString Palavra(int k) { return "a" + QString::number(k).rightJustified(4, u'0'); }
} // namespace

TEST(CListCarga, Inicializacao)
{
    ListaTeste t;
    EXPECT_EQ(t.fundo.ouvinte, &t.lista);
    EXPECT_EQ(t.lista.Capacidade(), 25);
    EXPECT_EQ(t.lista.TamanhoFonte(), 7.5);
    EXPECT_EQ(t.lista.AlturaLinha(), 15);
    // The bar at the right edge; setting the page size has already placed
    // the thumb for value 0, right below the up arrow.
    EXPECT_EQ(t.lista.ImagemBarra().Retangulo(), QRectF(229, 16, 21, 25));
    EXPECT_EQ(t.lista.ImagemSetaBaixo().Retangulo(), QRectF(229, 384, 21, 16));
    EXPECT_EQ(t.lista.ImagemFundo().Retangulo(), QRectF(229, 0, 21, 400));
    // Empty: a blank buffer copied whole.
    ASSERT_EQ(t.fundo.ops.size(), 1);
    EXPECT_EQ(t.fundo.ops[0].origem, QRect(0, 0, 250, 400));
    EXPECT_TRUE(t.Buffer().Textos().isEmpty());
    EXPECT_EQ(t.lista.ObtemPoslista(), -1);
}

TEST(CListCarga, LetraDoComeco)
{
    ListaTeste t;
    t.lista.ListaLetra("a", -1);
    EXPECT_EQ(t.motor.limitesDefinidos, QList<qint16>({300}));
    EXPECT_EQ(t.motor.mascaras, QStringList({"a*"}));
    EXPECT_EQ(t.motor.listasPedidas, QList<qint32>({1}));
    EXPECT_EQ(t.cargas, QList<qint32>({0}));
    EXPECT_EQ(t.lista.ObtemLetraAtual(), "a");
    EXPECT_EQ(t.lista.Selecionado(), 0);
    EXPECT_EQ(t.lista.Ultimo(), 999);
    EXPECT_EQ(t.lista.Linhas(), 25);
    EXPECT_EQ(t.lista.Scroll().ValorMax(), 974);
    EXPECT_FALSE(t.lista.Ocupada());
    // Before anything arrives, rows already know their entries.
    EXPECT_EQ(t.lista.Ids()[999], 1999);
    EXPECT_EQ(t.lista.ObtemPoslista(), 1000);

    EXPECT_EQ(t.CarregaTudo(), 5);
    EXPECT_EQ(t.motor.cursoresPedidos, QList<qint32>({0, 1300, 1600, 1900, 2000}));
    EXPECT_EQ(t.lista.Carregados(), 1000);
    for (int k : {0, 299, 300, 999})
        EXPECT_EQ(t.lista.Palavras()[size_t(k)], Palavra(k));
    EXPECT_EQ(t.lista.ObtemPalavraPos(1998), Palavra(998));
    EXPECT_EQ(t.lista.ObtemPalavraPos(2000), "");
}

TEST(CListCarga, LetraComecandoNoMeio)
{
    ListaTeste t;
    t.lista.ListaLetra("a", 1500);
    // Half a page (12 rows) above the wanted word.
    EXPECT_EQ(t.cargas, QList<qint32>({1488}));
    EXPECT_EQ(t.lista.Selecionado(), 500);
    EXPECT_EQ(t.lista.Topo(), 488);
    EXPECT_TRUE(t.lista.CarregaListaLetra());
    EXPECT_EQ(t.lista.Palavras()[488], Palavra(488));
    EXPECT_EQ(t.lista.Palavras()[487], "");
    // To the letter's end, then from its beginning until the first chunk's
    // start is reached.
    EXPECT_EQ(t.CarregaTudo(), 4);
    EXPECT_EQ(t.motor.cursoresPedidos, QList<qint32>({1488, 1788, 2000, 0, 1300}));
    EXPECT_TRUE(t.lista.Voltou());
    EXPECT_EQ(t.lista.Carregados(), 300 + 212 + 300 + 300);
    for (int k = 0; k < 1000; ++k) {
        ASSERT_EQ(t.lista.Palavras()[size_t(k)], Palavra(k)) << k;
        ASSERT_EQ(t.lista.Ids()[size_t(k)], 1000 + k) << k;
    }
}

TEST(CListCarga, FimDaLetraListasCurtasEVazias)
{
    ListaTeste t;
    t.lista.ListaLetra("a", 1995);
    EXPECT_EQ(t.lista.Topo(), 999 - 25);
    t.lista.ListaLetra("a", 1005); // near the start: load from the first word
    EXPECT_EQ(t.cargas.last(), 0);
    EXPECT_EQ(t.lista.Selecionado(), 5);

    t.lista.ListaLetra("z", -1);
    EXPECT_EQ(t.lista.Linhas(), 0);
    EXPECT_FALSE(t.lista.ImagemBarra().Visible);
    EXPECT_EQ(t.CarregaTudo(), 2);

    t.lista.ListaLetra("b", -1);
    t.CarregaTudo();
    EXPECT_EQ(t.lista.Scroll().ValorMax(), 14);
    // A letter without words leaves the list as it was.
    t.lista.ListaLetra("q", -1);
    EXPECT_EQ(t.ocultas, 1);
    EXPECT_EQ(t.cargas.size(), 4);
    EXPECT_EQ(t.lista.ObtemLetraAtual(), "b");
    EXPECT_EQ(t.lista.Palavras()[39], "b0039");
    EXPECT_FALSE(t.lista.Ocupada());
    EXPECT_TRUE(t.erros.isEmpty());
}

TEST(CListCarga, ErroDeLeituraEDitoNaoTomadoPorLetraVazia)
{
    // The letter's mask fails: the owner hears the engine's words and the
    // list stays as it was.
    ListaTeste t("b");
    t.motor.letraIlegivel = "c";
    t.lista.ListaLetra("c", -1);
    EXPECT_EQ(t.erros, QStringList{"database disk image is malformed"});
    EXPECT_EQ(t.lista.ObtemLetraAtual(), "b");
    EXPECT_FALSE(t.lista.Ocupada());

    // A chunk fails halfway: the load stops at once, the rows already read
    // keep their words and the later ones stay empty.
    t.erros.clear();
    t.motor.pedacosAteFalhar = 2;
    t.lista.ListaLetra("a", -1);
    EXPECT_EQ(t.CarregaTudo(), 3);
    EXPECT_EQ(t.erros, QStringList{"disk I/O error"});
    EXPECT_EQ(t.lista.Palavras()[0], "a0000");
    EXPECT_EQ(t.lista.Palavras()[size_t(2 * CList::LimiteCarga - 1)], "a0599");
    EXPECT_TRUE(t.lista.Palavras()[size_t(2 * CList::LimiteCarga)].isEmpty());
}

TEST(CListCarga, PosicaoForaDaLetraTermina)
{
    // Past the letter the engine has nothing: the load wraps, fills the
    // letter and ends although it never reaches its start.
    ListaTeste t;
    t.lista.ListaLetra("b", 2100);
    EXPECT_EQ(t.CarregaTudo(), 3);
    EXPECT_EQ(t.lista.Palavras()[39], "b0039");
    EXPECT_EQ(t.lista.ObtemPoslista(), -1);
    t.lista.Executa();
    EXPECT_TRUE(t.selecoes.isEmpty());
}

TEST(CListCarga, PecasDasBuscas)
{
    ListaTeste t;
    t.lista.ListaLetra("a", -1);
    t.lista.IniciaBusca();
    EXPECT_TRUE(t.lista.Ocupada());
    EXPECT_EQ(t.lista.Selecionado(), -1);
    t.lista.PreparaResultados(3);
    EXPECT_EQ(t.lista.ObtemLetraAtual(), "");
    EXPECT_EQ(t.lista.Linhas(), 2);
    EXPECT_EQ(t.lista.ColocaPares("casa|77|caso|81|", 0), 2);
    EXPECT_EQ(t.lista.ColocaPares("cazo|90|extra|91|", 2), 2); // no slot for the second
    EXPECT_EQ(t.lista.Ids()[2], 90);
    EXPECT_FALSE(t.lista.CarregaListaLetra()); // the search owns the list now
    EXPECT_TRUE(t.lista.SelecionaItemID(81));
    EXPECT_EQ(t.lista.Selecionado(), 1);
    EXPECT_FALSE(t.lista.SelecionaItemID(1000));
    t.lista.Finaliza();
    EXPECT_FALSE(t.lista.Ocupada());
    t.lista.EsvaziaResultados();
    EXPECT_EQ(t.lista.ObtemPoslista(), -1);
    QString p, i, f;
    t.lista.PalavraBusca("casa", "ca", "sa");
    t.lista.getPalavraBusca(p, i, f);
    EXPECT_EQ(QStringList({p, i, f}), QStringList({"casa", "ca", "sa"}));
}
