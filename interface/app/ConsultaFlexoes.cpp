#include "ConsultaFlexoes.h"

#include "MontaConjugacao.h"
#include "MotorDicionario.h"
#include "UtilTexto.h"
#include "mini/ListaResultados.h"
#include "mini/PedidoConjugacao.h"

#include <QStringList>
#include <QtGlobal>

QString ConjugacaoDoVerbete(MotorDicionario& motor, qint32 id, const QString& bruto)
{
    if (!motor.EhVerbo(id))
        return {};
    const mini::ConjugacaoPedida pedida =
        mini::PedeConjugacao(limpaVerbete1(bruto).toStdString(), [&motor](std::string& verbo) {
            QString v = QString::fromStdString(verbo);
            const QString dados = motor.ObtemConjugacao(v);
            verbo = v.toStdString();
            return dados.toStdString();
        });
    return MontaConjugacao(QString::fromStdString(pedida.verbo), QString::fromStdString(pedida.dados));
}

QString ExpandeFlexoes(MotorDicionario& motor, const QString& texto)
{
    QString resultado;
    for (const QString& palavra : texto.split(u' ')) {
        resultado += palavra + u' ';
        QString formas;
        if (motor.ObtemFlexoes(palavra, formas) == -1)
            continue;
        const mini::ListaResultados lista = mini::LeResultados(formas.toStdString());
        if (!lista.Valida())
            qWarning("formas de \"%s\" ilegíveis: %s", qUtf8Printable(palavra), lista.erro.c_str());
        for (const mini::Resultado& r : lista.itens)
            resultado += CortaEspacoRigido(QString::fromStdString(r.palavra)) + u' ';
    }
    return AparaEspacos(resultado);
}
