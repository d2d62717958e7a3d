// The page CBrowser writes to while the web view may not exist yet: the web
// view starts a moment after the window, so until then the last page asked
// for is kept and loaded when the view arrives (the content itself waits in
// CBrowser until that page completes).
#pragma once

#include "DocumentoPagina.h"

class VisorWeb;

class DocumentoVisor : public DocumentoPagina {
public:
    void DefineVisor(VisorWeb* visor);
    VisorWeb* Visor() const { return m_visor; }

    void Navega(const QString& caminho) override;
    void DefineHtml(const QString& id, const QString& html) override;
    void DefineVisivel(const QString& id, bool visivel) override;
    void Marca(const QStringList& palavras, const QString& iniciada, const QString& terminada, const QString& corFundo,
               const QString& corTexto) override;
    void Imprime() override;
    void AbreExterno(const QString& endereco) override;

private:
    VisorWeb* m_visor = nullptr;
    QString m_pendente;
};
