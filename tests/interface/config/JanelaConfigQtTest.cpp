// The Qt window adapter: twips from the widget's logical resolution.
#include "JanelaConfigQt.h"

#include "ArmazemMemoria.h"
#include "CConfig.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(JanelaConfigQt, GeometriaEmTwipsEMaximizar)
{
    QWidget janela;
    janela.setGeometry(100, 50, 800, 600);
    JanelaConfigQt adaptador(&janela);
    const double f = 1440.0 / janela.logicalDpiX();
    EXPECT_EQ(adaptador.Geometria().X, qRound(100 * f));
    EXPECT_EQ(adaptador.Geometria().W, qRound(800 * f));
    adaptador.Move({qRound(20 * f), qRound(30 * f), qRound(700 * f), qRound(500 * f)});
    EXPECT_EQ(janela.geometry(), QRect(20, 30, 700, 500));

    QStringList figuras;
    adaptador.AoDefinirFiguraMaximizar = [&](const QString& b) { figuras << b; };
    ArmazemMemoria armazem;
    CConfig config(armazem);
    config.Inicializar(&adaptador);
    config.MaximizarJanela();
    EXPECT_EQ(janela.geometry().width(), adaptador.TelaAtual().LarguraPx);
    config.RestaurarJanela();
    EXPECT_EQ(figuras, QStringList({"BTNRESTAURAR", "BTNMAXIMIZAR"}));
    EXPECT_EQ(janela.geometry(), QRect(20, 30, 700, 500));
}
