// The box built from what the real engine answers: a regular verb, one whose
// stem letter changes, an irregular one written whole.
#include "ImprimeQString.h"
#include "MontaConjugacao.h"
#include "MotorMini.h"
#include "TabelaCasos.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString Linha(const QString& pessoa, const QString& forma)
{
    return u"<tr><td><span id='pron'>"_s + pessoa + u"&nbsp;</span></td><td nowrap><span id='conj'>"_s + forma +
           u"<br></span></td></tr>"_s;
}

QString LinhaImperativo(const QString& forma, const QString& pessoa)
{
    return u"<tr><td><span id='conj'>"_s + forma + u"&nbsp;</span></td><td nowrap><span id='pron'>"_s + pessoa +
           u"<br></span></td></tr>"_s;
}

QString Nominal(const QString& forma) { return u"<tr><td colspan=2><span id='conj'>"_s + forma + u"\r\n"_s; }

// The part of the table from a tense's title to the next title.
QString Bloco(const QString& html, const QString& tempo)
{
    const qsizetype inicio = html.indexOf(u"<span id='tempo'>"_s + tempo + u"</span>"_s);
    if (inicio < 0)
        return {};
    const qsizetype fim = html.indexOf(u"<span id='tempo'>"_s, inicio + 1);
    return html.mid(inicio, fim < 0 ? -1 : fim - inicio);
}

} // namespace

TEST(MontaConjugacaoMotor, TabelasDoMotor)
{
    MotorMini motor{QString::fromUtf8(MINI_TEST_DB)};
    const auto casos = LeCasos(u"caixa/motor.tsv"_s);
    ASSERT_GE(casos.size(), 18u);
    for (const QStringList& c : casos) {
        ASSERT_EQ(c.size(), 5) << c.join(u' ').toStdString();
        QString verbo = c[0];
        const QString bloco = Bloco(MontaConjugacao(c[0], motor.ObtemConjugacao(verbo)), c[1]);
        const QString linha = c[2] == u"pessoa"       ? Linha(c[3], c[4])
                              : c[2] == u"imperativo" ? LinhaImperativo(c[4], c[3])
                                                      : Nominal(c[4]);
        EXPECT_TRUE(bloco.contains(linha)) << c.join(u' ').toStdString();
    }

    // The perfect comes before the imperfect.
    QString amar = u"amar"_s;
    const QString html = MontaConjugacao(amar, motor.ObtemConjugacao(amar));
    EXPECT_LT(html.indexOf(u"Pretérito Perfeito"_s), html.indexOf(u"Pretérito Imperfeito do Indicativo"_s));
    EXPECT_GT(html.indexOf(u"Pretérito Perfeito"_s), html.indexOf(u"Presente do Indicativo"_s));
}
