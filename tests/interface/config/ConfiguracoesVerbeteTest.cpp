// Entry and list appearance in the program-wide model: reading, writing,
// restoring the defaults and cancelling a dialog.
#include "ArmazemMemoria.h"
#include "CConfig.h"
#include "ModeloConfig.h"

#include <gtest/gtest.h>

using Escopo = ArmazemConfig::Escopo;

namespace {
const ElementoVerbete& Elemento(int i) { return Configuracao().ElementosVerbete[size_t(i)]; }
} // namespace

TEST(ConfiguracoesVerbete, Leitura)
{
    ArmazemMemoria a;
    const auto u = Escopo::Usuario;
    a.Define(u, QString::fromUtf8("Classe gramatical/Regência - Cor "), "00ff00");
    a.Define(u, QString::fromUtf8("Título da locução - Tipo Fonte"), "3");
    a.Define(Escopo::Maquina, QString::fromUtf8("Título - Cor Padrao"), "112233");
    a.Define(Escopo::Maquina, QString::fromUtf8("Rubrica - Tipo Fonte Padrão"), "1");
    a.Define(u, "Fonte verbete", "2");
    a.Define(u, "Marca cor texto", "255");
    a.Define(u, "Fonte lista", "1");
    // Damaged values keep what is in memory.
    a.Define(u, "Achega - Cor ", "vermelho");
    a.Define(u, "Achega - Tipo Fonte", "9");
    a.Define(u, "Marca cor fundo", "99999999999");
    CConfig config(a);
    Configuracao().ElementosVerbete[3].Cor = "ABCDEF"; // rebuilt at start
    config.Inicializar(nullptr);

    EXPECT_EQ(Elemento(1).Cor, "00FF00");
    EXPECT_EQ(Elemento(1).CorPadrao, "FF0000");
    EXPECT_EQ(Elemento(8).TipoFonte, 3);
    EXPECT_EQ(Elemento(7).CorPadrao, "112233");
    EXPECT_EQ(Elemento(7).Cor, "336699");
    EXPECT_EQ(Elemento(6).TipoFontePadrao, 1);
    EXPECT_EQ(Elemento(3).Cor, "3068FF");
    EXPECT_EQ(Elemento(0).Cor, "983400");
    EXPECT_EQ(Elemento(0).TipoFonte, 0);
    EXPECT_EQ(Configuracao().FonteVerbete, 2);
    EXPECT_EQ(Configuracao().MarcaCorFundo, 65535u);
    EXPECT_EQ(Configuracao().MarcaCorTexto, 255u);
    EXPECT_EQ(Configuracao().FonteLista, 1);
}

TEST(ConfiguracoesVerbete, GravarRestaurarECancelar)
{
    ArmazemMemoria a;
    a.chaveUsuario = true;
    CConfig config(a);
    config.Inicializar(nullptr);
    ModeloConfig& m = Configuracao();
    m.ElementosVerbete[4].Cor = "101010";
    m.ElementosVerbete[4].TipoFonte = 4;
    m.FonteVerbete = 0;
    m.MarcaCorFundo = 255;
    config.GravarConfiguracoesVerbete();

    const auto& g = a.Valores(Escopo::Usuario);
    EXPECT_EQ(g.value(QString::fromUtf8("Locução - Cor ")), "101010");
    EXPECT_EQ(g.value(QString::fromUtf8("Classe gramatical/Regência - Tipo Fonte")), "2");
    EXPECT_EQ(g.value("Fonte verbete"), "0");
    EXPECT_EQ(g.value("Marca cor fundo"), "255");
    EXPECT_EQ(g.value("Marca cor texto"), "0");
    // Nine colours, nine styles, three numbers; never the defaults.
    EXPECT_EQ(g.size(), 21);

    // Restoring the defaults touches memory only; reading again (the
    // dialog's cancel) brings back what was stored.
    config.RestauraConfiguracoesVerbete();
    EXPECT_EQ(m.ElementosVerbete[4].Cor, "303498");
    EXPECT_EQ(m.ElementosVerbete[4].TipoFonte, 0);
    EXPECT_EQ(m.FonteVerbete, 1);
    EXPECT_EQ(m.MarcaCorFundo, 65535u);
    config.LerConfiguracoesVerbete();
    EXPECT_EQ(m.ElementosVerbete[4].Cor, "101010");
    EXPECT_EQ(m.ElementosVerbete[4].TipoFonte, 4);
    EXPECT_EQ(m.FonteVerbete, 0);
    EXPECT_EQ(m.MarcaCorFundo, 255u);

    m.FonteLista = 1;
    config.GravarConfiguracoesLista();
    EXPECT_EQ(g.value("Fonte lista"), "1");
    config.RestauraConfiguracoesLista();
    EXPECT_EQ(m.FonteLista, 0);
    config.LerConfiguracoesLista();
    EXPECT_EQ(m.FonteLista, 1);
}
