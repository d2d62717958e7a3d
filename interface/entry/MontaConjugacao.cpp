#include "MontaConjugacao.h"

#include "TabelaStrings.h"
#include "mini/TextoConjugacao.h"

#include <QStringList>
#include <QtGlobal>
#include <array>

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, 6> kPessoas = {u"eu"_s, u"tu"_s, u"ele"_s, u"nós"_s, u"vós"_s, u"eles"_s};

const QString kFechaBloco = u"<tr><td colspan='2'><span id='etempoB'>&nbsp;</span></td></tr></table></span> "_s;

QString AbreBloco(const QString& tempo)
{
    return u"<span id='tempo1'> <table width = 90 border=0 cellspacing=0 cellpadding=0>"
           u"<tr><td colspan=2><span id='tempo'>"_s +
           tempo + u"</span><br><span id='etempoA'>&nbsp;</span></td></tr>"_s;
}

QString LinhaPessoaForma(const QString& pessoa, const QString& forma)
{
    return u"<tr><td><span id='pron'>"_s + pessoa + u"&nbsp;</span></td><td nowrap><span id='conj'>"_s + forma +
           u"<br></span></td></tr>"_s;
}

// The imperative puts the pronoun after the form.
QString LinhaFormaPessoa(const QString& forma, const QString& pessoa)
{
    return u"<tr><td><span id='conj'>"_s + forma + u"&nbsp;</span></td><td nowrap><span id='pron'>"_s + pessoa +
           u"<br></span></td></tr>"_s;
}

// Gerund and participle: a missing form keeps its pronoun cell, without
// nowrap; an existing one takes the whole row.
QString LinhaNominalAusente(const QString& pessoa)
{
    return u"<tr><td><span id='pron'>"_s + pessoa + u"&nbsp;</span></td><td><span id='conj'>/<br></span></td></tr>"_s;
}

QString LinhaNominal(const QString& forma)
{
    return u"<tr><td colspan=2><span id='conj'>"_s + forma + u"\r\n</span></td></tr>"_s;
}

} // namespace

QString MontaConjugacao(const QString& verbo, const QString& dados)
{
    const mini::Conjugacao conjugacao = mini::LeConjugacao(verbo.toStdString(), dados.toStdString());
    if (conjugacao.estado == mini::Conjugacao::Estado::Invalida)
        qWarning("conjugação de \"%s\" ilegível: %s", qUtf8Printable(verbo), conjugacao.erro.c_str());
    if (conjugacao.estado != mini::Conjugacao::Estado::Lida)
        return {};

    const QStringList tempos = TabelaStrings::Texto(TabelaStrings::NomesTempos).split(u',');
    std::array<QString, mini::kTemposConjugacao> blocos;
    for (int t = 0; t < mini::kTemposConjugacao; ++t) {
        QString& bloco = blocos[static_cast<size_t>(t)];
        bloco = AbreBloco(tempos.value(t));
        for (const mini::FormaConjugada& f : conjugacao.tempos[static_cast<size_t>(t)]) {
            const QString forma = QString::fromStdString(f.forma);
            const QString& pessoa = kPessoas[static_cast<size_t>(f.pessoa)];
            if (t == mini::kImperativo)
                bloco += LinhaFormaPessoa(forma, pessoa);
            else if (t < mini::kGerundio)
                bloco += LinhaPessoaForma(pessoa, forma);
            else if (forma == u"/")
                bloco += LinhaNominalAusente(pessoa);
            else if (!forma.isEmpty())
                bloco += LinhaNominal(forma);
        }
        // The last block is closed by the frame.
        if (t + 1 < mini::kTemposConjugacao)
            bloco += kFechaBloco;
    }

    // The perfect goes before the imperfect.
    QString html = u"<table align='right' border=0 cellspacing=0 cellpadding=0><tr><td>"_s;
    html += blocos[mini::kPresenteIndicativo] + blocos[mini::kPerfeito] + blocos[mini::kImperfeitoIndicativo];
    for (int t = mini::kMaisQuePerfeito; t < mini::kTemposConjugacao; ++t)
        html += blocos[static_cast<size_t>(t)];
    html += u"</table></td></tr></table>"_s;
    return html;
}
