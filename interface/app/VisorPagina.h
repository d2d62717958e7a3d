// The entry area: a web view that shows the program's local pages and an
// entry's HTML. When the start page has loaded, its "versoes" element gets
// the version line. Links inside a page are not followed here.
#pragma once

#include <QString>
#include <QWebEngineView>
#include <functional>

class VisorPagina : public QWebEngineView {
    Q_OBJECT
public:
    explicit VisorPagina(QWidget* pai);

    // Gives the version line for the start page.
    std::function<QString()> TextoVersoes;

    void MostraPagina(const QString& caminho);
    // An entry's HTML, plainly, inside a minimal page.
    void MostraHtml(const QString& corpo, const QString& pastaBase);
    QString PaginaAtual() const { return m_pagina; }

signals:
    // The content is in place (ok false: the page could not be read).
    void Carregado(bool ok);

private:
    QString m_pagina;
};
