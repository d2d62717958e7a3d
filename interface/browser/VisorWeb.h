// The entry area on screen: a web view that loads only the program's local
// pages, lets them run no scripts of their own and read no files, and
// carries out DocumentoPagina for CBrowser. Link clicks and page loads come
// back through the hooks below.
#pragma once

#include "DocumentoPagina.h"

#include <QWebEngineView>
#include <functional>

class ArquivosPrograma;
class QLabel;

class VisorWeb : public QWebEngineView, public DocumentoPagina {
    Q_OBJECT
public:
    VisorWeb(QWidget* pai, const QString& pastaPrograma);
    ~VisorWeb() override;

    std::function<bool(const QString& endereco)> AoNavegar; // false: cancel
    std::function<void(const QString& endereco)> AoClicarLink;
    std::function<void(bool ok)> AoCompletar;
    // The version line for the start page's "versoes" element.
    std::function<QString()> TextoVersoes;

    // The view fills area; the waiting and searching pictures stay centred in it.
    void Tamanho(const QRect& area);
    void MostraAguarde(bool visivel);
    bool AguardeVisivel() const;
    // Shown while a list search starts, drawn at once: the search holds
    // the event loop until its first results.
    void MostraPesquisando(bool visivel);
    bool PesquisandoVisivel() const;

    // DocumentoPagina
    void Navega(const QString& caminho) override;
    void DefineHtml(const QString& id, const QString& html) override;
    void DefineVisivel(const QString& id, bool visivel) override;
    void Marca(const QStringList& palavras, const QString& iniciada, const QString& terminada, const QString& corFundo,
               const QString& corTexto) override;
    void Imprime() override;
    void AbreExterno(const QString& endereco) override;

    const ArquivosPrograma& Arquivos() const { return *m_arquivos; }
    // The page shown, as a path in the program's folder.
    const QString& Caminho() const { return m_caminho; }

    // Runs after every change queued so far has reached the page.
    void QuandoPronto(std::function<void()> feito);

private:
    void Executa(const QString& script);

    ArquivosPrograma* m_arquivos;
    QLabel* m_aguarde = nullptr;
    QLabel* m_pesquisando = nullptr;
    QString m_caminho;
};
