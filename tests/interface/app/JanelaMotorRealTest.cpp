// The main window over the real engine and database, without the web view:
// the first activation loads the letter "a" in full, in the engine's order,
// and the letter chooser loads another letter.
#include "BotaoImagem.h"
#include "CEscolheLetra.h"
#include "CList.h"
#include "JanelaSemVisor.h"
#include "MotorMini.h"
#include "PeleJanela.h"
#include "SuperficieWidget.h"
#include "mini/ListaResultados.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct JanelaReal {
    ArmazemMemoria armazem;
    std::unique_ptr<frmMain> janela;
    MotorMini motor{QStringLiteral(MINI_TEST_DB)};

    JanelaReal() : janela(JanelaSemVisor(armazem)) { EXPECT_TRUE(motor.AbreDados()); }
    // Loads and shows the window; true once the first letter is in.
    bool Mostra()
    {
        if (janela->Carrega({}) != CicloJanela::Carga::Pronta)
            return false;
        janela->show();
        return CarregaAte();
    }
    // Shows the window and waits until the letter being loaded is in.
    bool CarregaAte()
    {
        QSignalSpy carregada(janela.get(), &frmMain::LetraCarregada);
        return carregada.wait(10000);
    }
    // The headwords of a letter as the engine lists them.
    QStringList Palavras(const QString& letra)
    {
        QString texto;
        const qint32 total = motor.PesquisaMascara(letra + u'*', texto, 1);
        QStringList palavras;
        qint32 cursor = 0;
        while (palavras.size() < total) {
            QString pedaco;
            const qint32 proximo = motor.ObtemResultados(1, cursor, pedaco);
            const mini::ListaResultados lida = mini::LeResultados(pedaco.toStdString());
            EXPECT_TRUE(lida.Valida()) << lida.erro;
            for (const mini::Resultado& r : lida.itens)
                palavras << QString::fromStdString(r.palavra);
            if (proximo < 0)
                break;
            cursor = proximo;
        }
        return palavras;
    }
};

QStringList Lidas(const CList& lista)
{
    QStringList r;
    for (const QString& p : lista.Palavras())
        r << p;
    return r;
}

} // namespace

TEST(JanelaMotorReal, PrimeiraAtivacaoCarregaALetraA)
{
    JanelaReal j;
    ASSERT_TRUE(j.Mostra());

    const CList& lista = *j.janela->Lista();
    EXPECT_EQ(lista.ObtemLetraAtual(), u"a");
    EXPECT_EQ(j.janela->EscolheLetra()->Selecionada(), u"A");
    const QStringList esperadas = j.Palavras(QStringLiteral("a"));
    ASSERT_GT(esperadas.size(), 10000);
    EXPECT_EQ(Lidas(lista), esperadas);
    // Consecutive ids from the letter's first headword.
    EXPECT_EQ(lista.Ids().front(), j.motor.LocalizaPalavra(QStringLiteral("a")));
    EXPECT_EQ(lista.Ids().back(), lista.Ids().front() + lista.Ultimo());
    // First row selected, drawn as an outline.
    EXPECT_EQ(lista.Selecionado(), 0);
    EXPECT_EQ(lista.Desmarcado(), 0);
    EXPECT_TRUE(j.janela->PicLista()->isVisible());

    // Down and Page Down reach the list through the window.
    QTest::keyClick(j.janela.get(), Qt::Key_Down);
    QTest::keyClick(j.janela.get(), Qt::Key_PageDown);
    EXPECT_EQ(lista.Selecionado(), 1 + lista.Linhas());
}

TEST(JanelaMotorReal, EscolherOutraLetra)
{
    JanelaReal j;
    ASSERT_TRUE(j.Mostra());

    // "M": row 0, column 12 of the strip.
    auto* faixa = j.janela->findChild<SuperficieWidget*>(QStringLiteral("imgLetras"));
    ASSERT_NE(faixa, nullptr);
    QTest::mouseMove(faixa, QPoint(12 * 19 + 9, 9));
    QTest::mouseRelease(faixa, Qt::LeftButton, {}, QPoint(12 * 19 + 9, 9));
    ASSERT_TRUE(j.CarregaAte());
    EXPECT_EQ(j.janela->EscolheLetra()->Selecionada(), u"M");
    EXPECT_EQ(Lidas(*j.janela->Lista()), j.Palavras(QStringLiteral("M")));
    // An entry is open: its buttons show.
    EXPECT_TRUE(j.janela->Pele()->Botao(QStringLiteral("btVisual1"))->isVisible());
}

TEST(JanelaMotorReal, BotoesDaJanela)
{
    JanelaReal j;
    ASSERT_EQ(j.janela->Carrega({}), CicloJanela::Carga::Pronta);
    j.janela->show();
    PeleJanela& pele = *j.janela->Pele();
    BotaoImagem* maximizar = pele.Botao(QStringLiteral("imgMax"));
    // A first run starts maximized: the button restores, the grip is hidden.
    EXPECT_EQ(maximizar->Figura(), u"BTNRESTAURAR");
    EXPECT_FALSE(pele.Botao(QStringLiteral("ImgResize"))->isVisible());
    QTest::mouseClick(maximizar, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(maximizar->Figura(), u"BTNMAXIMIZAR");
    EXPECT_TRUE(pele.Botao(QStringLiteral("ImgResize"))->isVisible());

    // Too small a size snaps back to the minimum.
    j.janela->resize(500, 400);
    EXPECT_EQ(j.janela->size(), QSize(640, 490));
    EXPECT_EQ(pele.Botao(QStringLiteral("imgClose"))->x(), 640 - 22);

    // Hover lights a button; the bare background clears it.
    BotaoImagem* fechar = pele.Botao(QStringLiteral("imgClose"));
    QTest::mouseMove(fechar, QPoint(5, 5));
    EXPECT_EQ(fechar->Figura(), u"BTNFECHARSELECIONADO");
    QTest::mouseMove(j.janela.get(), QPoint(400, 300));
    EXPECT_EQ(fechar->Figura(), u"BTNFECHAR");

    // The close button unloads: settings written.
    QTest::mouseClick(fechar, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(j.janela->isVisible());
    const auto& usuario = j.armazem.Valores(ArmazemConfig::Escopo::Usuario);
    EXPECT_EQ(usuario.value(QStringLiteral("JanelaMax")), u"0");
    EXPECT_EQ(usuario.value(QStringLiteral("JanelaW")), QString::number(640 * 1440 / j.janela->logicalDpiX()));
}
