// The lookup controller's word-form questions, against a fake engine and
// once against the real one.
#include "ConsultaFlexoes.h"

#include "ImprimeQString.h"
#include "MotorConsultaFalso.h"
#include "MotorMini.h"
#include "TabelaCasos.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kNbsp(QChar(0x00A0));

// A first-conjugation text whose 72 forms all take the ending "o".
QString TextoTodasEmO()
{
    QStringList formas;
    for (int k = 0; k < 72; ++k)
        formas << u"o"_s;
    return u"ar"_s + kNbsp + formas.join(u';');
}

} // namespace

TEST(ConjugacaoDoVerbete, QualVerboSeConjuga)
{
    const struct {
        const char* caso;
        QString bruto;
        QString proprio; // the headword's own conjugation text
        QStringList pedidas;
        QString forma; // a form the box must show, or empty for no box
    } casos[] = {
        {"verbo comum", u"lavar"_s, TextoTodasEmO(), {u"lavar"_s}, u"lavo"_s},
        {"pronominal sem texto próprio", u"lavar-se"_s, u""_s, {u"lavar-se"_s, u"lavar"_s}, u"lavo"_s},
        {"pronominal com texto em branco",
         u"lavar-se"_s,
         u"  "_s + kNbsp + u" "_s,
         {u"lavar-se"_s, u"lavar"_s},
         u"lavo"_s},
        {"pronominal com texto próprio",
         u"lavar-se"_s,
         u"ar-se"_s + kNbsp + TextoTodasEmO().mid(3),
         {u"lavar-se"_s},
         u"lavo"_s},
        {"hífen sem r antes", u"bem-lavar"_s, u""_s, {u"bem-lavar"_s}, u""_s},
        {"só o primeiro hífen conta", u"lavo-lavar-se"_s, u""_s, {u"lavo-lavar-se"_s}, u""_s},
    };
    for (const auto& c : casos) {
        MotorConsultaFalso motor;
        motor.verbos = {7};
        motor.conjugacoes = {{u"lavar"_s, TextoTodasEmO()}};
        if (!c.proprio.isEmpty())
            motor.conjugacoes.insert(c.bruto, c.proprio);
        const QString html = ConjugacaoDoVerbete(motor, 7, c.bruto);
        EXPECT_EQ(motor.conjugacoesPedidas, c.pedidas) << c.caso;
        if (c.forma.isEmpty())
            EXPECT_EQ(html, QString()) << c.caso;
        else
            EXPECT_TRUE(html.contains(u"<span id='conj'>"_s + c.forma + u"<br>"_s)) << c.caso;
    }

    // An entry that is no verb asks for nothing.
    MotorConsultaFalso motor;
    motor.conjugacoes = {{u"lavar"_s, TextoTodasEmO()}};
    EXPECT_EQ(ConjugacaoDoVerbete(motor, 7, u"lavar"_s), QString());
    EXPECT_TRUE(motor.conjugacoesPedidas.isEmpty());
}

TEST(ExpandeFlexoes, PalavrasSeguidasDasSuasFormas)
{
    const auto casos = LeCasos(u"app/flexoes.tsv"_s);
    ASSERT_GE(casos.size(), 8u);
    for (const QStringList& c : casos) {
        ASSERT_EQ(c.size(), 3) << c.join(u'|').toStdString();
        MotorConsultaFalso motor;
        motor.flexoes = {
            {u"casa"_s, u"casas|10|casinha|10|"_s},
            {u"canto"_s, u"canto"_s + kNbsp + u"1|21|canta"_s + kNbsp + u"2|21"_s},
            {u"de"_s, u""_s},
            {u"mar"_s, u"mares|30|solto"_s},
        };
        EXPECT_EQ(ExpandeFlexoes(motor, c[1]), c[2]) << c[0].toStdString();
    }
    MotorConsultaFalso motor;
    ExpandeFlexoes(motor, u"casa pedra"_s);
    EXPECT_EQ(motor.flexoesPedidas, (QStringList{u"casa"_s, u"pedra"_s}));
}

// A pronominal headword of the dictionary shows its verb's table.
TEST(ConjugacaoDoVerbete, PronominalNoDicionario)
{
    ASSERT_TRUE(QFile::exists(QString::fromUtf8(MINI_TEST_DB))) << "no database at " << MINI_TEST_DB;
    MotorMini motor{QString::fromUtf8(MINI_TEST_DB)};
    ASSERT_TRUE(motor.AbreDados());
    qint32 id = motor.LocalizaPalavra(u"abespinhar-se"_s);
    ASSERT_GE(id, 0);
    QString html;
    const QString bruto = motor.ObtemVerbete(id, html, 0);
    ASSERT_TRUE(bruto.startsWith(u"abespinhar-se"_s));
    const QString tabela = ConjugacaoDoVerbete(motor, id, bruto);
    EXPECT_TRUE(tabela.contains(u"<span id='pron'>eu&nbsp;</span></td><td nowrap><span id='conj'>abespinho<br>"_s));
    EXPECT_TRUE(tabela.contains(u"<span id='conj'>abespinhando\r\n"_s));
}
