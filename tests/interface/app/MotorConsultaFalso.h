// An engine that knows only what a test gives it: which ids are verbs, the
// conjugation text of some words and the forms of others. It keeps the words
// it was asked about.
#pragma once

#include "MotorDicionario.h"

#include <QHash>
#include <QSet>
#include <QStringList>

class MotorConsultaFalso : public MotorDicionario {
public:
    QSet<qint32> verbos;
    QHash<QString, QString> conjugacoes;
    QHash<QString, QString> flexoes; // a word absent here has none (-1)
    QStringList conjugacoesPedidas, flexoesPedidas;

    bool EhVerbo(qint32& id) override { return verbos.contains(id); }
    QString ObtemConjugacao(QString& verbo) override
    {
        conjugacoesPedidas << verbo;
        return conjugacoes.value(verbo);
    }
    qint32 ObtemFlexoes(const QString& palavra, QString& formas) override
    {
        flexoesPedidas << palavra;
        const auto it = flexoes.constFind(palavra);
        if (it == flexoes.constEnd())
            return -1;
        formas = *it;
        return static_cast<qint32>(formas.count(u'|') / 2);
    }

    // Not asked by these routines.
    bool AbreDados() override { return true; }
    QString ObtemInformacoes() override { return {}; }
    qint32 LocalizaPalavra(const QString&) override { return -1; }
    QString ObtemVerbete(qint32&, QString&, qint32) override { return {}; }
    QString ObtemAbreviatura(QString&) override { return {}; }
    qint32 PesquisaPalavra(const QString&, qint32, QString&) override { return 0; }
    qint32 PesquisaMascara(const QString&, QString&, qint32) override { return 0; }
    void PesquisaReversa(QString&, QString&, qint32, qint32, qint32&) override { }
    qint32 ObtemTotalResultados() override { return 0; }
    qint32 ObtemResultados(qint16, qint32&, QString&) override { return -1; }
    void DefineFiltro(qint16, qint16) override { }
    void LimiteResultados(qint16) override { }
};
