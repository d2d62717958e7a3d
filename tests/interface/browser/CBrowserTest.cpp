// The entry view's page protocol against a page that is only a map: what
// goes into the template and when, the side box, the result pages, links,
// the view modes, printing and highlighting.
#include "CBrowser.h"

#include "ArquivosPrograma.h"
#include "DocumentoFalso.h"
#include "LinkPagina.h"
#include "TabelaCasos.h"
#include "TabelaStrings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kCaixa = TabelaStrings::Texto(TabelaStrings::CaixaLateral);

struct Pagina : ::testing::Test {
    DocumentoFalso doc;
    CBrowser browser{doc, QStringLiteral("/prog")};
    int carregados = 0;
    QStringList paginas, historico;
    QList<LinkPagina> comandos;

    void SetUp() override
    {
        browser.Eventos.Carregado = [this] { ++carregados; };
        browser.Eventos.HistPagina = [this](const QString& c) { paginas << c; };
        browser.Eventos.Historico = [this](const QString& h) { historico << h; };
        browser.Eventos.ExecComando = [this](const LinkPagina& l) { comandos << l; };
    }
    // The page completes the way the web view reports it: the navigation
    // is announced first.
    void Completa()
    {
        ASSERT_FALSE(doc.navegacoes.isEmpty());
        browser.Navegacao(doc.navegacoes.last());
        browser.DocumentoCompleto();
    }
    QString Area() const { return doc.html.value(QStringLiteral("AreaVerbete")); }
};

} // namespace

TEST_F(Pagina, UmVerbeteEsperaOModeloEEntraDepoisComACaixaVazia)
{
    browser.MostraPagina(QStringLiteral("/prog/manual/principal.htm"));
    browser.Navegacao(QStringLiteral("/prog/manual/principal.htm"));
    browser.DocumentoCompleto();
    EXPECT_EQ(browser.EstadoPagina(), CBrowser::PaginaSimples);
    EXPECT_EQ(paginas, QStringList{QStringLiteral("/prog/manual/principal.htm")});

    browser.MostraVerbete(QStringLiteral("<b>casa</b>"));
    EXPECT_EQ(browser.EstadoPagina(), CBrowser::ModeloCarregando);
    EXPECT_EQ(doc.navegacoes.last(), u"/prog/f1.htm");
    EXPECT_EQ(carregados, 0);
    browser.ListaAlternativas(QStringLiteral("<a href='goID://2'>casa<sup>2</sup></a>"), QString());
    EXPECT_TRUE(Area().isEmpty());
    Completa();
    EXPECT_EQ(Area(), kCaixa + QStringLiteral("<b>casa</b>"));
    EXPECT_EQ(carregados, 1);
    EXPECT_EQ(browser.EstadoPagina(), CBrowser::ModeloPronto);
    EXPECT_EQ(doc.html.value(QStringLiteral("ListaAlternativas")),
              u"<span id='vAlternativa'><a href='goID://2'>casa<sup>2</sup></a></span>");
    EXPECT_TRUE(doc.visivel.value(QStringLiteral("table1")));
    // The template's own load is not a page of the history.
    EXPECT_EQ(paginas.size(), 1);

    // Once loaded, the next entry goes in at once, its box hidden again.
    browser.MostraVerbete(QStringLiteral("<b>casaca</b>"));
    EXPECT_EQ(Area(), kCaixa + QStringLiteral("<b>casaca</b>"));
    EXPECT_EQ(doc.navegacoes.size(), 2);
    EXPECT_EQ(carregados, 2);
}

TEST_F(Pagina, DoisVerbetesRapidosSoOSegundoAparece)
{
    browser.MostraVerbete(QStringLiteral("um"));
    browser.ListaAlternativas(QStringLiteral("alt-um"), QStringLiteral("conj-um"));
    browser.MostraVerbete(QStringLiteral("dois"));
    Completa();
    EXPECT_EQ(Area(), kCaixa + QStringLiteral("dois"));
    EXPECT_EQ(carregados, 1);
    // The second entry has no box: the first one's lists went with it.
    EXPECT_FALSE(doc.html.contains(QStringLiteral("ListaAlternativas")));
    EXPECT_FALSE(doc.visivel.value(QStringLiteral("table1")));
}

TEST_F(Pagina, CaixaLateralSeparadorSoComAsDuasListasEEspacosNaoSaoEscritos)
{
    browser.MostraVerbete(QStringLiteral("v"));
    Completa();
    browser.ListaAlternativas(QStringLiteral("alt"), QString());
    EXPECT_FALSE(doc.html.contains(QStringLiteral("ListaEspaco")));
    browser.ListaAlternativas(QStringLiteral("alt"), QStringLiteral("conj"));
    EXPECT_EQ(doc.html.value(QStringLiteral("ListaEspaco")), TabelaStrings::Texto(TabelaStrings::SeparadorCaixa));
    EXPECT_EQ(doc.html.value(QStringLiteral("ListaConjugacao")), u"<span id='vAlternativa'>conj</span>");

    // Only spaces: kept, not written, yet the box shows after a load.
    browser.MostraVerbete(QStringLiteral("w"));
    doc.html.clear();
    browser.AlteraModelo(0);
    browser.ListaAlternativas(QStringLiteral("   "), QString());
    Completa();
    EXPECT_FALSE(doc.html.contains(QStringLiteral("ListaAlternativas")));
    EXPECT_TRUE(doc.visivel.value(QStringLiteral("table1")));
}

TEST_F(Pagina, PaginaDeResultadosVaiParaOHistoricoESemRealce)
{
    browser.PalavraBusca(QStringLiteral("casa"), QString(), QString());
    browser.MostraVerbete(QStringLiteral("v"));
    Completa();
    doc.marcas.clear();
    browser.MostraLista(TabelaStrings::CaixaLateral, {QStringLiteral("1"), QStringLiteral("<b>")});
    EXPECT_TRUE(browser.SemVerbete());
    ASSERT_EQ(historico.size(), 1);
    EXPECT_EQ(Area(), historico.first());
    EXPECT_TRUE(doc.marcas.isEmpty());
}

TEST_F(Pagina, NavegacaoRegistraPaginasSimplesMasNaoModelosNemReplays)
{
    EXPECT_TRUE(browser.Navegacao(QStringLiteral("/prog/manual/busca.htm")));
    EXPECT_TRUE(browser.Navegacao(QStringLiteral("/prog/f2.htm")));
    EXPECT_TRUE(browser.Navegacao(QStringLiteral("/prog/manual/busca.htm?")));
    EXPECT_EQ(paginas, QStringList{QStringLiteral("/prog/manual/busca.htm")});
}

TEST_F(Pagina, ModosDeVisualizacao)
{
    browser.MostraVerbete(QStringLiteral("v"));
    Completa();
    browser.ListaAlternativas(QStringLiteral("alt"), QStringLiteral("conj"));
    browser.MostrarListaAlternativa(true);
    browser.AlteraModelo(2);
    EXPECT_EQ(doc.navegacoes.last(), u"/prog/f3.htm");
    EXPECT_EQ(browser.ModoVisual(), 2);
    Completa();
    // The same entry and box come back in the new template.
    EXPECT_EQ(Area(), kCaixa + QStringLiteral("v"));
    EXPECT_EQ(doc.html.value(QStringLiteral("ListaConjugacao")), u"<span id='vAlternativa'>conj</span>");
    EXPECT_TRUE(doc.visivel.value(QStringLiteral("table1")));

    // While a plain page is shown the mode is remembered for later only.
    browser.MostraPagina(QStringLiteral("/prog/h.htm"));
    browser.AlteraModelo(1);
    EXPECT_EQ(doc.navegacoes.last(), u"/prog/h.htm");
    EXPECT_EQ(browser.ModoVisual(), 2);
    browser.MostraVerbete(QStringLiteral("x"));
    EXPECT_EQ(doc.navegacoes.last(), u"/prog/f2.htm");
    browser.AlteraModelo(7);
    EXPECT_EQ(browser.ArquivoModelo(), u"f2.htm");

    EXPECT_EQ(browser.ObtemVisualNome(3), u"BTNVISUAL3SELECIONADO");
    EXPECT_EQ(browser.ObtemVisualNome(2), u"BTNVISUAL2");
    browser.setUsandoBotoes(2);
    EXPECT_EQ(browser.ObtemVisualNome(2), u"BTNVISUAL2SELECIONADO");
    EXPECT_EQ(browser.ObtemVisualNome(3), u"BTNVISUAL3");
}

TEST_F(Pagina, ImprimeAConjugacaoSemAsAlternativasEVoltaAoQueEra)
{
    browser.PalavraBusca(QStringLiteral("lavar"), QString(), QString());
    browser.MostraVerbete(QStringLiteral("lavar..."));
    Completa();
    browser.ListaAlternativas(QStringLiteral("alt"), QStringLiteral("conj"));
    browser.MostrarListaAlternativa(true);
    doc.marcas.clear();
    browser.Imprimir();
    EXPECT_EQ(doc.impressoes, 1);
    EXPECT_EQ(doc.areaAoImprimir, kCaixa + QStringLiteral("lavar..."));
    EXPECT_TRUE(doc.caixaVisivelAoImprimir);
    EXPECT_EQ(doc.conjugacaoAoImprimir, u"<span id='vAlternativa'>conj</span>");
    // Back on screen: both lists, the box and the marks.
    EXPECT_EQ(doc.html.value(QStringLiteral("ListaAlternativas")), u"<span id='vAlternativa'>alt</span>");
    EXPECT_TRUE(doc.visivel.value(QStringLiteral("table1")));
    EXPECT_EQ(doc.marcas.size(), 1);
}

TEST_F(Pagina, RealceSoNoVerbeteComBuscaEComAsCoresDaConfiguracao)
{
    browser.MostraVerbete(QStringLiteral("a"));
    Completa();
    EXPECT_TRUE(doc.marcas.isEmpty());
    browser.DefineCorPalavraEncontrada(0x00FF8000, 0x000000FF); // BGR: blue-ish; red
    browser.PalavraBusca(QStringLiteral("pedra  água"), QString(), QString());
    browser.MostraVerbete(QStringLiteral("b"));
    ASSERT_EQ(doc.marcas.size(), 1);
    EXPECT_EQ(doc.marcas.last(), u"pedra água|||#0080FF|#FF0000");
    // Beginning and end: the word list is not used.
    browser.PalavraBusca(QStringLiteral("ignorada"), QStringLiteral("des"), QStringLiteral("ar"));
    browser.MostraVerbete(QStringLiteral("c"));
    EXPECT_EQ(doc.marcas.last(), u"|des|ar|#0080FF|#FF0000");
    browser.MarcaPalavra(false);
    browser.MostraVerbete(QStringLiteral("d"));
    EXPECT_EQ(doc.marcas.size(), 2);
}

TEST(LinkPagina, InterpretaOsEnderecosDaTabela)
{
    const auto casos = LeCasos(QStringLiteral("browser/links.tsv"));
    ASSERT_GE(casos.size(), 15u);
    for (const QStringList& c : casos) {
        ASSERT_EQ(c.size(), 4) << c.join(u' ').toStdString();
        const LinkPagina l = LinkPagina::Interpreta(c[0]);
        EXPECT_EQ(int(l.tipo), c[1].toInt()) << c[0].toStdString();
        EXPECT_EQ(l.id, c[2].toInt()) << c[0].toStdString();
        EXPECT_EQ(l.palavra, c[3]) << c[0].toStdString();
    }
}

TEST(ArquivosPrograma, SoServeAPastaDoPrograma)
{
    QTemporaryDir raiz;
    QDir(raiz.path()).mkpath(QStringLiteral("prog/css"));
    QFile(raiz.filePath(QStringLiteral("fora.htm"))).open(QIODevice::WriteOnly);
    QFile::link(raiz.filePath(QStringLiteral("fora.htm")), raiz.filePath(QStringLiteral("prog/atalho.htm")));
    ArquivosPrograma a;
    const QString prog = raiz.filePath(QStringLiteral("prog"));
    a.DefinePasta(prog);

    const QUrl f1 = a.Endereco(prog + QStringLiteral("/f1.htm"));
    EXPECT_EQ(f1.toString(), u"mini://app/f1.htm");
    EXPECT_EQ(a.Caminho(f1), QFileInfo(prog).canonicalFilePath() + QStringLiteral("/f1.htm"));
    const QUrl replay = a.Endereco(prog + QStringLiteral("/manual/x.htm?"));
    EXPECT_EQ(replay.toString(), u"mini://app/manual/x.htm?");
    EXPECT_TRUE(a.Caminho(replay).endsWith(u"/manual/x.htm?"));

    EXPECT_TRUE(a.Endereco(raiz.filePath(QStringLiteral("fora.htm"))).isEmpty());
    EXPECT_TRUE(a.Endereco(prog + QStringLiteral("/../fora.htm")).isEmpty());
    EXPECT_TRUE(a.Arquivo(QUrl(QStringLiteral("mini://app/../fora.htm"))).isEmpty());
    EXPECT_TRUE(a.Arquivo(QUrl(QStringLiteral("mini://app/atalho.htm"))).isEmpty());
    EXPECT_TRUE(a.Arquivo(QUrl(QStringLiteral("mini://outro/f1.htm"))).isEmpty());
    EXPECT_TRUE(a.Arquivo(QUrl::fromLocalFile(prog + QStringLiteral("/f1.htm"))).isEmpty());
    EXPECT_EQ(ArquivosPrograma::TipoMime(QStringLiteral("a/estilo1.CSS")), "text/css");
    EXPECT_TRUE(ArquivosPrograma::TipoMime(QStringLiteral("minilexaria.db")).isEmpty());
}
