// One visit of the history: an entry, a plain page (manual, help) or a
// composed result or message page, with the search criteria that led there
// so the searched words can be marked again when it is replayed.
#pragma once

#include <QString>
#include <QtGlobal>

class CHistReg {
public:
    enum Tipo : qint16 {
        kVerbete = 1,
        kPagina = 2,
        kLista = 3
    };

    // An entry: its headword and id, and the criteria of the result list it
    // was opened from (empty when it was not).
    void Dados(const QString& titulo, qint32 idVerbete, const QString& palavra, const QString& iniciada,
               const QString& terminada);
    // A plain page: its title ("Manual" for every plain page) and path or URL.
    void Dados_Paginas(const QString& titulo, const QString& arquivo);
    // A result or message page: its composed HTML and criteria.
    void Dados_Lista(const QString& conteudo, const QString& palavra, const QString& iniciada,
                     const QString& terminada);

    const QString& getTitulo() const { return m_titulo; }
    qint32 getIDVerbete() const { return m_idVerbete; }
    const QString& getArquivo() const { return m_arquivo; }
    const QString& getConteudo() const { return m_conteudo; }
    const QString& getBuscaTerminada() const { return m_buscaTerminada; }
    const QString& getBuscaIniciada() const { return m_buscaIniciada; }
    const QString& getBuscaPalavra() const { return m_buscaPalavra; }
    // A Tipo; 0 before any Dados call.
    qint16 getTipo() const { return m_tipo; }

private:
    // What a kind does not set stays empty (0 for the id).
    QString m_titulo;
    qint32 m_idVerbete = 0;
    QString m_arquivo;
    qint16 m_tipo = 0;
    QString m_conteudo;
    QString m_buscaIniciada;
    QString m_buscaTerminada;
    QString m_buscaPalavra;
};
