// What the entry view's composition needs from the page on screen. The web
// view is the real one; tests use a map from element id to inner HTML.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class DocumentoPagina {
public:
    virtual ~DocumentoPagina() = default;

    // Starts loading a local file; DocumentoCompleto follows when it is in.
    virtual void Navega(const QString& caminho) = 0;
    // The inner HTML of the element with that id (nothing when it is absent).
    virtual void DefineHtml(const QString& id, const QString& html) = 0;
    // The element's "visibility" style: visible or hidden.
    virtual void DefineVisivel(const QString& id, bool visivel) = 0;
    // Marks the searched words in the content area; colours as "#RRGGBB".
    virtual void Marca(const QStringList& palavras, const QString& iniciada, const QString& terminada,
                       const QString& corFundo, const QString& corTexto) = 0;
    // The print dialog, then the page as it is now.
    virtual void Imprime() = 0;
    // Opens an address outside the program, in the user's web browser.
    virtual void AbreExterno(const QString& endereco) = 0;
};
