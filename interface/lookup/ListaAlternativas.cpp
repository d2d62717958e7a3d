#include "ListaAlternativas.h"

#include "MotorDicionario.h"

#include <QStringList>

namespace {

// The homonym number after its mark is raised.
QString ElevaNumero(QString palavra)
{
    for (QChar marca : {QChar(0x00A0), QChar(0x0178)}) {
        if (palavra.contains(marca)) {
            palavra.replace(marca, QStringLiteral("<sup>"));
            palavra += QStringLiteral("</sup>");
        }
    }
    return palavra;
}

} // namespace

QString MontaListaAlternativas(MotorDicionario& motor, const QString& titulo, qint32 id)
{
    QString lista;
    if (motor.PesquisaPalavra(titulo, 0, lista) < 1)
        return {};
    qint32 cursor = 0;
    motor.ObtemResultados(0, cursor, lista);
    const QStringList partes = lista.split(u'|');
    QString s = QStringLiteral("<table  border=0 cellspacing=0 cellpadding=0><tr><td><span id='vAlternativas'>");
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
        if (partes.at(i + 1).toInt() != id)
            s += QStringLiteral("<a href='goID://") + partes.at(i + 1) + QStringLiteral("'>") + ElevaNumero(partes.at(i)) +
                 QStringLiteral("</a><BR>");
    }
    s += QStringLiteral("</span></td></tr></table>");
    return partes.size() >= 5 ? s : QString();
}
