// The conjugation box against tables written from Portuguese grammar: the
// engine's text gives stems and endings, the expected tables whole words.
#include "MontaConjugacao.h"

#include "ImprimeQString.h"

#include <QStringList>
#include <array>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kNbsp(QChar(0x00A0));

// A whole table: 13 groups split by "|", words split by blanks, in the
// engine's tense order. In the participle "-" is an empty slot.
QList<QStringList> Grupos(const QString& tabela)
{
    QList<QStringList> grupos;
    for (const QString& g : tabela.split(u'|'))
        grupos << g.split(u' ', Qt::SkipEmptyParts);
    return grupos;
}

const std::array<QString, 13> kTempos = {u"Presente do Indicativo"_s, u"Pretérito Imperfeito do Indicativo"_s,
                                         u"Pretérito Perfeito"_s,     u"Pretérito Mais-que-Perfeito"_s,
                                         u"Futuro do Presente"_s,     u"Futuro do Pretérito"_s,
                                         u"Presente do Subjuntivo"_s, u"Pretérito Imperfeito do Subjuntivo"_s,
                                         u"Futuro do Subjuntivo"_s,   u"Imperativo Afirmativo"_s,
                                         u"Infinitivo Pessoal"_s,     u"Gerúndio"_s,
                                         u"<BR>Particípio"_s};
const std::array<QString, 6> kPessoas = {u"eu"_s, u"tu"_s, u"ele"_s, u"nós"_s, u"vós"_s, u"eles"_s};

// The page's markup, block by block, the perfect before the imperfect.
QString Esperado(const QString& tabela)
{
    const QList<QStringList> grupos = Grupos(tabela);
    EXPECT_EQ(grupos.size(), 13);
    const int ordem[] = {0, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    QString html = u"<table align='right' border=0 cellspacing=0 cellpadding=0><tr><td>"_s;
    for (int b : ordem) {
        html += u"<span id='tempo1'> <table width = 90 border=0 cellspacing=0 cellpadding=0><tr><td colspan=2>"
                u"<span id='tempo'>%1</span><br><span id='etempoA'>&nbsp;</span></td></tr>"_s.arg(kTempos[b]);
        const QStringList& g = grupos[b];
        for (int k = 0; k < g.size(); ++k) {
            const QString& f = g[k];
            if (b == 9)
                html +=
                    u"<tr><td><span id='conj'>%1&nbsp;</span></td><td nowrap><span id='pron'>%2<br></span></td></tr>"_s
                        .arg(f, kPessoas[k + 1]);
            else if (b < 11)
                html +=
                    u"<tr><td><span id='pron'>%1&nbsp;</span></td><td nowrap><span id='conj'>%2<br></span></td></tr>"_s
                        .arg(kPessoas[k], f);
            else if (f == u"/")
                html += u"<tr><td><span id='pron'>%1&nbsp;</span></td><td><span id='conj'>/<br></span></td></tr>"_s.arg(
                    kPessoas[b == 11 ? 5 : k]);
            else if (f != u"-")
                html += u"<tr><td colspan=2><span id='conj'>%1\r\n</span></td></tr>"_s.arg(f);
        }
        if (b != 12)
            html += u"<tr><td colspan='2'><span id='etempoB'>&nbsp;</span></td></tr></table></span> "_s;
    }
    return html + u"</table></td></tr></table>"_s;
}

// Endings of the first conjugation, participle with its feminine and plurals.
const QString kAmar =
    u"ar"_s + kNbsp +
    u"o;as;a;amos;ais;am;ava;avas;ava;ávamos;áveis;avam;ei;aste;ou;amos;astes;aram;"
    u"ara;aras;ara;áramos;áreis;aram;arei;arás;ará;aremos;areis;arão;aria;arias;aria;aríamos;aríeis;ariam;"
    u"e;es;e;emos;eis;em;asse;asses;asse;ássemos;ásseis;assem;ar;ares;ar;armos;ardes;arem;"
    u"a;e;emos;ai;em;ar;ares;ar;armos;ardes;arem;ando;ado;ada;ados;adas;;"_s;

const QString kAmarTabela =
    u"amo amas ama amamos amais amam | amava amavas amava amávamos amáveis amavam |"
    u"amei amaste amou amamos amastes amaram | amara amaras amara amáramos amáreis amaram |"
    u"amarei amarás amará amaremos amareis amarão | amaria amarias amaria amaríamos amaríeis amariam |"
    u"ame ames ame amemos ameis amem | amasse amasses amasse amássemos amásseis amassem |"
    u"amar amares amar amarmos amardes amarem | ama ame amemos amai amem |"
    u"amar amares amar amarmos amardes amarem | amando | amado amada amados amadas - -"_s;

// "c" turns "qu" before "e"; the stem has two "c"s and only the last one
// changes.
const QString kChecar = u"c|ar"_s + kNbsp +
                        u"c|o;c|as;c|a;c|amos;c|ais;c|am;c|ava;c|avas;c|ava;c|ávamos;c|áveis;c|avam;"
                        u"qu|ei;c|aste;c|ou;c|amos;c|astes;c|aram;c|ara;c|aras;c|ara;c|áramos;c|áreis;c|aram;"
                        u"c|arei;c|arás;c|ará;c|aremos;c|areis;c|arão;c|aria;c|arias;c|aria;c|aríamos;c|aríeis;c|ariam;"
                        u"qu|e;qu|es;qu|e;qu|emos;qu|eis;qu|em;c|asse;c|asses;c|asse;c|ássemos;c|ásseis;c|assem;"
                        u"c|ar;c|ares;c|ar;c|armos;c|ardes;c|arem;c|a;qu|e;qu|emos;c|ai;qu|em;"
                        u"c|ar;c|ares;c|ar;c|armos;c|ardes;c|arem;c|ando;c|ado;;;;;"_s;

const QString kChecarTabela =
    u"checo checas checa checamos checais checam | checava checavas checava checávamos checáveis checavam |"
    u"chequei checaste checou checamos checastes checaram | checara checaras checara checáramos checáreis checaram |"
    u"checarei checarás checará checaremos checareis checarão |"
    u"checaria checarias checaria checaríamos checaríeis checariam |"
    u"cheque cheques cheque chequemos chequeis chequem |"
    u"checasse checasses checasse checássemos checásseis checassem |"
    u"checar checares checar checarmos checardes checarem | checa cheque chequemos checai chequem |"
    u"checar checares checar checarmos checardes checarem | checando | checado - - - - -"_s;

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
    EXPECT_EQ(html, Esperado(kAmarTabela));
    // The frame and the first row, spelled out.
    EXPECT_TRUE(html.startsWith(
        u"<table align='right' border=0 cellspacing=0 cellpadding=0><tr><td><span id='tempo1'> "
        u"<table width = 90 border=0 cellspacing=0 cellpadding=0><tr><td colspan=2><span id='tempo'>"
        u"Presente do Indicativo</span><br><span id='etempoA'>&nbsp;</span></td></tr><tr><td><span id='pron'>"
        u"eu&nbsp;</span></td><td nowrap><span id='conj'>amo<br></span></td></tr>"_s));
    EXPECT_TRUE(
        html.endsWith(u"<tr><td colspan=2><span id='conj'>amadas\r\n</span></td></tr></table></td></tr></table>"_s));

    // Rows per block, in output order: five in the imperative, one gerund.
    const QStringList blocos = html.split(u"<span id='tempo1'>"_s);
    ASSERT_EQ(blocos.size(), 14);
    const int linhas[] = {6, 6, 6, 6, 6, 6, 6, 6, 6, 5, 6, 1, 4};
    for (int b = 0; b < 13; ++b)
        EXPECT_EQ(Conta(blocos[b + 1], u"<span id='conj'>"_s), linhas[b]) << b;
    EXPECT_EQ(Conta(html, u"<span id='etempoB'>"_s), 12);
}

TEST(MontaConjugacao, RadicalVariavel)
{
    EXPECT_EQ(MontaConjugacao(u"checar"_s, kChecar), Esperado(kChecarTabela));
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
    QString tabela = kAmarTabela;
    tabela.replace(u"amo amas"_s, u"/ amas"_s).replace(u"| ama ame"_s, u"| / ame"_s);
    tabela.replace(u"| amando |"_s, u"| / |"_s).replace(u"amado amada amados"_s, u"amado / amados"_s);
    EXPECT_EQ(MontaConjugacao(u"amar"_s, dados), Esperado(tabela));

    // The same for a variable stem: "/" has no letter to split off.
    dados = Troca(Troca(kChecar, 65, u"/"_s), 67, u"/"_s);
    tabela = kChecarTabela;
    tabela.replace(u"| checando |"_s, u"| / |"_s).replace(u"checado -"_s, u"checado /"_s);
    EXPECT_EQ(MontaConjugacao(u"checar"_s, dados), Esperado(tabela));
}
