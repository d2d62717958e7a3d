// An engine whose searches answer with a result set the test gives it, in
// chunks of the size it was told, and which writes down every call that
// shapes a search so a test can read the sequence back.
#pragma once

#include "MotorDicionario.h"

#include <QHash>
#include <QStringList>
#include <utility>
#include <vector>

class MotorBuscaFalso : public MotorDicionario {
public:
    std::vector<std::pair<QString, qint32>> resultados; // what every search finds
    QHash<qint32, QString> verbetes; // entry HTML by id
    QStringList chamadas; // "PesquisaMascara des*", "DefineFiltro 3 13", ...
    int blocosPedidos = 0;
    qint16 limite = 300;
    QString erro; // what every call reports as its error

    qint32 PesquisaPalavra(const QString& palavra, qint32, QString& lista) override
    {
        chamadas << QStringLiteral("PesquisaPalavra ") + palavra;
        lista = Bloco(0);
        return static_cast<qint32>(resultados.size());
    }
    qint32 PesquisaMascara(const QString& mascara, QString& lista, qint32) override
    {
        chamadas << QStringLiteral("PesquisaMascara ") + mascara;
        lista = Bloco(0);
        return static_cast<qint32>(resultados.size());
    }
    void PesquisaReversa(QString& palavra, QString& lista, qint32, qint32, qint32& total) override
    {
        chamadas << QStringLiteral("PesquisaReversa ") + palavra;
        lista = Bloco(0);
        total = static_cast<qint32>(resultados.size());
    }
    void DefineFiltro(qint16 operacao, qint16 codigo) override
    {
        chamadas << QStringLiteral("DefineFiltro %1 %2").arg(operacao).arg(codigo);
    }
    void LimiteResultados(qint16 n) override { limite = n; }
    qint32 ObtemTotalResultados() override { return static_cast<qint32>(resultados.size()); }
    qint32 ObtemResultados(qint16, qint32& cursor, QString& lista) override
    {
        ++blocosPedidos;
        if (cursor < 0 || cursor >= static_cast<qint32>(resultados.size())) {
            lista.clear();
            return -1;
        }
        lista = Bloco(cursor);
        const qint32 proximo = cursor + limite;
        return proximo >= static_cast<qint32>(resultados.size()) ? -1 : proximo;
    }
    QString ObtemVerbete(qint32& id, QString& texto, qint32) override
    {
        texto = verbetes.value(id);
        return QString();
    }

    bool AbreDados() override { return true; }
    QString ObtemInformacoes() override { return {}; }
    qint32 LocalizaPalavra(const QString&) override { return -1; }
    bool EhVerbo(qint32&) override { return false; }
    QString ObtemConjugacao(QString&) override { return {}; }
    QString ObtemAbreviatura(QString&) override { return {}; }
    qint32 ObtemFlexoes(const QString&, QString&) override { return -1; }
    QString ObtemUltimoErro() const override { return erro; }

    // n results "p0".."p(n-1)" with ids 1000 on.
    void Preenche(int n)
    {
        resultados.clear();
        for (int i = 0; i < n; ++i)
            resultados.emplace_back(QStringLiteral("p%1").arg(i), 1000 + i);
    }

private:
    QString Bloco(qint32 inicio) const
    {
        QString texto;
        for (qint32 i = inicio; i < inicio + limite && i < static_cast<qint32>(resultados.size()); ++i)
            texto +=
                resultados[static_cast<size_t>(i)].first + u'|' + QString::number(resultados[size_t(i)].second) + u'|';
        return texto;
    }
};
