// A page that is only a map from element id to inner HTML: it records what
// the entry view's logic asks of it.
#pragma once

#include "DocumentoPagina.h"

#include <QMap>
#include <QStringList>

class DocumentoFalso : public DocumentoPagina {
public:
    QStringList navegacoes;
    QMap<QString, QString> html;
    QMap<QString, bool> visivel;
    QStringList marcas; // "words|beginning|end|background|text" per call
    int impressoes = 0;
    QString areaAoImprimir;
    bool caixaVisivelAoImprimir = false;
    QString conjugacaoAoImprimir;
    QStringList externos;

    void Navega(const QString& caminho) override
    {
        navegacoes << caminho;
        html.clear();
        visivel.clear();
    }
    void DefineHtml(const QString& id, const QString& h) override { html[id] = h; }
    void DefineVisivel(const QString& id, bool v) override { visivel[id] = v; }
    void Marca(const QStringList& palavras, const QString& iniciada, const QString& terminada, const QString& fundo,
               const QString& texto) override
    {
        marcas << QStringList{palavras.join(u' '), iniciada, terminada, fundo, texto}.join(u'|');
    }
    void Imprime() override
    {
        ++impressoes;
        areaAoImprimir = html.value(QStringLiteral("AreaVerbete"));
        caixaVisivelAoImprimir = visivel.value(QStringLiteral("table1"));
        conjugacaoAoImprimir = html.value(QStringLiteral("ListaConjugacao"));
    }
    void AbreExterno(const QString& endereco) override { externos << endereco; }
};
