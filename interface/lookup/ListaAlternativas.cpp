#include "ListaAlternativas.h"

#include "MotorDicionario.h"

#include <mini/ListaResultados.h>

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
    const mini::ListaResultados r = mini::LeResultados(lista.toStdString());
    // One entry is the one shown: nothing else shares the headword.
    if (r.itens.size() < 2)
        return {};
    QString s = QStringLiteral("<table  border=0 cellspacing=0 cellpadding=0><tr><td><span id='vAlternativas'>");
    for (const mini::Resultado& item : r.itens) {
        if (item.id != id)
            s += QStringLiteral("<a href='goID://%1'>").arg(item.id) +
                 ElevaNumero(QString::fromStdString(item.palavra)) + QStringLiteral("</a><BR>");
    }
    return s + QStringLiteral("</span></td></tr></table>");
}
