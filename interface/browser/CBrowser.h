// The entry view's logic: which template page is loaded, how an entry, its
// side box (other homonyms, the conjugation) and the result pages get into
// it while it may still be loading, what a clicked link means, the three
// view modes, printing and the searched-word highlighting. It reaches the
// page only through DocumentoPagina, so it runs without a browser in tests.
#pragma once

#include "LinkPagina.h"

#include <QString>
#include <QStringList>
#include <functional>

class DocumentoPagina;

class CBrowser {
public:
    // 0 nothing shown; 1 a plain page; 2 a template showing the content;
    // 3 the template is loading and the content waits.
    enum Estado {
        Vazio = 0,
        PaginaSimples = 1,
        ModeloPronto = 2,
        ModeloCarregando = 3
    };

    struct Eventos {
        std::function<void()> Carregado; // content is in the page
        std::function<void(const LinkPagina&)> ExecComando; // a command link was clicked
        std::function<void(const QString& html)> Historico; // a result page was composed
        std::function<void(const QString& caminho)> HistPagina; // a plain page begins to load
    } Eventos;

    CBrowser(DocumentoPagina& documento, QString pastaPrograma);

    void MostraPagina(const QString& caminho);
    void MostraVerbete(const QString& html);
    // A result or message page: the text of that number with "%name" replaced
    // by the values given in name, value pairs ("1" and "2" are HTML-encoded).
    void MostraLista(int texto, const QStringList& parametros);
    // The page as it was composed, replayed from the history.
    void MostraHtmlLista(const QString& html);
    void ListaAlternativas(const QString& alternativas, const QString& conjugacao);
    void MostrarListaAlternativa(bool visivel);

    // From the page: a navigation is starting (false: cancel it) and a
    // document has completed.
    bool Navegacao(const QString& endereco);
    void DocumentoCompleto();
    // From the page: a link was clicked whose text is a command.
    void LinkClicado(const QString& endereco);

    void AlteraModelo(int modo);
    QString ObtemVisualNome(int indice) const;
    void setUsandoBotoes(int indice) { m_botaoVisual = indice; }
    void Imprimir();
    void AbreWeb();

    void PalavraBusca(const QString& palavra, const QString& iniciada, const QString& terminada);
    void MarcaPalavra(bool ativa) { m_marcaAtiva = ativa; }
    // Colours as the settings keep them, 0x00BBGGRR.
    void DefineCorPalavraEncontrada(quint32 fundo, quint32 texto);

    Estado EstadoPagina() const { return m_estado; }
    int ModoVisual() const { return m_modoVisual; }
    bool SemVerbete() const { return m_semVerbete; }
    const QString& HtmlConteudo() const { return m_htmlConteudo; }
    const QString& HtmlConjugacao() const { return m_htmlConjugacao; }
    const QString& HtmlAlternativas() const { return m_htmlAlternativas; }
    const QString& PalavraBuscada() const { return m_palavraBusca; }
    QString ArquivoModelo() const { return m_arquivoModelo; }
    bool CaixaVisivel() const { return m_caixaVisivel; }

    static QString CorHtml(quint32 corBGR);
    static inline const QString EnderecoWeb = QStringLiteral("https://minilexaria.example.org/");

private:
    void MostraConteudo(const QString& html);
    void PoeConteudo();
    void MarcarTexto();
    bool TemBusca() const;

    DocumentoPagina& m_documento;
    QString m_pasta;
    QString m_corFundo = QStringLiteral("#FFFF00");
    QString m_corTexto = QStringLiteral("#000000");
    Estado m_estado = Vazio;
    QString m_htmlConteudo;
    QString m_htmlAlternativas;
    QString m_htmlConjugacao;
    QString m_palavraBusca;
    QString m_buscaIniciada;
    QString m_buscaTerminada;
    bool m_marcaAtiva = true;
    bool m_semVerbete = false;
    QString m_arquivoModelo = QStringLiteral("f1.htm");
    int m_modoVisual = 0;
    int m_botaoVisual = 0;
    bool m_caixaVisivel = false;
};
