// The box built from what the real engine answers: a regular verb, one whose
// stem letter changes, an irregular one written whole.
#include "ImprimeQString.h"
#include "MontaConjugacao.h"
#include "MotorMini.h"

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
    const struct {
        QString verbo;
        const char* tempo;
        QStringList linhas;
    } casos[] = {
        {u"amar"_s, "Presente do Indicativo", {Linha(u"eu"_s, u"amo"_s), Linha(u"nós"_s, u"amamos"_s)}},
        {u"amar"_s, "Pretérito Perfeito", {Linha(u"tu"_s, u"amaste"_s), Linha(u"eles"_s, u"amaram"_s)}},
        {u"amar"_s,
         "Imperativo Afirmativo",
         {LinhaImperativo(u"ama"_s, u"tu"_s), LinhaImperativo(u"amai"_s, u"vós"_s)}},
        {u"amar"_s, "Gerúndio", {Nominal(u"amando"_s)}},
        {u"amar"_s, "<BR>Particípio", {Nominal(u"amado"_s)}},
        {u"ficar"_s, "Pretérito Perfeito", {Linha(u"eu"_s, u"fiquei"_s), Linha(u"ele"_s, u"ficou"_s)}},
        {u"ficar"_s, "Presente do Subjuntivo", {Linha(u"nós"_s, u"fiquemos"_s)}},
        {u"ficar"_s,
         "Imperativo Afirmativo",
         {LinhaImperativo(u"fica"_s, u"tu"_s), LinhaImperativo(u"fique"_s, u"ele"_s)}},
        {u"dormir"_s, "Presente do Indicativo", {Linha(u"eu"_s, u"durmo"_s), Linha(u"tu"_s, u"dormes"_s)}},
        {u"fazer"_s, "Pretérito Perfeito", {Linha(u"eu"_s, u"fiz"_s), Linha(u"ele"_s, u"fez"_s)}},
        {u"fazer"_s, "<BR>Particípio", {Nominal(u"feito"_s)}},
    };
    for (const auto& c : casos) {
        QString verbo = c.verbo;
        const QString dados = motor.ObtemConjugacao(verbo);
        const QString bloco = Bloco(MontaConjugacao(c.verbo, dados), QString::fromUtf8(c.tempo));
        for (const QString& linha : c.linhas)
            EXPECT_TRUE(bloco.contains(linha))
                << c.verbo.toStdString() << ", " << c.tempo << ": " << linha.toStdString();
    }

    // The perfect comes before the imperfect.
    QString amar = u"amar"_s;
    const QString html = MontaConjugacao(amar, motor.ObtemConjugacao(amar));
    EXPECT_LT(html.indexOf(u"Pretérito Perfeito"_s), html.indexOf(u"Pretérito Imperfeito do Indicativo"_s));
    EXPECT_GT(html.indexOf(u"Pretérito Perfeito"_s), html.indexOf(u"Presente do Indicativo"_s));
}
