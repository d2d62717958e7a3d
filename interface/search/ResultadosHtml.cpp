#include "ResultadosHtml.h"

#include "MotorDicionario.h"
#include "TabelaChaves.h"
#include "TabelaStrings.h"
#include "mini/ListaResultados.h"

namespace {

const QString kAbreElemento = QStringLiteral("<span id=");
const QString kFechaElemento = QStringLiteral("</span>");

} // namespace

QString ResultadosHtml::TextoElemento(const QString& id, const QString& html)
{
    const QString abertura = kAbreElemento + u'"' + id + QStringLiteral("\">");
    const qsizetype pos = html.indexOf(abertura);
    if (pos < 0)
        return {};
    const qsizetype inicio = pos + abertura.size();
    QString texto = html;
    qsizetype fim = texto.indexOf(kFechaElemento, inicio);
    if (fim < 0)
        return {};
    // An inner element ends first: cut it out whole and look again.
    for (;;) {
        const qsizetype interno = texto.lastIndexOf(kAbreElemento, fim);
        if (interno < inicio)
            break;
        texto.remove(interno, fim + kFechaElemento.size() - interno);
        fim = texto.indexOf(kFechaElemento, inicio);
        if (fim < 0)
            return {};
    }
    return texto.mid(inicio, fim - inicio);
}

QString ResultadosHtml::ResumoDe(const QString& html)
{
    const QString etimologia = TextoElemento(QStringLiteral("D_ETM"), html);
    const qsizetype cg = html.indexOf(kAbreElemento + QStringLiteral("\"D_N_CG\">"));
    const qsizetype reg = html.indexOf(kAbreElemento + QStringLiteral("\"D_N_REG\">"));
    QString classe;
    if (cg >= 0 && (reg < 0 || cg < reg))
        classe = TextoElemento(QStringLiteral("D_N_CG"), html);
    else if (reg >= 0)
        classe = TextoElemento(QStringLiteral("D_N_REG"), html);
    const QString definicao = TextoElemento(QStringLiteral("D_DEF"), html);

    QString resumo = (etimologia + u' ' + classe + u' ' + definicao).left(TamanhoResumo);
    // The blanks between the parts do not count towards the cut mark.
    if (etimologia.size() + classe.size() + definicao.size() > TamanhoResumo)
        resumo += QStringLiteral("...");
    resumo.remove(QStringLiteral("<BR>"));
    return resumo;
}

QString ResultadosHtml::Resumo(MotorDicionario& motor, qint32 id)
{
    if (id < 0)
        return {};
    QString html;
    qint32 idMotor = id;
    motor.ObtemVerbete(idMotor, html, TabelaChaves::global().chave(id));
    return ResumoDe(html);
}

QString ResultadosHtml::PalavraMarcada(const QString& palavra)
{
    for (const QChar marca : {QChar(0x00A0), QChar(0x0178)}) {
        if (palavra.contains(marca)) {
            QString marcada = palavra;
            marcada.replace(marca, QStringLiteral("<span id=\"D_SUP_RES\">"));
            return marcada + kFechaElemento;
        }
    }
    return palavra;
}

QString ResultadosHtml::Monta(MotorDicionario& motor, const QString& pares, int alturaTwips)
{
    const mini::ListaResultados lista = mini::LeResultados(pares.toStdString());
    const double limite = (alturaTwips - 7200) / 800.0 + 5;
    QString html;
    int k = 0;
    for (const mini::Resultado& r : lista.itens) {
        const QString id = QString::number(r.id);
        const QString palavra = PalavraMarcada(QString::fromStdString(r.palavra));
        html += QStringLiteral("<span id='T7'><a href='goID://") + id + QStringLiteral("'>") + palavra +
                QStringLiteral("</a></span><BR>");
        html += QStringLiteral("<table width=100% ><tr><td><span id='T8'><a href='goID://") + id +
                QStringLiteral("'>") + Resumo(motor, r.id) + QStringLiteral("</a></td></tr></table></span>");
        if (limite < k) {
            html += TabelaStrings::Texto(TabelaStrings::ListaIncompleta);
            break;
        }
        ++k;
    }
    return html;
}
