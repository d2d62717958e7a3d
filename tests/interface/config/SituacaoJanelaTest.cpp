// Window geometry: restoring it at start, saving it at exit, and the
// program's own maximize, restore and minimize.
#include "ArmazemMemoria.h"
#include "CConfig.h"
#include "JanelaFalsa.h"
#include "ModeloConfig.h"

#include <gtest/gtest.h>

using Escopo = ArmazemConfig::Escopo;

namespace {

// The fake screen: 1024 x 768 pixels at 15 twips per pixel.
const Retangulo kTelaInteira{0, 0, 15360, 11520};
const Retangulo kSeguro{0, 0, 640 * 15, 480 * 15};
const Retangulo kInicial{1500, 1200, 12000, 9000};

struct Cenario {
    ArmazemMemoria armazem;
    JanelaFalsa janela;
    CConfig config{armazem};

    // Stores X, Y, W, H and "JanelaMax" (nullptr: absent), then starts.
    Cenario(QStringList xywh, const char* max)
    {
        armazem.chaveUsuario = true;
        const char* nomes[] = {"JanelaX", "JanelaY", "JanelaW", "JanelaH"};
        for (int i = 0; i < xywh.size(); ++i)
            armazem.Define(Escopo::Usuario, nomes[i], xywh[i]);
        if (max)
            armazem.Define(Escopo::Usuario, "JanelaMax", max);
        config.Inicializar(&janela);
        config.CarregaSituacao();
    }
    QString Gravado(const char* nome) { return armazem.Valores(Escopo::Usuario).value(nome); }
};

} // namespace

TEST(SituacaoJanela, RetanguloRejeitado)
{
    // Negative origin: placed at the origin with 640 x 480 pixels, then
    // maximized; that rectangle is where a restore goes.
    Cenario c({"-10", "300", "9000", "6000"}, "0");
    ASSERT_EQ(c.janela.movimentos.size(), 2);
    EXPECT_EQ(c.janela.movimentos[0], kSeguro);
    EXPECT_EQ(c.janela.movimentos[1], kTelaInteira);
    EXPECT_EQ(c.config.EstadoJanela, 2);
    EXPECT_EQ(Configuracao().RetanguloNormal, kSeguro);
    c.config.RestaurarJanela();
    EXPECT_EQ(c.janela.geometria, kSeguro);

    // Above, past the right (16000 > 15360) or bottom edge, huge, no width.
    for (QStringList r : {QStringList{"0", "-1", "9000", "6000"},
                          {"7000", "0", "9000", "6000"},
                          {"0", "6000", "9000", "6000"},
                          {"0", "0", "2000000000", "6000"},
                          {"1000", "1000", "0", "6000"}}) {
        Cenario d(r, "0");
        EXPECT_EQ(Configuracao().RetanguloNormal, kSeguro) << r.join(',').toStdString();
    }
    // Filling the screen exactly is fine.
    Cenario e({"0", "0", "15360", "11520"}, "0");
    EXPECT_EQ(e.config.EstadoJanela, 0);
}

TEST(SituacaoJanela, ValoresNaoNumericos)
{
    // Each bad coordinate keeps the window's current one; 6000.5 rounds to even.
    Cenario c({"esquerda", "99999999999", "6000.5", " 4500 "}, "0");
    EXPECT_EQ(c.janela.geometria, (Retangulo{1500, 1200, 6000, 4500}));
    EXPECT_EQ(c.janela.somarFiltros, 0);
    ArmazemMemoria a;
    a.Define(Escopo::Usuario, "SomarFiltros", "1");
    JanelaFalsa j;
    CConfig config(a);
    config.Inicializar(&j);
    config.CarregaSituacao();
    EXPECT_EQ(j.somarFiltros, 1);
}

TEST(SituacaoJanela, JanelaMax)
{
    Cenario normal({"750", "600", "9600", "7200"}, "0");
    EXPECT_EQ(normal.janela.geometria, (Retangulo{750, 600, 9600, 7200}));
    EXPECT_EQ(normal.config.EstadoJanela, 0);
    EXPECT_TRUE(normal.janela.alcaVisivel);
    // Only exactly "1" maximizes.
    EXPECT_EQ(Cenario({"750", "600", "9600", "7200"}, "1 ").config.EstadoJanela, 0);

    // Absent: maximized, and the stored place is where a restore goes.
    Cenario max({"750", "600", "9600", "7200"}, nullptr);
    EXPECT_EQ(max.config.EstadoJanela, 2);
    EXPECT_FALSE(max.janela.alcaVisivel);
    EXPECT_EQ(max.janela.figuraMaximizar, "BTNRESTAURAR");
    EXPECT_EQ(max.janela.geometria, kTelaInteira);
    EXPECT_EQ(Configuracao().RetanguloNormal, (Retangulo{750, 600, 9600, 7200}));
    max.config.RestaurarJanela();
    EXPECT_EQ(max.janela.geometria, (Retangulo{750, 600, 9600, 7200}));
    // Nothing stored: the window's place before maximizing.
    Cenario nada({}, nullptr);
    EXPECT_EQ(Configuracao().RetanguloNormal, kInicial);
}

TEST(SituacaoJanela, GravaSituacao)
{
    Cenario c({}, "0");
    c.config.GravaSituacao();
    EXPECT_EQ(QStringList({c.Gravado("JanelaMax"), c.Gravado("JanelaX"), c.Gravado("JanelaH")}),
              QStringList({"0", "1500", "9000"}));
    // Maximized: the place to restore to, not the maximized geometry, and
    // the next start maximizes with that place kept for a restore.
    c.janela.geometria = {3000, 2000, 9000, 7000};
    c.config.MaximizarJanela();
    c.config.GravaSituacao();
    EXPECT_EQ(QStringList({c.Gravado("JanelaMax"), c.Gravado("JanelaX"), c.Gravado("JanelaY"), c.Gravado("JanelaW"),
                           c.Gravado("JanelaH")}),
              QStringList({"1", "3000", "2000", "9000", "7000"}));
    JanelaFalsa outra;
    CConfig depois(c.armazem);
    depois.Inicializar(&outra);
    depois.CarregaSituacao();
    EXPECT_EQ(outra.geometria, kTelaInteira);
    depois.RestaurarJanela();
    EXPECT_EQ(outra.geometria, (Retangulo{3000, 2000, 9000, 7000}));
    // Restored again and closed: the place it has now.
    c.config.RestaurarJanela();
    c.janela.geometria = {600, 450, 9000, 7000};
    c.config.GravaSituacao();
    EXPECT_EQ(QStringList({c.Gravado("JanelaMax"), c.Gravado("JanelaX")}), QStringList({"0", "600"}));

    // Minimized: the rectangle to restore to, not the minimized geometry.
    Cenario m({}, "0");
    m.config.MinimizarJanela();
    m.janela.geometria = {-32000, -32000, 2400, 400};
    m.config.GravaSituacao();
    EXPECT_EQ(QStringList({m.Gravado("JanelaX"), m.Gravado("JanelaY"), m.Gravado("JanelaW"), m.Gravado("JanelaH")}),
              QStringList({"1500", "1200", "12000", "9000"}));
}

TEST(SituacaoJanela, MaximizarRestaurarMinimizar)
{
    Cenario c({}, "0");
    c.janela.geometria = {3000, 2000, 9000, 7000}; // moved by the user
    c.janela.barra = {2, true, -2, -2, 62, 770}; // docked at the left
    c.config.MaximizarJanela();
    EXPECT_EQ(c.janela.geometria, (Retangulo{930, 0, 14430, 11520}));
    // While maximized, positions are not remembered.
    c.config.AtualizarPosicao();
    EXPECT_EQ(Configuracao().RetanguloNormal, (Retangulo{3000, 2000, 9000, 7000}));
    // Minimizing keeps the state code.
    c.config.MinimizarJanela();
    EXPECT_TRUE(c.janela.minimizada);
    EXPECT_EQ(c.config.EstadoJanela, 2);
    c.config.RestaurarJanela();
    EXPECT_EQ(c.config.EstadoJanela, 0);
    EXPECT_TRUE(c.janela.alcaVisivel);
    EXPECT_EQ(c.janela.figuraMaximizar, "BTNMAXIMIZAR");
    EXPECT_EQ(c.janela.geometria, (Retangulo{3000, 2000, 9000, 7000}));

    // A bar reported beyond the screen would give a larger area: cut to the screen.
    c.janela.barra = {2, true, 2000, 2000, 2100, 2100};
    c.config.MaximizarJanela();
    EXPECT_EQ(c.janela.geometria, kTelaInteira);
}
