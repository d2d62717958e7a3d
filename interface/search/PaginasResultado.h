// Turns the outcome of a list search into the result page and the title
// line above the results list, choosing the texts by the kind of search and
// the shape of its term.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class DestinoResultados;

class PaginasResultado {
public:
    // The page and title of a search, and the searched parts they show.
    struct Escolha {
        int pagina = 0; // 0: this term gets no page
        int titulo = 0;
        bool usa1 = false;
        bool usa2 = false;
        QString parte1;
        QString parte2;
        bool SoFiltros() const { return pagina == 210; }
    };

    explicit PaginasResultado(DestinoResultados& destino);

    void RetornoBusca(const QString& palavra, const QString& strLista, qint32 tamLista, qint16 tipoPesquisa);
    void NaoEncontrado(const QString& palavra, qint16 tipoPesquisa);
    void MostraDescricaoPesquisa(int titulo, const QStringList& pares);

    // The texts found searches use; the not-found ones are 50 further on.
    static Escolha EscolheModelos(qint16 tipoPesquisa, const QString& palavra);
    static QString TextoNumVerbetes(qint32 n);
    // A title of the table of texts with each "%name" replaced, unencoded.
    static QString PreencheTitulo(int titulo, const QStringList& pares);

private:
    static QStringList Partes(const Escolha& escolha);

    DestinoResultados& m_destino;
};
