// The viewer's text helpers: the table of calls (tests/data/texto/funcoes.tsv),
// and what a table row cannot say: lengths, long texts and the message pages.
#include "UtilTexto.h"

#include "ImprimeQString.h"
#include "PalavrasComuns.h"
#include "TabelaCasos.h"

#include <QMap>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString kNbsp(QChar(0x00A0));

// Records the message pages RetiraPalavrasComuns asks for.
struct Paginas {
    std::vector<std::pair<int, QStringList>> mostradas;
    MostraModeloPagina callback()
    {
        return [this](int modelo, const QStringList& valores) { mostradas.emplace_back(modelo, valores); };
    }
};

// A table field with its escapes: \t, \n, \uXXXX, \UXXXXXXXX and \\.
QString Campo(const QString& c)
{
    QString r;
    for (qsizetype i = 0; i < c.size(); ++i) {
        if (c[i] != u'\\' || i + 1 == c.size()) {
            r += c[i];
            continue;
        }
        const QChar e = c[++i];
        if (e == u't')
            r += u'\t';
        else if (e == u'n')
            r += u'\n';
        else if (e == u'u') {
            r += QChar(c.mid(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
        } else if (e == u'U') {
            const char32_t ponto = c.mid(i + 1, 8).toUInt(nullptr, 16);
            r += QString::fromUcs4(&ponto, 1);
            i += 8;
        } else
            r += e;
    }
    return r;
}

QString SimNao(bool b) { return b ? u"1"_s : u"0"_s; }

} // namespace

TEST(TextoInterface, FuncoesDaTabela)
{
    const QMap<QString, std::function<QString(const QString&)>> funcoes{
        {u"NormalizaPalavra"_s, NormalizaPalavra},
        {u"CortaEspacoRigido"_s, CortaEspacoRigido},
        {u"TemPalavraLonga"_s, [](const QString& t) { return SimNao(TemPalavraLonga(t)); }},
        {u"RetiraPalavrasComuns"_s,
         [](const QString& t) {
             Paginas paginas;
             const QString r = RetiraPalavrasComuns(t, paginas.callback());
             return paginas.mostradas.empty() ? r : u"página"_s;
         }},
        {u"CodificaHTML"_s, CodificaHTML},
        {u"CodificaHTMLTexto"_s, CodificaHTMLTexto},
        {u"RetiraTags"_s, RetiraTags},
        {u"limpaVerbete"_s, limpaVerbete},
        {u"limpaVerbete1"_s, limpaVerbete1},
        {u"EhPalavraComum"_s, [](const QString& t) { return SimNao(EhPalavraComum(t)); }},
    };
    const auto casos = LeCasos(u"texto/funcoes.tsv"_s);
    ASSERT_GE(casos.size(), 90u);
    for (const QStringList& c : casos) {
        ASSERT_EQ(c.size(), 3) << c.join(u'|').toStdString();
        ASSERT_TRUE(funcoes.contains(c[0])) << c[0].toStdString();
        EXPECT_EQ(funcoes[c[0]](Campo(c[1])), Campo(c[2])) << c[0].toStdString() << " \"" << c[1].toStdString() << '"';
    }
}

TEST(NormalizaPalavra, PalavraLongaNaoECortada)
{
    const QString longa(60, u'a');
    EXPECT_EQ(NormalizaPalavra(longa), longa);
}

TEST(RetiraPalavrasComuns, SemNadaParaBuscarMostraAPagina)
{
    Paginas paginas;
    EXPECT_EQ(RetiraPalavrasComuns(u"de"_s, paginas.callback()), u""_s);
    EXPECT_EQ(RetiraPalavrasComuns(u"a b"_s, paginas.callback()), u""_s);
    EXPECT_EQ(RetiraPalavrasComuns(u"  de  "_s, paginas.callback()), u""_s);
    // Every word a stop word, though the whole is not one.
    EXPECT_EQ(RetiraPalavrasComuns(u"de a os"_s, paginas.callback()), u""_s);
    EXPECT_EQ(RetiraPalavrasComuns(u""_s, paginas.callback()), u""_s);
    ASSERT_EQ(paginas.mostradas.size(), 5u);
    EXPECT_EQ(paginas.mostradas[0].first, 502);
    EXPECT_EQ(paginas.mostradas[0].second, QStringList{u"de"_s});
    EXPECT_EQ(paginas.mostradas[1].first, 501);
    EXPECT_TRUE(paginas.mostradas[1].second.isEmpty());
    // The query goes into "%1" as typed.
    EXPECT_EQ(paginas.mostradas[2].first, 502);
    EXPECT_EQ(paginas.mostradas[2].second, QStringList{u"  de  "_s});
    EXPECT_EQ(paginas.mostradas[3].first, 502);
    EXPECT_EQ(paginas.mostradas[3].second, QStringList{u"de a os"_s});
    EXPECT_EQ(paginas.mostradas[4].first, 501);
    // Without a page to show the result is the same.
    EXPECT_EQ(RetiraPalavrasComuns(u"de"_s, {}), u""_s);
}

TEST(CodificaHTML, TextoLongo)
{
    // Past 32767 characters nothing is lost.
    const QString longo(40000, QChar(0x00E9));
    const QString codificado = CodificaHTML(longo);
    EXPECT_EQ(codificado.size(), 40000 * 6);
    EXPECT_TRUE(codificado.startsWith(u"&#233;&#233;"_s));
    EXPECT_TRUE(codificado.endsWith(u"&#233;&#233;"_s));
    EXPECT_EQ(codificado.count(u"&#233;"_s), 40000);
}

TEST(limpaVerbete, CorteEm39AntesDaMarca)
{
    // The cut at 39 comes before the mark: a mark past it changes nothing.
    const QString comprida = QString(39, u'x') + kNbsp + u"2"_s;
    EXPECT_EQ(limpaVerbete(comprida), QString(39, u'x'));
}

TEST(limpaVerbete1, LimitaA39CaracteresEApara)
{
    EXPECT_EQ(limpaVerbete1(QString(45, u'a')), QString(39, u'a'));
    // Cut first, then trim: what is left of 5 spaces and 40 letters is 34 letters.
    EXPECT_EQ(limpaVerbete1(QString(5, u' ') + QString(40, u'a')), QString(34, u'a'));
    EXPECT_EQ(limpaVerbete1(QString(36, u'a') + u"   bbb"_s), QString(36, u'a'));
    // A surrogate pair counts as one character and is never split.
    const QString comEmoji = QString(38, u'a') + u"\U0001F600b"_s;
    EXPECT_EQ(limpaVerbete1(comEmoji), QString(38, u'a') + u"\U0001F600"_s);
}
