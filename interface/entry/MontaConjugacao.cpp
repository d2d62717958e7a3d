#include "MontaConjugacao.h"

#include <QStringList>
#include <array>

#include "TabelaStrings.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QChar kEspacoRigido(0x00A0);
constexpr qsizetype kTotalFormas = 72;


const std::array<QString, 6> kPessoas = {u"eu"_s, u"tu"_s, u"ele"_s, u"nós"_s, u"vós"_s, u"eles"_s};

// Block numbers: 1 to 9 the six-person tenses, then these.
constexpr int kImperativo = 10;
constexpr int kGerundio = 12;
constexpr int kUltimoBloco = 13;

const QString kFechaBloco =
    u"<tr><td colspan='2'><span id='etempoB'>&nbsp;</span></td></tr></table></span> "_s;

QString AbreBloco(const QString& tempo) {
    return u"<span id='tempo1'> <table width = 90 border=0 cellspacing=0 cellpadding=0>"
           u"<tr><td colspan=2><span id='tempo'>"_s
           + tempo + u"</span><br><span id='etempoA'>&nbsp;</span></td></tr>"_s;
}

QString LinhaPessoaForma(const QString& pessoa, const QString& forma) {
    return u"<tr><td><span id='pron'>"_s + pessoa
           + u"&nbsp;</span></td><td nowrap><span id='conj'>"_s + forma + u"<br></span></td></tr>"_s;
}

// The imperative puts the pronoun after the form.
QString LinhaFormaPessoa(const QString& forma, const QString& pessoa) {
    return u"<tr><td><span id='conj'>"_s + forma
           + u"&nbsp;</span></td><td nowrap><span id='pron'>"_s + pessoa + u"<br></span></td></tr>"_s;
}

// Gerund and participle: a missing form keeps its pronoun cell, without
// nowrap; an existing one takes the whole row.
QString LinhaNominalAusente(const QString& pessoa) {
    return u"<tr><td><span id='pron'>"_s + pessoa
           + u"&nbsp;</span></td><td><span id='conj'>/<br></span></td></tr>"_s;
}

QString LinhaNominal(const QString& forma) {
    return u"<tr><td colspan=2><span id='conj'>"_s + forma + u"\r\n</span></td></tr>"_s;
}

// The stem the forms are appended to. With a variable stem one letter of it
// (the last of its kind) is swapped for each form's replacement; the stem is
// kept as the parts before and after that letter so a no-break space already
// in the headword can never be taken for the swap point.
struct Radical {
    QString antes;
    QString letra;
    QString depois;
    bool variavel = false;

    // A form of the variable stem is "R|ending"; one without "|" keeps the
    // stem's own letter.
    QString Forma(const QString& f) const {
        if (!variavel)
            return antes + f;
        const qsizetype barra = f.indexOf(u'|');
        if (barra < 0)
            return antes + letra + depois + f;
        return antes + f.left(barra) + depois + f.mid(barra + 1);
    }
};

bool LeRadical(const QString& verbo, const QString& regra, Radical& radical) {
    const qsizetype barra = regra.indexOf(u'|');
    const QString terminacao = barra < 0 ? regra : regra.section(u'|', 1, 1);
    const qsizetype fim = verbo.lastIndexOf(terminacao);
    if (fim < 0)
        return false;
    const QString base = verbo.left(fim);
    if (barra < 0) {
        radical.antes = base;
        return true;
    }
    const QString letra = regra.left(barra);
    const qsizetype k = letra.isEmpty() ? -1 : base.lastIndexOf(letra);
    if (k < 0)
        return false;   // no letter to swap: the forms could not be rebuilt right
    radical.antes = base.left(k);
    radical.letra = base.mid(k, 1);
    radical.depois = base.mid(k + 1);
    radical.variavel = true;
    return true;
}

}  // namespace

QString MontaConjugacao(const QString& verbo, const QString& dados) {
    if (dados.isEmpty() || dados == QString(kEspacoRigido))
        return {};
    const QStringList partes = dados.split(kEspacoRigido);
    if (partes.size() < 2)
        return {};
    const QStringList formas = partes[1].split(u';');
    if (formas.size() != kTotalFormas)
        return {};
    Radical radical;
    if (!LeRadical(verbo, partes[0], radical))
        return {};

    const QStringList tempos = TabelaStrings::Texto(TabelaStrings::NomesTempos).split(u',');
    std::array<QString, kUltimoBloco + 1> blocos;
    int t = 0;
    int p = 0;
    for (const QString& f : formas) {
        if (p == 0) {
            if (t != 0)
                blocos[t] += kFechaBloco;
            ++t;
            blocos[t] += AbreBloco(tempos[t - 1]);
            if (t == kImperativo)
                p = 1;   // no first person in the imperative
            else if (t == kGerundio)
                p = 5;   // one form only
        }
        if (t < kGerundio) {
            const QString x = f == u"/" ? f : radical.Forma(f);
            blocos[t] += t == kImperativo ? LinhaFormaPessoa(x, kPessoas[p]) : LinhaPessoaForma(kPessoas[p], x);
        } else if (!f.isEmpty()) {
            // A missing gerund or participle has no "R|" to split, whatever
            // the stem: it reads the same as for a regular verb.
            blocos[t] += f == u"/" ? LinhaNominalAusente(kPessoas[p]) : LinhaNominal(radical.Forma(f));
        }
        p = (p + 1) % 6;
    }

    // The perfect goes before the imperfect.
    QString html = u"<table align='right' border=0 cellspacing=0 cellpadding=0><tr><td>"_s;
    html += blocos[1] + blocos[3] + blocos[2];
    for (int b = 4; b <= kUltimoBloco; ++b)
        html += blocos[b];
    html += u"</table></td></tr></table>"_s;
    return html;
}
