// A reader's lookup in the real window: type a word, pause, read the entry
// in its template with the side box, follow a homonym link, go back and
// forward.
#include "AreaConsulta.h"
#include "BotaoImagem.h"
#include "CList.h"
#include "JanelaReal.h"
#include "PeleJanela.h"

#include <QLineEdit>
#include <QTest>
#include <QWebEnginePage>
#include <gtest/gtest.h>

namespace {

const QString kArea = QStringLiteral("(document.getElementById('AreaVerbete')||{}).innerHTML||''");

class ConsultaE2E : public JanelaRealTeste {
protected:
    // The side box's links once they hold the text.
    QString Caixa(const QString& esperado)
    {
        return EsperaTexto(Pagina(), QStringLiteral("document.getElementById('ListaAlternativas').innerHTML"),
                           esperado);
    }
    // Waits for the view to show the template file.
    bool EsperaModelo(const QString& arquivo)
    {
        for (int t = 0; t < 200 && !janela->Visor()->url().path().endsWith(arquivo); ++t)
            QTest::qWait(50);
        return janela->Visor()->url().path().endsWith(arquivo);
    }
};

} // namespace

TEST_F(ConsultaE2E, DigitaEsperaLeOVerbeteESegueUmHomonimo)
{
    BotaoImagem* anterior = janela->Pele()->Botao(QStringLiteral("btAnterior"));
    BotaoImagem* proximo = janela->Pele()->Botao(QStringLiteral("btProximo"));
    ASSERT_TRUE(anterior && proximo);
    // Nowhere to go yet.
    EXPECT_FALSE(anterior->isEnabled());
    EXPECT_FALSE(proximo->isEnabled());

    QLineEdit* entrada = janela->Consulta()->Entrada();
    ASSERT_NE(entrada, nullptr);
    EXPECT_TRUE(entrada->isVisible());
    QTest::keyClicks(entrada, QStringLiteral("manga"));
    EXPECT_EQ(entrada->text(), u"manga");

    // After the pause the entry is in the template, with the other
    // homonyms in the side box (and the shown one left out).
    const QString area = EsperaTexto(Pagina(), kArea, QStringLiteral("D_SUP_TIT"));
    EXPECT_TRUE(janela->Visor()->url().path().endsWith(u"/f1.htm")) << janela->Visor()->url().toString().toStdString();
    EXPECT_TRUE(area.contains(u"anga")) << area.left(300).toStdString();
    const QString caixa = Caixa(QStringLiteral("goID://"));
    for (int id : {77670, 77671, 77672})
        EXPECT_TRUE(caixa.contains(QStringLiteral("goID://%1").arg(id))) << caixa.toStdString();
    EXPECT_FALSE(caixa.contains(u"goID://77669")) << caixa.toStdString();
    EXPECT_TRUE(caixa.contains(u"manga<sup>2</sup>")) << caixa.toStdString();
    EXPECT_EQ(Avalia(Pagina(), QStringLiteral("document.getElementById('table1').style.visibility")).toString(),
              u"visible");
    EXPECT_EQ(janela->Lista()->ObtemLetraAtual(), u"m");
    EXPECT_EQ(janela->Lista()->ObtemPoslista(), 77669);

    // A real click on the first homonym link opens that entry.
    const QVariantList r =
        Avalia(Pagina(),
               QStringLiteral(
                   "(function(){var a=document.querySelector('#ListaAlternativas a');var r=a.getBoundingClientRect();"
                   "return [r.left+r.width/2, r.top+r.height/2, a.getAttribute('href')];})()"))
            .toList();
    ASSERT_EQ(r.size(), 3);
    const qint32 alvo = r.at(2).toString().mid(7).toInt();
    EXPECT_EQ(alvo, 77670);
    QWidget* superficie = janela->Visor()->focusProxy();
    ASSERT_NE(superficie, nullptr);
    QTest::mouseClick(superficie, Qt::LeftButton, {}, QPoint(int(r.at(0).toDouble()), int(r.at(1).toDouble())));
    for (int t = 0; t < 200 && janela->Consulta()->Controlador().Pedido() != alvo; ++t)
        QTest::qWait(50);
    EXPECT_EQ(janela->Consulta()->Controlador().Pedido(), alvo);
    const QString segunda = Caixa(QStringLiteral("goID://77669"));
    EXPECT_TRUE(segunda.contains(u"goID://77669")) << segunda.toStdString();
    EXPECT_FALSE(segunda.contains(u"goID://77670"));
    // The template stayed; no navigation to the link happened.
    EXPECT_TRUE(janela->Visor()->url().path().endsWith(u"/f1.htm"));

    // Back with the window's button returns to the typed entry, Forward to
    // the homonym.
    EXPECT_TRUE(anterior->isEnabled());
    EXPECT_FALSE(proximo->isEnabled());
    QTest::mouseClick(anterior, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(janela->Consulta()->Controlador().Pedido(), 77669);
    const QString volta = Caixa(QStringLiteral("goID://77670"));
    EXPECT_TRUE(volta.contains(u"goID://77670")) << volta.toStdString();
    EXPECT_FALSE(volta.contains(u"goID://77669"));
    EXPECT_TRUE(anterior->isEnabled()); // the start page is still behind it
    // The typed word is marked again, as when it was first shown.
    EXPECT_EQ(EsperaTexto(Pagina(),
                          QStringLiteral("String(document.querySelectorAll('#AreaVerbete .marcabusca').length > 0)"),
                          QStringLiteral("true")),
              u"true");
    EXPECT_TRUE(proximo->isEnabled());

    QTest::mouseClick(proximo, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(janela->Consulta()->Controlador().Pedido(), alvo);
    const QString avanca = Caixa(QStringLiteral("goID://77669"));
    EXPECT_TRUE(avanca.contains(u"goID://77669")) << avanca.toStdString();
    EXPECT_TRUE(anterior->isEnabled());
    EXPECT_FALSE(proximo->isEnabled());
}

TEST_F(ConsultaE2E, VerboMostraAConjugacaoEOsModosTrocamDeModelo)
{
    QTest::keyClicks(janela->Consulta()->Entrada(), QStringLiteral("cantar"));
    const QString conj = EsperaTexto(Pagina(), QStringLiteral("document.getElementById('ListaConjugacao').innerHTML"),
                                     QStringLiteral("cantamos"));
    EXPECT_TRUE(conj.contains(u"cantamos")) << conj.left(200).toStdString();

    janela->Consulta()->Browser().AlteraModelo(1);
    EXPECT_TRUE(EsperaModelo(QStringLiteral("/f2.htm")));
    // The same entry and its table come back in the new template.
    const QString de_novo = EsperaTexto(Pagina(),
                                        QStringLiteral("document.getElementById('ListaConjugacao') ? "
                                                       "document.getElementById('ListaConjugacao').innerHTML : ''"),
                                        QStringLiteral("cantamos"));
    EXPECT_TRUE(de_novo.contains(u"cantamos"));
    EXPECT_EQ(janela->Consulta()->Browser().ModoVisual(), 1);
    // The reduced mode shows less: the examples ("cantar as armas…") are hidden.
    const QString exemplos = QStringLiteral(
        "(function(){var e=document.querySelectorAll('#AreaVerbete #D_EXE');if(!e.length)return 'nenhum';"
        "for(var i=0;i<e.length;++i)if(getComputedStyle(e[i]).display!=='none')return 'visivel';return 'oculto';})()");
    EXPECT_EQ(Avalia(Pagina(), exemplos).toString(), u"oculto");
    janela->Consulta()->Browser().AlteraModelo(0);
    EXPECT_TRUE(EsperaModelo(QStringLiteral("/f1.htm")));
    EsperaTexto(Pagina(), kArea, QStringLiteral("D_EXE"));
    EXPECT_EQ(Avalia(Pagina(), exemplos).toString(), u"visivel");
}

TEST_F(ConsultaE2E, UmScriptNoTextoNaoRodaNaPagina)
{
    // Content with a script of its own, put in as the engine's text would be.
    janela->Consulta()->Browser().MostraVerbete(QStringLiteral(
        "<span id=\"D_DEF\">texto<img src=x onerror=\"document.title='invadido'\"><script>document.title='invadido'"
        "</script></span>"));
    EsperaTexto(Pagina(), kArea, QStringLiteral("texto"));
    QTest::qWait(300);
    EXPECT_NE(Avalia(Pagina(), QStringLiteral("document.title")).toString(), u"invadido");
}
