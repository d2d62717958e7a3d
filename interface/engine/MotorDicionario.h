// What the viewer needs from the dictionary engine, in the viewer's own
// string type. Components take this interface so their logic can be tested
// with a fake engine; MotorMini is the real one.
#pragma once

#include <QString>
#include <QtGlobal>

class MotorDicionario {
public:
    virtual ~MotorDicionario() = default;

    virtual bool AbreDados() = 0;
    virtual QString ObtemInformacoes() = 0;
    virtual qint32 LocalizaPalavra(const QString& palavra) = 0;
    virtual QString ObtemVerbete(qint32& id, QString& texto, qint32 chave) = 0;
    virtual bool EhVerbo(qint32& id) = 0;
    virtual QString ObtemConjugacao(QString& verbo) = 0;
    virtual QString ObtemAbreviatura(QString& palavra) = 0;
    virtual qint32 PesquisaPalavra(const QString& palavra, qint32 modo, QString& resultados) = 0;
    virtual qint32 PesquisaMascara(const QString& mascara, QString& resultados, qint32 lista) = 0;
    virtual void PesquisaReversa(QString& palavra, QString& resultados, qint32 reservado1, qint32 reservado2,
                                 qint32& total) = 0;
    virtual qint32 ObtemTotalResultados() = 0;
    virtual qint32 ObtemResultados(qint16 origem, qint32& cursor, QString& lista) = 0;
    virtual void DefineFiltro(qint16 operacao, qint16 codigo) = 0;
    virtual qint32 ObtemFlexoes(const QString& palavra, QString& formas) = 0;
    virtual void LimiteResultados(qint16 limite) = 0;
    // Why the last call could not answer (a damaged or unreadable file, a
    // query past the limits); "" when it went well, so an empty answer
    // with no error is "nothing found".
    virtual QString ObtemUltimoErro() const { return {}; }
};
