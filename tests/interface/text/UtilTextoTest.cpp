#include "UtilTexto.h"

#include "ImprimeQString.h"

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

} // namespace

TEST(NormalizaPalavra, DobraAcentosTiraSeparadoresEMinusculas)
{
    EXPECT_EQ(NormalizaPalavra(u""_s), u""_s);
    EXPECT_EQ(NormalizaPalavra(u"(-)"_s), u""_s);
    EXPECT_EQ(NormalizaPalavra(u"ÂNGULO"_s), u"angulo"_s);
    EXPECT_EQ(NormalizaPalavra(u"Ação"_s), u"acao"_s);
    EXPECT_EQ(NormalizaPalavra(u"guarda-chuva"_s), u"guardachuva"_s);
    EXPECT_EQ(NormalizaPalavra(u"d'água"_s), u"dagua"_s);
    EXPECT_EQ(NormalizaPalavra(u"  Casa  "_s), u"casa"_s);
    // Every separator goes, the homonym marks (U+00A0, U+0178) included.
    EXPECT_EQ(NormalizaPalavra(u"a.b?c!d:e*f~g/h\\i°j k(l)m"_s), u"abcdefghijklm"_s);
    EXPECT_EQ(NormalizaPalavra(u"manga"_s + kNbsp + u"2"_s), u"manga2"_s);
    EXPECT_EQ(NormalizaPalavra(u"manga\u01782"_s), u"manga2"_s);
    // Letters with no Portuguese base letter become "-", which stays.
    EXPECT_EQ(NormalizaPalavra(u"Ñandu"_s), u"-andu"_s);
    EXPECT_EQ(NormalizaPalavra(u"ÇÉÍÓÚÜ"_s), u"ceiouu"_s);
    // Long words are not cut.
    const QString longa(60, u'a');
    EXPECT_EQ(NormalizaPalavra(longa), longa);
}

TEST(CortaEspacoRigido, CortaNaPrimeiraMarcaDeHomonimo)
{
    EXPECT_EQ(CortaEspacoRigido(u"manga"_s + kNbsp + u"2"_s), u"manga"_s);
    EXPECT_EQ(CortaEspacoRigido(u"a"_s + kNbsp + u"b"_s + kNbsp + u"c"_s), u"a"_s);
    EXPECT_EQ(CortaEspacoRigido(kNbsp + u"x"_s), u""_s);
    EXPECT_EQ(CortaEspacoRigido(u"casa nova"_s), u"casa nova"_s);
    EXPECT_EQ(CortaEspacoRigido(u"manga\u01782"_s), u"manga\u01782"_s);
    EXPECT_EQ(CortaEspacoRigido(u""_s), u""_s);
}

TEST(TemPalavraLonga, ProcuraPedacoDeMaisDeUmCaractere)
{
    EXPECT_FALSE(TemPalavraLonga(u""_s));
    EXPECT_FALSE(TemPalavraLonga(u"   "_s));
    EXPECT_FALSE(TemPalavraLonga(u"a b c"_s));
    EXPECT_FALSE(TemPalavraLonga(u"a   b"_s));
    EXPECT_FALSE(TemPalavraLonga(u"é"_s));
    EXPECT_TRUE(TemPalavraLonga(u"a bc"_s));
    EXPECT_TRUE(TemPalavraLonga(u"  ab  "_s));
    EXPECT_TRUE(TemPalavraLonga(u"éé"_s));
    // A character outside the BMP is still one character.
    EXPECT_FALSE(TemPalavraLonga(u"\U0001D49C x"_s));
    EXPECT_TRUE(TemPalavraLonga(u"\U0001D49C\U0001D49C"_s));
}

TEST(RetiraPalavrasComuns, DeixaSoAsPalavrasDeBusca)
{
    Paginas paginas;
    EXPECT_EQ(RetiraPalavrasComuns(u"a casa de pedra"_s, paginas.callback()), u"casa pedra"_s);
    EXPECT_EQ(RetiraPalavrasComuns(u"casa  de   pedra "_s, paginas.callback()), u"casa pedra"_s);
    EXPECT_EQ(RetiraPalavrasComuns(u"Estão CASA"_s, paginas.callback()), u"CASA"_s);
    EXPECT_EQ(RetiraPalavrasComuns(u"ab"_s, paginas.callback()), u"ab"_s);
    EXPECT_TRUE(paginas.mostradas.empty());
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

TEST(CodificaHTML, TrocaCaracteresPorReferencias)
{
    EXPECT_EQ(CodificaHTML(u"a<b"_s), u"a&lt;b"_s);
    EXPECT_EQ(CodificaHTML(u"é"_s), u"&#233;"_s);
    EXPECT_EQ(CodificaHTML(u"a > b"_s), u"a&nbsp;&gt;&nbsp;b"_s);
    EXPECT_EQ(CodificaHTML(u"\"x\""_s), u"&quot;x&quot;"_s);
    EXPECT_EQ(CodificaHTML(u"\t\n"_s), u"&#9;&#10;"_s);
    EXPECT_EQ(CodificaHTML(kNbsp), u"&#160;"_s);
    EXPECT_EQ(CodificaHTML(u"€\u2019"_s), u"&#8364;&#8217;"_s);
    // DEL and the rest of ASCII stay.
    EXPECT_EQ(CodificaHTML(u"az~'\u007F"_s), u"az~'\u007F"_s);
    EXPECT_EQ(CodificaHTML(u""_s), u""_s);
}

TEST(CodificaHTML, NaoRecodificaOQueInsere)
{
    // An inserted "&" or ";" is never read again.
    EXPECT_EQ(CodificaHTML(u"&"_s), u"&amp;"_s);
    EXPECT_EQ(CodificaHTML(u"é&"_s), u"&#233;&amp;"_s);
    EXPECT_EQ(CodificaHTML(u"&amp;"_s), u"&amp;amp;"_s);
    EXPECT_EQ(CodificaHTML(u"<é>"_s), u"&lt;&#233;&gt;"_s);
}

TEST(CodificaHTML, ForaDoBmpETextoLongo)
{
    // A surrogate pair is one character: one reference of the code point.
    EXPECT_EQ(CodificaHTML(u"\U0001F600"_s), u"&#128512;"_s);
    EXPECT_EQ(CodificaHTML(u"a\U0001D49Cb"_s), u"a&#119964;b"_s);
    // A lone surrogate is no character at all.
    EXPECT_EQ(CodificaHTML(QString(QChar(0xD800)) + u"x"_s), u"&#65533;x"_s);
    // Past 32767 characters nothing is lost.
    const QString longo(40000, QChar(0x00E9));
    const QString codificado = CodificaHTML(longo);
    EXPECT_EQ(codificado.size(), 40000 * 6);
    EXPECT_TRUE(codificado.startsWith(u"&#233;&#233;"_s));
    EXPECT_TRUE(codificado.endsWith(u"&#233;&#233;"_s));
    EXPECT_EQ(codificado.count(u"&#233;"_s), 40000);
}

TEST(CodificaHTMLTexto, SoTocaNoQueNaoEhAscii)
{
    EXPECT_EQ(CodificaHTMLTexto(u"\u201Ccasa\u201D"_s), u"\"casa\""_s);
    EXPECT_EQ(CodificaHTMLTexto(u"\u2018casa\u2019"_s), u"'casa'"_s);
    EXPECT_EQ(CodificaHTMLTexto(u"a<b"_s), u"a<b"_s);
    EXPECT_EQ(CodificaHTMLTexto(u"a & \"b\" > c"_s), u"a & \"b\" > c"_s);
    EXPECT_EQ(CodificaHTMLTexto(u"é"_s), u"&#233;"_s);
    EXPECT_EQ(CodificaHTMLTexto(u"a\tb"_s), u"a\tb"_s);
    EXPECT_EQ(CodificaHTMLTexto(u"a\nb"_s), u"a&#10;b"_s);
    EXPECT_EQ(CodificaHTMLTexto(u"\U0001F600"_s), u"&#128512;"_s);
    EXPECT_EQ(CodificaHTMLTexto(u"Ação & «x»"_s), u"A&#231;&#227;o & &#171;x&#187;"_s);
    // The C1 control U+0093 is not a quotation mark.
    EXPECT_EQ(CodificaHTMLTexto(QString(QChar(0x0093))), u"&#147;"_s);
}

TEST(RetiraTags, DeixaOTextoForaDasTags)
{
    EXPECT_EQ(RetiraTags(u"<b>casa</b> nova"_s), u"casa nova"_s);
    EXPECT_EQ(RetiraTags(u"a > b"_s), u"a  b"_s);
    EXPECT_EQ(RetiraTags(u"<p class=\"x\">um<br>dois</p>"_s), u"umdois"_s);
    // An unclosed tag swallows the rest.
    EXPECT_EQ(RetiraTags(u"casa <b nova"_s), u"casa "_s);
    // "<" inside a tag keeps it open until the next ">".
    EXPECT_EQ(RetiraTags(u"<a<b>c"_s), u"c"_s);
    EXPECT_EQ(RetiraTags(u"x>y<z>w"_s), u"xyw"_s);
    // References are not decoded.
    EXPECT_EQ(RetiraTags(u"&lt;b&gt; &#233;"_s), u"&lt;b&gt; &#233;"_s);
    EXPECT_EQ(RetiraTags(u""_s), u""_s);
}

TEST(limpaVerbete, LimpaOVerbeteParaExibir)
{
    EXPECT_EQ(limpaVerbete(u"casa."_s + kNbsp + u"2"_s), u"casa"_s);
    EXPECT_EQ(limpaVerbete(u"  manga"_s + kNbsp + u"3  "_s), u"manga"_s);
    EXPECT_EQ(limpaVerbete(u"a:b.c."_s), u"abc"_s);
    EXPECT_EQ(limpaVerbete(u"Ação"_s), u"Ação"_s);
    // Trimming comes before the cut at the homonym mark.
    EXPECT_EQ(limpaVerbete(u"casa "_s + kNbsp + u"2"_s), u"casa "_s);
    // The cut at 39 comes before the mark: a mark past it changes nothing.
    const QString comprida = QString(39, u'x') + kNbsp + u"2"_s;
    EXPECT_EQ(limpaVerbete(comprida), QString(39, u'x'));
    // U+0178 is not cut here.
    EXPECT_EQ(limpaVerbete(u"manga\u01782"_s), u"manga\u01782"_s);
}

TEST(limpaVerbete1, LimitaA39CaracteresEApara)
{
    EXPECT_EQ(limpaVerbete1(u"  casa.  "_s), u"casa."_s);
    EXPECT_EQ(limpaVerbete1(u"casa."_s + kNbsp + u"2"_s), u"casa."_s + kNbsp + u"2"_s);
    // Only spaces are trimmed; a no-break space is part of the headword.
    EXPECT_EQ(limpaVerbete1(kNbsp + u"casa"_s), kNbsp + u"casa"_s);
    EXPECT_EQ(limpaVerbete1(QString(45, u'a')), QString(39, u'a'));
    // Cut first, then trim: what is left of 5 spaces and 40 letters is 34 letters.
    EXPECT_EQ(limpaVerbete1(QString(5, u' ') + QString(40, u'a')), QString(34, u'a'));
    EXPECT_EQ(limpaVerbete1(QString(36, u'a') + u"   bbb"_s), QString(36, u'a'));
    // A surrogate pair counts as one character and is never split.
    const QString comEmoji = QString(38, u'a') + u"\U0001F600b"_s;
    EXPECT_EQ(limpaVerbete1(comEmoji), QString(38, u'a') + u"\U0001F600"_s);
}
