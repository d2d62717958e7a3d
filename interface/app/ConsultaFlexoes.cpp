#include "ConsultaFlexoes.h"

#include <QStringList>

#include "MontaConjugacao.h"
#include "MotorDicionario.h"
#include "UtilTexto.h"

namespace {

constexpr QChar kEspacoRigido(0x00A0);

bool SemConjugacao(const QString& dados) {
    const QString aparado = AparaEspacos(dados);
    return aparado.isEmpty() || aparado == QString(kEspacoRigido);
}

// "lavar-se", "abelhuar-se": an infinitive, a hyphen, a pronoun.
bool EhPronominal(const QString& verbo) {
    const qsizetype hifen = verbo.indexOf(u'-');
    return hifen > 0 && verbo.at(hifen - 1) == u'r';
}

}  // namespace

QString ConjugacaoDoVerbete(MotorDicionario& motor, qint32 id, const QString& bruto) {
    if (!motor.EhVerbo(id))
        return {};
    QString verbo = limpaVerbete1(bruto);
    QString dados = motor.ObtemConjugacao(verbo);
    if (SemConjugacao(dados) && EhPronominal(verbo)) {
        verbo = bruto.left(bruto.indexOf(u'-'));
        dados = motor.ObtemConjugacao(verbo);
    }
    return MontaConjugacao(verbo, dados);
}

QString ExpandeFlexoes(MotorDicionario& motor, const QString& texto) {
    QString resultado;
    for (const QString& palavra : texto.split(u' ')) {
        resultado += palavra + u' ';
        QString formas;
        if (motor.ObtemFlexoes(palavra, formas) == -1)
            continue;
        // Pairs of form and what goes with it; only the form is wanted.
        const QStringList pecas = formas.split(u'|');
        for (qsizetype k = 0; k + 1 < pecas.size(); k += 2)
            resultado += CortaEspacoRigido(pecas[k]) + u' ';
    }
    return AparaEspacos(resultado);
}
