// The list searches over a fake engine: what the engine is asked, what the
// events carry, how the list fills in chunks, and how a fill stops.
#include "PesquisaLista.h"

#include "AmbienteBusca.h"
#include "CList.h"
#include "MotorBuscaFalso.h"
#include "ResultadosHtml.h"
#include "TabelaCasos.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

struct AmbienteFalso : AmbienteBusca {
    int altura = 7200;
    bool somados = false;
    int voltas = 0;
    std::function<void()> aoProcessar;
    QStringList erros;
    int AlturaJanelaTwips() const override { return altura; }
    bool FiltrosSomados() const override { return somados; }
    void ProcessaEventos() override
    {
        ++voltas;
        if (aoProcessar)
            aoProcessar();
    }
    void MostraErroMotor(const QString& erro) override { erros << erro; }
};

struct Busca : ::testing::Test {
    MotorBuscaFalso motor;
    AmbienteFalso ambiente;
    CList lista;
    PesquisaLista pesquisa{lista, ambiente};
    QStringList eventos;

    void SetUp() override
    {
        lista.Inicializa(nullptr, &motor, nullptr);
        lista.Eventos.RetornoBusca = [this](const QString& p, const QString&, qint32 tam, qint16 tipo) {
            eventos << QStringLiteral("RetornoBusca %1 %2 %3").arg(p).arg(tam).arg(tipo);
        };
        lista.Eventos.NaoEncontrado = [this](const QString& p, qint16 tipo) {
            eventos << QStringLiteral("NaoEncontrado %1 %2").arg(p).arg(tipo);
        };
        lista.Eventos.OcultaPesquisando = [this] { eventos << QStringLiteral("Oculta"); };
    }
};

} // namespace

TEST(FiltrosBusca, SequenciasDoMotorPorCodigos)
{
    const auto casos = LeCasos(QStringLiteral("busca/filtros.tsv"));
    ASSERT_GE(casos.size(), 6u);
    for (const QStringList& c : casos) {
        const QString linha = c.join(u'\t');
        ASSERT_EQ(c.size(), 3) << linha.toStdString();
        MotorBuscaFalso motor;
        PesquisaLista::AplicaFiltros(motor, c[0], c[1] == u"1");
        QStringList passos;
        for (QString s : motor.chamadas)
            passos << s.remove(QStringLiteral("DefineFiltro ")).replace(u' ', u',');
        EXPECT_EQ(passos.join(u' '), c[2]) << linha.toStdString();
    }
}

TEST_F(Busca, TermoPedidoETermoRepassado)
{
    motor.Preenche(3);
    pesquisa.ListaPesquisaFlexivel(QStringLiteral("Casa"), QString());
    pesquisa.ListaPesquisaMascara(QStringLiteral("Des*"), QStringLiteral("5;"));
    pesquisa.ListaPesquisaReversa(QStringLiteral("água +fria"), QString());
    EXPECT_EQ(motor.chamadas,
              (QStringList{QStringLiteral("PesquisaPalavra casa"), QStringLiteral("PesquisaMascara Des*"),
                           QStringLiteral("DefineFiltro 0 0"), QStringLiteral("DefineFiltro 3 13"),
                           QStringLiteral("DefineFiltro 1 0"), QStringLiteral("PesquisaReversa água +fria")}));
    EXPECT_EQ(eventos, (QStringList{QStringLiteral("RetornoBusca Casa 2 1"), QStringLiteral("Oculta"),
                                    QStringLiteral("RetornoBusca Des* 2 2"), QStringLiteral("Oculta"),
                                    QStringLiteral("RetornoBusca água fria 2 3"), QStringLiteral("Oculta")}));
    EXPECT_EQ(motor.limite, 300);

    motor.resultados.clear();
    eventos.clear();
    pesquisa.ListaPesquisaMascara(QStringLiteral("zzz*"), QString());
    EXPECT_EQ(eventos, (QStringList{QStringLiteral("NaoEncontrado zzz* 2"), QStringLiteral("Oculta")}));
    EXPECT_EQ(lista.Ultimo(), -1);
    EXPECT_FALSE(lista.Ocupada());
}

TEST_F(Busca, PreencheEmBlocosComAJanelaViva)
{
    motor.Preenche(700);
    pesquisa.ListaPesquisaMascara(QStringLiteral("p*"), QString());
    ASSERT_EQ(lista.Ultimo(), 699);
    EXPECT_EQ(lista.Palavras()[0], u"p0");
    EXPECT_EQ(lista.Palavras()[299], u"p299");
    EXPECT_EQ(lista.Palavras()[300], u"p300");
    EXPECT_EQ(lista.Ids()[699], 1699);
    // One turn of the event loop per chunk of 300.
    EXPECT_EQ(ambiente.voltas, 3);
    EXPECT_FALSE(lista.Ocupada());
    EXPECT_FALSE(pesquisa.Preenchendo());
}

TEST_F(Busca, FinalizaParaDepoisDoBlocoAtual)
{
    motor.Preenche(700);
    int voltas = 0;
    ambiente.aoProcessar = [&] {
        if (++voltas == 2)
            lista.Finaliza();
    };
    pesquisa.ListaPesquisaMascara(QStringLiteral("p*"), QString());
    EXPECT_EQ(lista.Palavras()[299], u"p299");
    EXPECT_TRUE(lista.Palavras()[300].isEmpty());
    EXPECT_EQ(voltas, 2);
}

TEST_F(Busca, NovaBuscaDuranteOPreenchimentoTomaOLugar)
{
    motor.Preenche(900);
    bool uma = false;
    ambiente.aoProcessar = [&] {
        if (uma)
            return;
        uma = true;
        motor.resultados = {{QStringLiteral("q0"), 7}, {QStringLiteral("q1"), 8}};
        pesquisa.ListaPesquisaMascara(QStringLiteral("q*"), QString());
    };
    const int antes = motor.blocosPedidos;
    pesquisa.ListaPesquisaMascara(QStringLiteral("p*"), QString());
    ASSERT_EQ(lista.Ultimo(), 1);
    EXPECT_EQ(lista.Palavras(), (std::vector<QString>{QStringLiteral("q0"), QStringLiteral("q1")}));
    EXPECT_EQ(lista.Ids(), (std::vector<qint32>{7, 8}));
    EXPECT_FALSE(lista.Ocupada());
    // The older search asked nothing more once the newer one took over:
    // two calls each (first chunk for the page, then the fill).
    EXPECT_EQ(motor.blocosPedidos - antes, 4);
    EXPECT_EQ(eventos.filter(QStringLiteral("RetornoBusca")),
              (QStringList{QStringLiteral("RetornoBusca p* 899 2"), QStringLiteral("RetornoBusca q* 1 2")}));
}

TEST(ResultadosHtmlTexto, ElementoSemOsInternos)
{
    const QString html = QStringLiteral(
        "<span id=\"D_ETM\">(Lat. <span id=\"x\">casa</span>)</span><span id=\"D_DEF\">um <i>abrigo</i> <span "
        "id=\"a\">b<span id=\"c\">d</span></span>fim</span>");
    EXPECT_EQ(ResultadosHtml::TextoElemento(QStringLiteral("D_ETM"), html), u"(Lat. )");
    EXPECT_EQ(ResultadosHtml::TextoElemento(QStringLiteral("D_DEF"), html), u"um <i>abrigo</i> fim");
    EXPECT_EQ(ResultadosHtml::TextoElemento(QStringLiteral("D_N_CG"), html), u"");
    EXPECT_EQ(ResultadosHtml::TextoElemento(QStringLiteral("D_ETM"), QStringLiteral("<span id=\"D_ETM\">sem fim")),
              u"");
}

TEST(ResultadosHtmlTexto, ResumoCortaEm120)
{
    auto verbete = [](const QString& etm, const QString& classe, const QString& def) {
        return QStringLiteral("<span id=\"D_ETM\">%1</span>%2<span id=\"D_DEF\">%3</span>").arg(etm, classe, def);
    };
    const QString a(40, u'a'), b(40, u'b'), c(40, u'c');
    // 120 characters in the three parts: cut by the blanks, no mark.
    const QString r120 =
        ResultadosHtml::ResumoDe(verbete(a, QStringLiteral("<span id=\"D_N_CG\">") + b + QStringLiteral("</span>"), c));
    EXPECT_EQ(r120, a + u' ' + b + u' ' + QString(38, u'c'));
    const QString r121 = ResultadosHtml::ResumoDe(
        verbete(a, QStringLiteral("<span id=\"D_N_CG\">") + b + QStringLiteral("</span>"), c + u'c'));
    EXPECT_EQ(r121, a + u' ' + b + u' ' + QString(38, u'c') + QStringLiteral("..."));
    // The usage label comes first: it is the class shown.
    const QString reg = ResultadosHtml::ResumoDe(verbete(
        QStringLiteral("(Lat.)"), QStringLiteral("<span id=\"D_N_REG\">Bras.</span><span id=\"D_N_CG\">m.</span>"),
        QStringLiteral("Um<BR>dois")));
    EXPECT_EQ(reg, u"(Lat.) Bras. Umdois");
    EXPECT_EQ(ResultadosHtml::ResumoDe(QString()), u"  ");
}

TEST(ResultadosHtmlTexto, ListaDaPaginaPelaAlturaDaJanela)
{
    MotorBuscaFalso motor;
    motor.Preenche(20);
    motor.resultados[0].first = QStringLiteral("manga") + QChar(0x00A0) + u'2';
    motor.verbetes[1000] = QStringLiteral("<span id=\"D_DEF\">Fruto.</span>");
    QString pares;
    for (const auto& [p, id] : motor.resultados)
        pares += p + u'|' + QString::number(id) + u'|';
    const QString fim = QStringLiteral(
        "<BR><span id='T4'>Veja a lista completa de verbetes no item \"Resultados da Pesquisa\".</span>");

    const QString html = ResultadosHtml::Monta(motor, pares, 7200);
    EXPECT_EQ(html.count(QStringLiteral("<span id='T7'>")), 7);
    EXPECT_TRUE(html.endsWith(fim));
    EXPECT_TRUE(html.startsWith(QStringLiteral(
        "<span id='T7'><a href='goID://1000'>manga<span id=\"D_SUP_RES\">2</span></a></span><BR>"
        "<table width=100% ><tr><td><span id='T8'><a href='goID://1000'>  Fruto.</a></td></tr></table></span>")));
    EXPECT_EQ(ResultadosHtml::Monta(motor, pares, 8000).count(QStringLiteral("<span id='T7'>")), 8);
    const QString curta = ResultadosHtml::Monta(motor, QStringLiteral("a|1|b|2|"), 7200);
    EXPECT_EQ(curta.count(QStringLiteral("<span id='T7'>")), 2);
    EXPECT_FALSE(curta.contains(fim));
}

// A search the engine could not read through is reported as an error, in
// each kind of search, never as "nothing found".
TEST_F(Busca, ErroDoMotorNaoViraNadaEncontrado)
{
    const QString erro = QStringLiteral("erro de leitura do banco de dados (índice)");
    motor.erro = erro;
    pesquisa.ListaPesquisaFlexivel(QStringLiteral("casa"), QString());
    pesquisa.ListaPesquisaMascara(QStringLiteral("*ção"), QStringLiteral("13;"));
    pesquisa.ListaPesquisaReversa(QStringLiteral("água"), QString());
    EXPECT_EQ(ambiente.erros, (QStringList{erro, erro, erro}));
    EXPECT_FALSE(eventos.join(u' ').contains(QStringLiteral("NaoEncontrado")));
    EXPECT_FALSE(lista.Ocupada());

    // With the engine well again the same search is "nothing found".
    motor.erro.clear();
    ambiente.erros.clear();
    eventos.clear();
    pesquisa.ListaPesquisaFlexivel(QStringLiteral("casa"), QString());
    EXPECT_TRUE(ambiente.erros.isEmpty());
    EXPECT_TRUE(eventos.join(u' ').contains(QStringLiteral("NaoEncontrado casa 1")));
}
