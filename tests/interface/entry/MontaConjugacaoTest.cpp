// The conjugation box against tables written from Portuguese grammar: the
// engine's text gives stems and endings; the box is read back as a reader
// sees it and compared with tests/data/caixa/leitura.tsv.
#include "MontaConjugacao.h"

#include "ImprimeQString.h"
#include "TabelaCasos.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kNbsp(QChar(0x00A0));

// The box as a reader sees it: a line per tense, in the order shown, the
// title, then the rows, each its cells as they read ("eu amo", "ama tu").
QStringList Leitura(const QString& html)
{
    static const QRegularExpression titulo(u"<span id='tempo'>(.*?)</span>"_s);
    static const QRegularExpression celula(u"<span id='(?:pron|conj)'>(.*?)</span>"_s,
                                           QRegularExpression::DotMatchesEverythingOption);
    QStringList linhas;
    for (const QString& bloco : html.split(u"<span id='tempo1'>"_s).mid(1)) {
        QStringList linhasBloco;
        for (const QString& tr : bloco.split(u"<tr>"_s).mid(1)) {
            QStringList celulas;
            for (const auto& m : celula.globalMatch(tr))
                celulas << m.captured(1).remove(u"&nbsp;"_s).remove(u"<br>"_s).remove(u"\r\n"_s);
            if (!celulas.isEmpty())
                linhasBloco << celulas.join(u' ');
        }
        linhas << titulo.match(bloco).captured(1) + u'\t' + linhasBloco.join(u"; "_s);
    }
    return linhas;
}

// The expected reading of one case of the table.
QStringList Esperada(const QString& caso)
{
    QStringList linhas;
    for (const QStringList& c : LeCasos(u"caixa/leitura.tsv"_s))
        if (c.value(0) == caso)
            linhas << c.mid(1).join(u'\t');
    EXPECT_EQ(linhas.size(), 13) << caso.toStdString();
    return linhas;
}

// Endings of the first conjugation, participle with its feminine and plurals.
const QString kAmar =
    u"ar"_s + kNbsp +
    u"o;as;a;amos;ais;am;ava;avas;ava;ávamos;áveis;avam;ei;aste;ou;amos;astes;aram;"
    u"ara;aras;ara;áramos;áreis;aram;arei;arás;ará;aremos;areis;arão;aria;arias;aria;aríamos;aríeis;ariam;"
    u"e;es;e;emos;eis;em;asse;asses;asse;ássemos;ásseis;assem;ar;ares;ar;armos;ardes;arem;"
    u"a;e;emos;ai;em;ar;ares;ar;armos;ardes;arem;ando;ado;ada;ados;adas;;"_s;

// "c" turns "qu" before "e"; the stem has two "c"s and only the last one
// changes.
const QString kChecar = u"c|ar"_s + kNbsp +
                        u"c|o;c|as;c|a;c|amos;c|ais;c|am;c|ava;c|avas;c|ava;c|ávamos;c|áveis;c|avam;"
                        u"qu|ei;c|aste;c|ou;c|amos;c|astes;c|aram;c|ara;c|aras;c|ara;c|áramos;c|áreis;c|aram;"
                        u"c|arei;c|arás;c|ará;c|aremos;c|areis;c|arão;c|aria;c|arias;c|aria;c|aríamos;c|aríeis;c|ariam;"
                        u"qu|e;qu|es;qu|e;qu|emos;qu|eis;qu|em;c|asse;c|asses;c|asse;c|ássemos;c|ásseis;c|assem;"
                        u"c|ar;c|ares;c|ar;c|armos;c|ardes;c|arem;c|a;qu|e;qu|emos;c|ai;qu|em;"
                        u"c|ar;c|ares;c|ar;c|armos;c|ardes;c|arem;c|ando;c|ado;;;;;"_s;

// The forms of a text with one form replaced.
QString Troca(const QString& dados, int indice, const QString& forma)
{
    const qsizetype nbsp = dados.indexOf(kNbsp);
    QStringList formas = dados.mid(nbsp + 1).split(u';');
    formas[indice] = forma;
    return dados.left(nbsp + 1) + formas.join(u';');
}

int Conta(const QString& texto, const QString& trecho) { return static_cast<int>(texto.count(trecho)); }

} // namespace

TEST(MontaConjugacao, VerboRegular)
{
    const QString html = MontaConjugacao(u"amar"_s, kAmar);
    EXPECT_EQ(Leitura(html), Esperada(u"amar"_s));
    // The frame and the first row, spelled out.
    EXPECT_TRUE(html.startsWith(
        u"<table align='right' border=0 cellspacing=0 cellpadding=0><tr><td><span id='tempo1'> "
        u"<table width = 90 border=0 cellspacing=0 cellpadding=0><tr><td colspan=2><span id='tempo'>"
        u"Presente do Indicativo</span><br><span id='etempoA'>&nbsp;</span></td></tr><tr><td><span id='pron'>"
        u"eu&nbsp;</span></td><td nowrap><span id='conj'>amo<br></span></td></tr>"_s));
    EXPECT_TRUE(
        html.endsWith(u"<tr><td colspan=2><span id='conj'>amadas\r\n</span></td></tr></table></td></tr></table>"_s));

    // Every block but the last closes with its spacer row.
    EXPECT_EQ(Conta(html, u"<span id='etempoB'>"_s), 12);
}

TEST(MontaConjugacao, RadicalVariavel)
{
    EXPECT_EQ(Leitura(MontaConjugacao(u"checar"_s, kChecar)), Esperada(u"checar"_s));
    // Only the last of the stem's letters changes, in a longer headword too.
    const QString html = MontaConjugacao(u"rechecar"_s, kChecar);
    EXPECT_TRUE(html.contains(u"<span id='conj'>recheque&nbsp;</span></td><td nowrap><span id='pron'>ele<br>"_s));
    EXPECT_TRUE(html.contains(u"<span id='conj'>rechequei<br>"_s));
    EXPECT_TRUE(html.contains(u"<span id='conj'>rechecando\r\n"_s));
}

TEST(MontaConjugacao, NadaAMostrar)
{
    QStringList formas72;
    for (int k = 0; k < 72; ++k)
        formas72 << u"ar"_s;
    const QString formas = formas72.join(u';');
    const struct {
        const char* caso;
        QString verbo, dados;
    } casos[] = {
        {"sem texto", u"amar"_s, u""_s},
        {"só o espaço rígido", u"amar"_s, kNbsp},
        {"terminação que o verbo não tem", u"casa"_s, kAmar},
        {"terminação variável que o verbo não tem", u"vender"_s, kChecar},
        {"letra variável que o radical não tem", u"amar"_s, kChecar},
        {"sem formas", u"amar"_s, u"ar"_s},
        {"71 formas", u"amar"_s, u"ar"_s + kNbsp + formas.section(u';', 1)},
        {"73 formas", u"amar"_s, u"ar"_s + kNbsp + formas + u";ar"_s},
    };
    for (const auto& c : casos)
        EXPECT_EQ(MontaConjugacao(c.verbo, c.dados), QString()) << c.caso;
    // 72 forms of any kind do make a table.
    EXPECT_FALSE(MontaConjugacao(u"amar"_s, u"ar"_s + kNbsp + formas).isEmpty());
}

TEST(MontaConjugacao, FormasQueFaltamEPartesAMais)
{
    // A defective verb lacks forms: "/" in the form cell, a gerund or
    // participle row keeps its pronoun cell.
    QString dados = Troca(Troca(Troca(kAmar, 0, u"/"_s), 54, u"/"_s), 65, u"/"_s);
    dados = Troca(dados, 67, u"/"_s) + kNbsp + u"ignorado"_s;
    EXPECT_EQ(Leitura(MontaConjugacao(u"amar"_s, dados)), Esperada(u"amar-defectivo"_s));

    // The same for a variable stem: "/" has no letter to split off.
    dados = Troca(Troca(kChecar, 65, u"/"_s), 67, u"/"_s);
    EXPECT_EQ(Leitura(MontaConjugacao(u"checar"_s, dados)), Esperada(u"checar-defectivo"_s));
}
