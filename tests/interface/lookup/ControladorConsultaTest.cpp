// The lookup controller in the real window over the real engine, without
// the web view: what reaches the entry view, the lists and the letter
// chooser for each way of asking for a word.
#include "ControladorConsulta.h"

#include "AreaConsulta.h"
#include "CBrowser.h"
#include "CBuscasAnteriores.h"
#include "CEscolheLetra.h"
#include "CList.h"
#include "JanelaSemVisor.h"
#include "RotaTeclado.h"
#include "SuperficieWidget.h"
#include "TabelaCasos.h"
#include "UtilTexto.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct Consulta : ::testing::Test {
    ArmazemMemoria armazem;
    std::unique_ptr<frmMain> janela;
    QList<qint32> historico;

    void SetUp() override
    {
        janela = JanelaSemVisor(armazem);
        ASSERT_EQ(janela->Carrega({}), CicloJanela::Carga::Pronta);
        QSignalSpy carregada(janela.get(), &frmMain::LetraCarregada);
        janela->show();
        ASSERT_TRUE(carregada.wait(10000));
        Area().AoRegistrar = [this](const QString&, qint32 id, const QString&, const QString&, const QString&) {
            historico << id;
        };
    }
    AreaConsulta& Area() { return *janela->Consulta(); }
    ControladorConsulta& C() { return Area().Controlador(); }
    CBrowser& B() { return Area().Browser(); }
    // Lets the letter being loaded come in whole.
    void EsperaLetra()
    {
        if (janela->CarregandoLetra()) {
            QSignalSpy carregada(janela.get(), &frmMain::LetraCarregada);
            carregada.wait(10000);
        }
    }
};

} // namespace

TEST_F(Consulta, PalavraDesconhecidaAbreOMaiorComecoConhecido)
{
    // "casament" is the longest beginning the engine knows: casamenteiro.
    C().LocalizaNaLista(QStringLiteral("  casamentx "));
    EXPECT_EQ(C().Pedido(), 25921);
    EXPECT_TRUE(B().HtmlConteudo().contains(u"asamenteiro"));
    EsperaLetra();
    EXPECT_EQ(janela->Lista()->ObtemLetraAtual(), u"c");
    EXPECT_EQ(janela->Lista()->ObtemPoslista(), 25921);
    EXPECT_EQ(janela->EscolheLetra()->Selecionada(), u"C");
    EXPECT_EQ(historico, QList<qint32>{25921});
    // What was typed is what the page marks.
    EXPECT_TRUE(B().PalavraBuscada().startsWith(u"casamentx"));

    // Nothing known even for two characters: nothing opens.
    const QString antes = B().HtmlConteudo();
    C().LocalizaNaLista(QStringLiteral("kq"));
    EXPECT_EQ(C().Pedido(), 25921);
    EXPECT_EQ(B().HtmlConteudo(), antes);
}

TEST_F(Consulta, OutraGrafiaMarcaOVerbeteEUmComecoNao)
{
    // Typed in today's spelling, the 1913 headword it opens is marked too.
    C().LocalizaNaLista(QStringLiteral("ação"));
    const QStringList marcadas = B().PalavraBuscada().split(u' ');
    EXPECT_TRUE(marcadas.contains(u"ação"));
    EXPECT_TRUE(marcadas.contains(u"acção")) << B().PalavraBuscada().toStdString();
    // A beginning that opens a longer headword marks only itself.
    C().LocalizaNaLista(QStringLiteral("casamen"));
    EXPECT_FALSE(B().PalavraBuscada().split(u' ').contains(u"casamento")) << B().PalavraBuscada().toStdString();
}

TEST_F(Consulta, UmPedidoMaisNovoTomaOLugarDoAnterior)
{
    // While the first request lets events run, a second one starts.
    QTimer::singleShot(0, &C(), [this] { C().ExibeVerbete(77670, QString(), true, true); });
    C().ExibeVerbete(25922, QString(), true, true);
    EXPECT_EQ(C().Pedido(), 77670);
    EXPECT_TRUE(B().HtmlConteudo().contains(u"anga"));
    EXPECT_TRUE(B().HtmlAlternativas().contains(u"goID://77669"));
    EXPECT_FALSE(B().HtmlAlternativas().contains(u"goID://77670"));
    // The older one stopped before its list and box: only the newer moved the list.
    EsperaLetra();
    EXPECT_EQ(janela->Lista()->ObtemLetraAtual(), u"m");
    EXPECT_FALSE(B().HtmlAlternativas().contains(u"casa"));
}

TEST_F(Consulta, VerboPronominalMostraATabelaDoVerbo)
{
    C().ExibeVerbete(392, QString(), true, true); // abespinhar-se
    EXPECT_TRUE(B().HtmlConjugacao().contains(u"abespinho")) << B().HtmlConjugacao().left(200).toStdString();
    // A headword with one entry has no homonyms in the box.
    EXPECT_TRUE(B().HtmlAlternativas().isEmpty());
}

TEST_F(Consulta, LetraEscolhidaListaSelecionadaEInicio)
{
    C().EscolheLetra(QStringLiteral("b"));
    EsperaLetra();
    EXPECT_EQ(janela->Lista()->ObtemLetraAtual(), u"b");
    const qint32 primeiro = janela->Lista()->ObtemPoslista();
    EXPECT_EQ(C().Pedido(), primeiro);

    // Down twice, then the pause: the entry under the selection opens, and
    // the list is not reloaded or moved.
    janela->Lista()->TrataTecla(40);
    janela->Lista()->TrataTecla(40);
    C().MovimentoTeclado();
    EXPECT_TRUE(C().ListaPendente());
    C().tmrLista_Timer();
    EXPECT_EQ(C().Pedido(), primeiro + 2);
    EXPECT_EQ(janela->Lista()->ObtemPoslista(), primeiro + 2);
    EXPECT_EQ(historico.last(), primeiro + 2);

    C().Inicio();
    EXPECT_EQ(B().EstadoPagina(), CBrowser::PaginaSimples);
}

TEST_F(Consulta, EnterPalavraClicadaEAbreviatura)
{
    C().ConfirmaEntrada(QStringLiteral("manga"));
    EXPECT_EQ(C().Pedido(), 77669);

    // A word link with a comma after it lists the entries of the word.
    auto listados = [this] { return janela->Lista2()->Ids(); };
    C().ConsultaPalavraClicada(QStringLiteral("casa,"));
    EXPECT_EQ(C().Pedido(), 77669);
    EXPECT_NE(std::find(listados().begin(), listados().end(), 25899), listados().end());
    EXPECT_TRUE(B().HtmlConteudo().contains(u"<span id=\"T5\">casa</span>"));
    EXPECT_FALSE(Area().ListaAlfabeticaVisivel());
    // An abbreviation shows its meaning in the tip and lists nothing.
    const auto antes = listados();
    C().ConsultaPalavraClicada(QStringLiteral("Fig."));
    EXPECT_EQ(listados(), antes);
    EXPECT_TRUE(Area().TipAbreviatura()->isVisible());
    EXPECT_EQ(Area().TipAbreviatura()->text(), u"Figurado");
    // Two words of a label: only the first is looked up.
    C().ConsultaPalavraClicada(QStringLiteral("manga%20larga"));
    EXPECT_NE(std::find(listados().begin(), listados().end(), 77669), listados().end());
}

TEST(RotaTeclado, DecideComoATabela)
{
    using F = RotaTeclado::Foco;
    const QMap<QString, F> focos{{QStringLiteral("entrada"), F::Entrada}, {QStringLiteral("visor"), F::Visor},
                                 {QStringLiteral("nota"), F::Nota},       {QStringLiteral("lista"), F::Lista},
                                 {QStringLiteral("escolha"), F::Escolha}, {QStringLiteral("outro"), F::Outro}};
    const auto casos = LeCasos(QStringLiteral("lookup/teclas.tsv"));
    ASSERT_GE(casos.size(), 15u);
    for (const QStringList& c : casos) {
        ASSERT_EQ(c.size(), 8) << c.join(u' ').toStdString();
        const RotaTeclado::Acao a =
            RotaTeclado::Decide(c[0].toInt(nullptr, 16), c[1], c[2] == u"1", c[3] == u"1", focos.value(c[4]));
        EXPECT_EQ(int(a.tipo), c[5].toInt()) << c.join(u' ').toStdString();
        EXPECT_EQ(a.codigo, c[6].toInt()) << c.join(u' ').toStdString();
        EXPECT_EQ(a.texto, c[7]) << c.join(u' ').toStdString();
    }
}

TEST_F(Consulta, TeclasDeComandoDaJanela)
{
    janela->activateWindow();
    QWidget* lista = janela->findChild<QWidget*>(QStringLiteral("PicLista"));
    lista->setFocus();
    QTest::keyClick(lista, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), Area().Entrada());

    C().ExibeVerbete(77669, QString(), true, true);
    C().ExibeVerbete(25899, QString(), true, true);
    QTest::keyClick(Area().Entrada(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(C().Pedido(), 77669);
    QTest::keyClick(Area().Entrada(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(C().Pedido(), 25899);
    // The box keeps its own Left and Right.
    Area().Entrada()->setText(QStringLiteral("abc"));
    Area().Entrada()->setCursorPosition(3);
    QTest::keyClick(Area().Entrada(), Qt::Key_Left);
    EXPECT_EQ(Area().Entrada()->cursorPosition(), 2);
    EXPECT_EQ(C().Pedido(), 25899);
}

TEST_F(Consulta, BuscasAnterioresSobrevivemENaoSeRegistramDeNovo)
{
    C().LocalizaNaLista(QStringLiteral("manga"));
    C().LocalizaNaLista(QStringLiteral("casa"));
    CBuscasAnteriores& buscas = Area().Pesquisa().Buscas();
    ASSERT_EQ(buscas.Quantidade(), 2);
    EXPECT_EQ(buscas.Registros().back().getIDVerbete(), 25899);

    // A line of the box opens its entry without recording it anywhere.
    Area().Pesquisa().MostraBuscasAnteriores(true);
    const QList<qint32> antes = historico;
    buscas.MousePressiona(5, buscas.AlturaLinha() * 1.5, 1);
    buscas.MouseSolta(5, buscas.AlturaLinha() * 1.5, 1);
    EXPECT_EQ(C().Pedido(), 77669);
    EXPECT_EQ(historico, antes);
    EXPECT_EQ(buscas.Quantidade(), 2);
    EXPECT_FALSE(Area().Pesquisa().PicBuscasAnteriores()->isVisible());

    janela->close();
    EXPECT_EQ(armazem.Le(ArmazemConfig::Escopo::Usuario, QStringLiteral("HistTit4")), QStringLiteral("casa"));
    EXPECT_EQ(armazem.Le(ArmazemConfig::Escopo::Usuario, QStringLiteral("HistID3")), QStringLiteral("77669"));
    EXPECT_EQ(armazem.Le(ArmazemConfig::Escopo::Usuario, QStringLiteral("HistTit1")), std::nullopt);

    armazem.Define(ArmazemConfig::Escopo::Usuario, QStringLiteral("SomarFiltros"), QStringLiteral("1"));
    const auto outra = JanelaSemVisor(armazem);
    ASSERT_EQ(outra->Carrega({}), CicloJanela::Carga::Pronta);
    // The summing tick starts as stored.
    EXPECT_TRUE(outra->Consulta()->Pesquisa().Marcada(PainelPesquisa::Somar));
    const auto& lidas = outra->Consulta()->Pesquisa().Buscas().Registros();
    ASSERT_EQ(lidas.size(), 2u);
    EXPECT_EQ(lidas[0].getIDVerbete(), 77669);
    EXPECT_EQ(lidas[1].getTitulo(), u"casa");
}

TEST_F(Consulta, NovaBuscaDuranteOPreenchimentoSubstituiAAnterior)
{
    // "a*" fills in many chunks; at its first turn of the event loop the
    // reader asks for "des*".
    Area().Entrada()->setText(QStringLiteral("a*"));
    bool segunda = false;
    QTimer::singleShot(0, janela.get(), [&] {
        segunda = true;
        Area().Entrada()->setText(QStringLiteral("des*"));
        Area().ProcessaPesquisa();
    });
    Area().ProcessaPesquisa();
    ASSERT_TRUE(segunda);
    CList* resultados = janela->Lista2();
    EXPECT_FALSE(resultados->Ocupada());
    // Only the second search's words: "des…", or an old spelling whose
    // today's form begins so (dextra, destra); none of "a*".
    for (const QString& p : resultados->Palavras())
        ASSERT_TRUE(NormalizaPalavra(p).startsWith(u"de")) << p.toStdString();
    const qint32 total = resultados->Ultimo() + 1;
    EXPECT_GT(total, 1000);
    EXPECT_TRUE(B().HtmlConteudo().contains(u"<span id=\"T5\">des</span>"));
    EXPECT_TRUE(B().HtmlConteudo().contains(QStringLiteral("%1 verbetes").arg(total)));
    EXPECT_EQ(janela->findChild<QLabel*>(QStringLiteral("lblDescricaoPesquisa"))->text(),
              QStringLiteral("Resultado da busca de palavras iniciadas por “des”  (%1 verbetes).").arg(total));
}
