// A reader's searches in the real window: an advanced search for verbs
// beginning with a text, and a search in the entries' text, each ending in
// its result page, the title line and the filled results list.
#include "AbasListas.h"
#include "AreaConsulta.h"
#include "CList.h"
#include "JanelaReal.h"
#include "MotorMini.h"
#include "PainelAvancado.h"
#include "SuperficieWidget.h"
#include "UtilTexto.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kPasta = QStringLiteral(MINI_APP_DIR);

class PesquisaE2E : public JanelaRealTeste {
protected:
    PainelAvancado& Painel() { return janela->Consulta()->Pesquisa().Painel(); }
    QLineEdit* Entrada() { return janela->Consulta()->Entrada(); }
    QString Titulo() { return janela->findChild<QLabel*>(QStringLiteral("lblDescricaoPesquisa"))->text(); }
    // The count the engine gives for the same search, asked on its own.
    qint32 TotalDoMotor(const QString& mascara, qint16 filtro)
    {
        MotorMini motor(QDir(kPasta).filePath(QStringLiteral("minilexaria.db")));
        EXPECT_TRUE(motor.AbreDados());
        QString primeiro;
        motor.PesquisaMascara(mascara, primeiro, 0);
        if (filtro) {
            motor.DefineFiltro(0, 0);
            motor.DefineFiltro(3, filtro);
            motor.DefineFiltro(1, 0);
        }
        return motor.ObtemTotalResultados();
    }
};

} // namespace

TEST_F(PesquisaE2E, VerbosIniciadosPorComFiltro)
{
    Painel().imgAvancada_Click();
    EXPECT_TRUE(janela->findChild<QWidget*>(QStringLiteral("chkAvancada0"))->isVisible());
    Painel().Marca(0, true);
    Painel().EscolheFiltro(1);
    Painel().MarcaClasse(10, true); // Verbo
    EXPECT_TRUE(janela->findChild<QWidget*>(QStringLiteral("lstFiltros"))->isVisible());
    Entrada()->setText(QStringLiteral("des"));
    Entrada()->setFocus();
    QTest::keyClick(Entrada(), Qt::Key_Return);

    CList* resultados = janela->Lista2();
    const qint32 total = TotalDoMotor(QStringLiteral("des*"), 21);
    ASSERT_GT(total, 100);
    EXPECT_EQ(resultados->Ultimo() + 1, total);
    EXPECT_FALSE(resultados->Ocupada());
    for (const QString& palavra : resultados->Palavras())
        ASSERT_TRUE(NormalizaPalavra(palavra).startsWith(u"des")) << palavra.toStdString();
    EXPECT_EQ(Painel().Abas()->Ativa(), 2);
    EXPECT_TRUE(janela->findChild<QWidget*>(QStringLiteral("picLista2"))->isVisible());

    const QString html = janela->Consulta()->Browser().HtmlConteudo();
    EXPECT_TRUE(html.contains(u"Resultado da busca de palavras iniciadas por </span><span id=\"T5\">des</span>"));
    EXPECT_TRUE(html.contains(u"Filtro: Verbo<BR>"));
    EXPECT_TRUE(html.contains(QStringLiteral("%1 verbetes").arg(total)));
    EXPECT_TRUE(html.contains(QStringLiteral("goID://%1").arg(resultados->Ids()[0])));
    EXPECT_EQ(Titulo(),
              QStringLiteral("Resultado da busca de palavras iniciadas por “des”  (%1 verbetes).").arg(total));

    // The tab strip goes back to the alphabetical list.
    QTest::mouseClick(Painel().Abas(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(janela->PicLista()->isVisible());
    EXPECT_FALSE(janela->findChild<QWidget*>(QStringLiteral("picLista2"))->isVisible());
}

TEST_F(PesquisaE2E, PalavraNoTextoDosVerbetes)
{
    Painel().imgAvancada_Click();
    Painel().Marca(2, true);
    Entrada()->setText(QStringLiteral("água"));
    Entrada()->setFocus();
    QTest::keyClick(Entrada(), Qt::Key_Return);

    CList* resultados = janela->Lista2();
    ASSERT_GT(resultados->Ultimo(), 10);
    const QString html = janela->Consulta()->Browser().HtmlConteudo();
    EXPECT_TRUE(html.contains(u"no texto do verbete.</span>")) << html.left(400).toStdString();
    EXPECT_EQ(Titulo(), QStringLiteral("Resultado da busca por “água” no texto do verbete  (%1 verbetes).")
                            .arg(resultados->Ultimo() + 1));
    // The page marks the searched word in the entries opened from the list.
    QString busca, iniciada, terminada;
    resultados->getPalavraBusca(busca, iniciada, terminada);
    EXPECT_TRUE(busca.startsWith(u"água"));

    // A stop word alone is refused with its page.
    Entrada()->setText(QStringLiteral("de"));
    Entrada()->setFocus();
    QTest::keyClick(Entrada(), Qt::Key_Return);
    EXPECT_TRUE(janela->Consulta()->Browser().HtmlConteudo().contains(u"como critério de pesquisa"));
}
