// The start-up, first-activation and close sequences: what the stored
// settings turn into, the orders a user would notice, and the ways out.
#include "CicloJanela.h"

#include "JanelaRegistro.h"
#include "TabelaCasos.h"

#include <gtest/gtest.h>

namespace {

using Escopo = ArmazemConfig::Escopo;

// The steps that begin with the kind ("Tip:" ...), in order.
QStringList DoTipo(const QStringList& passos, const QString& tipo)
{
    QStringList r;
    for (const QString& p : passos)
        if (p.startsWith(tipo))
            r << p;
    return r;
}

} // namespace

TEST(CicloJanela, ValoresLidosDaConfiguracao)
{
    const auto casos = LeCasos(QStringLiteral("app/ciclo-valores.tsv"));
    ASSERT_GE(casos.size(), 19u);
    for (const QStringList& caso : casos) {
        ASSERT_EQ(caso.size(), 2) << caso.join(u'|').toStdString();
        JanelaRegistro j;
        for (const QString& ajuste : caso[0].split(u';', Qt::SkipEmptyParts))
            j.armazem.Define(Escopo::Usuario, ajuste.section(u'=', 0, 0), ajuste.section(u'=', 1));
        CicloJanela ciclo(j);
        ASSERT_EQ(ciclo.Carrega({}), CicloJanela::Carga::Pronta);
        const QString tipo = caso[1].section(u':', 0, 0) + u':';
        EXPECT_EQ(DoTipo(j.passos, tipo).join(u'|'), caso[1]) << caso[0].toStdString();
    }
}

TEST(CicloJanela, CargaComPadroes)
{
    JanelaRegistro j;
    CicloJanela ciclo(j);
    EXPECT_EQ(ciclo.Carrega({}), CicloJanela::Carga::Pronta);
    EXPECT_TRUE(ciclo.PrimeiraAtivacaoPendente());
    // A first run restores the window maximized.
    EXPECT_EQ(j.config.EstadoJanela, 2);
    // The lists are made on an open engine, and the window is laid out
    // only after its settings are read.
    EXPECT_LT(j.passos.indexOf("AbreMotor"), j.passos.indexOf("CriaListas"));
    EXPECT_LT(j.passos.indexOf("Config"), j.passos.indexOf("PosicionaListas"));
    EXPECT_EQ(j.passos.last(), u"Posiciona");
    // Every button has its tip.
    EXPECT_EQ(DoTipo(j.passos, "Dica:").size(), 8);
    EXPECT_TRUE(j.passos.contains(QString::fromUtf8("Dica:btCasa=Página Inicial")));
}

TEST(CicloJanela, SegundaInstanciaTerminaCalada)
{
    JanelaRegistro j;
    j.outraInstancia = true;
    CicloJanela ciclo(j);
    EXPECT_EQ(ciclo.Carrega({}), CicloJanela::Carga::OutraInstancia);
    ciclo.Ativa();
    ciclo.Fecha();
    ciclo.Descarrega();
    EXPECT_EQ(j.passos, QStringList{"OutraInstancia"});
    EXPECT_EQ(j.armazem.gravacoes, 0);
}

TEST(CicloJanela, DadosIlegiveisMostramMensagemESaem)
{
    JanelaRegistro j;
    j.dadosLegiveis = false;
    CicloJanela ciclo(j);
    EXPECT_EQ(ciclo.Carrega({}), CicloJanela::Carga::SemDados);
    ciclo.Ativa();
    ciclo.Fecha();
    ciclo.Descarrega();
    EXPECT_EQ(j.passos.last(), QString::fromUtf8("Erro:Dicionário Lexária:Não foi possível ler os arquivos de dados. "
                                                 "Verifique a conexão de rede ou reinstale o produto."));
    EXPECT_FALSE(j.passos.contains("CriaListas"));
    EXPECT_EQ(j.armazem.gravacoes, 0);
}

TEST(CicloJanela, ModoDebug)
{
    EXPECT_TRUE(CicloJanela::ModoDebug({"MODODEBUG"}));
    EXPECT_FALSE(CicloJanela::ModoDebug({}));
    EXPECT_FALSE(CicloJanela::ModoDebug({"mododebug"}));
    EXPECT_FALSE(CicloJanela::ModoDebug({"MODODEBUG", "x"}));
    EXPECT_FALSE(CicloJanela::ModoDebug({" MODODEBUG"}));

    // Without the filter at load, nothing is taken off at unload.
    JanelaRegistro j;
    CicloJanela ciclo(j);
    ciclo.Carrega({"MODODEBUG"});
    ciclo.Descarrega();
    EXPECT_FALSE(j.passos.contains("InstalaFiltro"));
    EXPECT_FALSE(j.passos.contains("RemoveFiltro"));

    JanelaRegistro k;
    CicloJanela normal(k);
    normal.Carrega({});
    normal.Descarrega();
    EXPECT_TRUE(k.passos.contains("InstalaFiltro"));
    EXPECT_TRUE(k.passos.contains("RemoveFiltro"));
}

TEST(CicloJanela, PrimeiraAtivacaoUmaVez)
{
    JanelaRegistro j;
    CicloJanela ciclo(j);
    ciclo.Carrega({});
    j.passos.clear();
    ciclo.Ativa();
    const QStringList primeira = j.passos;
    ciclo.Ativa();
    EXPECT_EQ(j.passos, primeira);
    EXPECT_FALSE(ciclo.PrimeiraAtivacaoPendente());
    // The start page, the letter A listed, no entry buttons; no advanced search.
    for (const char* passo : {"Pagina:/opt/mini/h.htm", "Letra:A", "ListaLetra:a", "OcultaBotoes", "LeNotas"})
        EXPECT_TRUE(primeira.contains(QString::fromLatin1(passo))) << passo;
    EXPECT_FALSE(primeira.contains("BuscaAvancada"));

    // The advanced search open at the last exit opens again.
    JanelaRegistro k;
    k.armazem.Define(Escopo::Usuario, QStringLiteral("ModoBusca"), QStringLiteral("1"));
    CicloJanela outro(k);
    outro.Carrega({});
    outro.Ativa();
    EXPECT_TRUE(k.passos.contains("BuscaAvancada"));
}

TEST(CicloJanela, FechamentoEDescarga)
{
    JanelaRegistro j;
    j.armazem.Define(Escopo::Usuario, QStringLiteral("JanelaMax"), QStringLiteral("0"));
    CicloJanela ciclo(j);
    ciclo.Carrega({});
    ciclo.Ativa();
    j.passos.clear();
    j.buscaAvancada = true;
    ciclo.Fecha();
    ciclo.Descarrega();
    ciclo.Descarrega();
    // The list stops reading before the engine goes; the searches and the
    // note are kept once.
    EXPECT_LT(j.passos.indexOf("FinalizaLista"), j.passos.indexOf("LiberaMotor"));
    EXPECT_EQ(j.passos.count("GravaBuscas"), 1);
    EXPECT_EQ(j.passos.count("SalvaNota"), 1);
    const auto& usuario = j.armazem.Valores(Escopo::Usuario);
    EXPECT_EQ(usuario.value("ModoBusca"), u"1");
    EXPECT_EQ(usuario.value("JanelaMax"), u"0");
    // The window's rectangle, in twips, as it was.
    EXPECT_EQ(usuario.value("JanelaX"), QString::number(j.geometria.geometria.X));
    EXPECT_EQ(usuario.value("JanelaW"), QString::number(j.geometria.geometria.W));
}

// A new machine-wide installation stamp resets the notes folder once.
TEST(CicloJanela, AtualizaInstalacao)
{
    ArmazemMemoria armazem;
    CConfig config(armazem);
    armazem.Define(Escopo::Maquina, QStringLiteral("Instalacao"), QStringLiteral("7"));
    armazem.Define(Escopo::Usuario, QStringLiteral("Instalacao"), QStringLiteral("7"));
    armazem.Define(Escopo::Usuario, QStringLiteral("DirNotas"), QStringLiteral("/home/u/minhas"));
    CicloJanela::AtualizaInstalacao(config, QStringLiteral("/opt/mini"));
    EXPECT_EQ(armazem.Valores(Escopo::Usuario).value("DirNotas"), u"/home/u/minhas");

    armazem.Define(Escopo::Maquina, QStringLiteral("Instalacao"), QStringLiteral("8"));
    CicloJanela::AtualizaInstalacao(config, QStringLiteral("/opt/mini"));
    EXPECT_EQ(armazem.Valores(Escopo::Usuario).value("DirNotas"), u"/opt/mini/notas");
    EXPECT_EQ(armazem.Valores(Escopo::Usuario).value("Instalacao"), u"8");

    armazem.Define(Escopo::Usuario, QStringLiteral("DirNotas"), QStringLiteral("/home/u/outra"));
    CicloJanela::AtualizaInstalacao(config, QStringLiteral("/opt/mini"));
    EXPECT_EQ(armazem.Valores(Escopo::Usuario).value("DirNotas"), u"/home/u/outra");

    // A fresh machine (no stamps) looks new: "1" against "2".
    ArmazemMemoria vazio;
    CConfig novo(vazio);
    CicloJanela::AtualizaInstalacao(novo, QStringLiteral("/opt/mini"));
    EXPECT_EQ(vazio.Valores(Escopo::Usuario).value("Instalacao"), u"1");
    EXPECT_EQ(vazio.Valores(Escopo::Usuario).value("DirNotas"), u"/opt/mini/notas");
}
