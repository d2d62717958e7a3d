// The start-up, first-activation and close sequences: their order, the
// values read from the settings, and the ways out.
#include "CicloJanela.h"

#include "JanelaRegistro.h"

#include <gtest/gtest.h>

namespace {

using Escopo = ArmazemConfig::Escopo;

QStringList Carga(const QString& dirNotas, const QString& dica = {})
{
    QStringList p{"OutraInstancia",          "Fundo",           "AbreMotor",       "CriaListas", "Config",
                  "Empresa:Editora Exemplo", "PosicionaListas", "InicializaListas"};
    if (dica.isEmpty())
        p << "InstalaFiltro";
    p << "Componentes"
      << "Notas:" + dirNotas << "Pesquisa:Nenhuma pesquisa foi realizada."
      << "Tip:6"
      << "Cores:65535/0";
    for (int n = 0; n < 4; ++n)
        p << "Busca:=0";
    p << "Fonte:0"
      << "Modelo:0"
      << "Dica:btCasa=Página Inicial"
      << "Dica:btAnterior=Voltar"
      << "Dica:btProximo=Avançar"
      << "Dica:btVisual1=Modo Completo"
      << "Dica:btVisual2=Modo Reduzido"
      << "Dica:btVisual3=Modo Dicionário"
      << "Dica:imgPrinter=Imprimir"
      << "Dica:imgNota=Inserir Nota"
      << "Posiciona";
    return p;
}

const QStringList kAtivacao{"Repinta", "Pagina:/opt/mini/h.htm", "OcultaBotoes", "Lista:1",
                            "Letra:A", "ListaLetra:a",           "Desmarca",     "LeNotas"};

} // namespace

// No settings at all: every default, in the order of the load.
TEST(CicloJanela, CargaComPadroes)
{
    JanelaRegistro j;
    CicloJanela ciclo(j);
    EXPECT_EQ(ciclo.Carrega({}), CicloJanela::Carga::Pronta);
    EXPECT_EQ(j.passos, Carga("/opt/mini/notas"));
    EXPECT_TRUE(ciclo.PrimeiraAtivacaoPendente());
    // A first run restores the window maximized.
    EXPECT_EQ(j.config.EstadoJanela, 2);
}

TEST(CicloJanela, ValoresGuardados)
{
    JanelaRegistro j;
    const std::pair<const char*, const char*> valores[] = {
        {"TempoTip", "9"},    {"Marca cor fundo", "255"}, {"Marca cor texto", "16777215"},
        {"HistTit1", "casa"}, {"HistID1", "25899"},       {"HistTit4", "ação"},
        {"Fonte lista", "1"}, {"FormaApresentacao", "2"}, {"DirNotas", "/home/u/notas"},
        {"Instalacao", "1"},
    };
    for (auto [nome, valor] : valores)
        j.armazem.Define(Escopo::Usuario, QString::fromUtf8(nome), QString::fromUtf8(valor));
    CicloJanela ciclo(j);
    ciclo.Carrega({});
    for (const char* passo : {"Tip:9", "Cores:255/16777215", "Busca:casa=25899", "Busca:=0", "Busca:ação=0", "Fonte:1",
                              "Modelo:2", "Notas:/home/u/notas"})
        EXPECT_TRUE(j.passos.contains(QString::fromUtf8(passo))) << passo;
}

// Damaged settings fall back to the defaults instead of odd numbers.
TEST(CicloJanela, ValoresDanificados)
{
    JanelaRegistro j;
    for (const char* nome : {"TempoTip", "Marca cor fundo", "Fonte lista", "FormaApresentacao", "HistID2"})
        j.armazem.Define(Escopo::Usuario, QString::fromLatin1(nome), QStringLiteral("abc"));
    j.armazem.Define(Escopo::Usuario, QStringLiteral("Marca cor texto"), QStringLiteral("99999999999"));
    CicloJanela ciclo(j);
    ciclo.Carrega({});
    for (const char* passo : {"Tip:6", "Cores:65535/0", "Fonte:0", "Modelo:0"})
        EXPECT_TRUE(j.passos.contains(QString::fromLatin1(passo))) << passo;
    EXPECT_EQ(j.passos.count(QStringLiteral("Busca:=0")), 4);
}

TEST(CicloJanela, SegundaInstanciaTerminaCalada)
{
    JanelaRegistro j;
    j.outraInstancia = true;
    CicloJanela ciclo(j);
    EXPECT_EQ(ciclo.Carrega({}), CicloJanela::Carga::OutraInstancia);
    EXPECT_EQ(j.passos, QStringList{"OutraInstancia"});
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
    EXPECT_EQ(j.passos, QStringList({"OutraInstancia", "Fundo", "AbreMotor",
                                     "Erro:Dicionário Lexária:Não foi possível ler os arquivos de dados. "
                                     "Verifique a conexão de rede ou reinstale o produto."}));
    ciclo.Ativa();
    ciclo.Fecha();
    ciclo.Descarrega();
    EXPECT_EQ(j.passos.size(), 4);
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
    EXPECT_EQ(j.passos, Carga("/opt/mini/notas", "debug"));
    ciclo.Descarrega();
    EXPECT_FALSE(j.passos.contains("RemoveFiltro"));

    JanelaRegistro k;
    CicloJanela normal(k);
    normal.Carrega({});
    normal.Descarrega();
    EXPECT_TRUE(k.passos.contains("RemoveFiltro"));
}

TEST(CicloJanela, PrimeiraAtivacaoUmaVez)
{
    JanelaRegistro j;
    CicloJanela ciclo(j);
    ciclo.Carrega({});
    j.passos.clear();
    ciclo.Ativa();
    ciclo.Ativa();
    EXPECT_EQ(j.passos, kAtivacao);
    EXPECT_FALSE(ciclo.PrimeiraAtivacaoPendente());

    // The advanced search open at the last exit opens first.
    JanelaRegistro k;
    k.armazem.Define(Escopo::Usuario, QStringLiteral("ModoBusca"), QStringLiteral("1"));
    CicloJanela outro(k);
    outro.Carrega({});
    k.passos.clear();
    outro.Ativa();
    EXPECT_EQ(k.passos, QStringList{"BuscaAvancada"} + kAtivacao);
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
    EXPECT_EQ(j.passos, QStringList({"FinalizaLista", "LiberaMotor", "RemoveFiltro", "GravaBuscas", "SalvaNota"}));
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
