// The splash: the program's close is put off once, the user's is not.
#include "frmSplash.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(frmSplash, FormaEVersao)
{
    frmSplash splash(QStringLiteral("1.0.5"));
    EXPECT_EQ(splash.size(), QSize(400, 293));
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    const auto* rotulo = splash.findChild<QLabel*>(QStringLiteral("lblSplash"));
    ASSERT_NE(rotulo, nullptr);
    EXPECT_EQ(rotulo->text(), u"V 1.0.5");
    EXPECT_EQ(rotulo->pos(), QPoint(280, 270));
}

TEST(frmSplash, FechamentoDoProgramaEsperaOTemporizador)
{
    frmSplash splash(QStringLiteral("1.0.0"), 150);
    splash.show();
    QSignalSpy fechado(&splash, &frmSplash::Fechado);
    splash.PedeFechamento();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.Aguardando());
    ASSERT_TRUE(fechado.wait(2000));
    EXPECT_FALSE(splash.isVisible());
}

TEST(frmSplash, CliqueDoUsuarioFechaNaHora)
{
    frmSplash splash(QStringLiteral("1.0.0"), 10000);
    splash.show();
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Aguardando());
}

TEST(frmSplash, TeclaFechaNaHoraEPassaATecla)
{
    frmSplash splash(QStringLiteral("1.0.0"), 10000);
    splash.show();
    QSignalSpy passada(&splash, &frmSplash::TeclaDigitada);
    QTest::keyClick(&splash, Qt::Key_Shift);
    EXPECT_TRUE(splash.isVisible());
    QTest::keyClick(&splash, 'C');
    EXPECT_FALSE(splash.isVisible());
    ASSERT_EQ(passada.count(), 1);
    EXPECT_EQ(passada.at(0).at(0).toInt(), int(Qt::Key_C));
    EXPECT_EQ(passada.at(0).at(2).toString(), u"C");
}
