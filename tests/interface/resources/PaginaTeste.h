// A real web page for the tests: loads a template of the program folder,
// puts content into it and runs scripts in the program's own script world,
// as the entry view does.
#pragma once

#include "ScriptsPagina.h"
#include "TabelaCasos.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineScript>

class PaginaTeste {
public:
    bool Carrega(const QString& caminho)
    {
        QSignalSpy fim(&m_pagina, &QWebEnginePage::loadFinished);
        m_pagina.load(QUrl::fromLocalFile(caminho));
        return fim.wait(30000) && fim.at(0).at(0).toBool();
    }

    QVariant Js(const QString& codigo, quint32 mundo = QWebEngineScript::ApplicationWorld)
    {
        QVariant resultado;
        QEventLoop laco;
        m_pagina.runJavaScript(codigo, mundo, [&](const QVariant& v) {
            resultado = v;
            laco.quit();
        });
        QTimer::singleShot(30000, &laco, &QEventLoop::quit);
        laco.exec();
        return resultado;
    }

    // The entry area's content, set the way the program sets it.
    void Conteudo(const QString& html)
    {
        Js(QStringLiteral("document.getElementById('AreaVerbete').innerHTML = %1;").arg(Literal(html)));
    }
    QString Conteudo() { return Js(QStringLiteral("document.getElementById('AreaVerbete').innerHTML")).toString(); }

    void PreparaMarca() { Js(ScriptsPagina::ScriptMarca()); }

    // A fragment the program puts into its pages (tests/data/pagina/fragmentos.tsv).
    static QString Fragmento(const QString& nome)
    {
        for (const QStringList& l : LeCasos(QStringLiteral("pagina/fragmentos.tsv")))
            if (l.first() == nome)
                return l.mid(1).join(u'\t');
        return {};
    }

    // Text as a JavaScript string literal (JSON's form is one).
    static QString Literal(const QString& texto)
    {
        const QByteArray json = QJsonDocument(QJsonArray{texto}).toJson(QJsonDocument::Compact);
        return QString::fromUtf8(json.mid(1, json.size() - 2));
    }
    static QString Lista(const QStringList& textos)
    {
        return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(textos)).toJson(QJsonDocument::Compact));
    }

    QWebEnginePage& Pagina() { return m_pagina; }

private:
    QWebEnginePage m_pagina;
};
