// What the search dispatcher reads from the window (the search boxes, the
// advanced panel's ticks and filter choice, which list shows) and what it
// asks of it (pages, the filter label, the search texts, the searches on
// the results list).
#pragma once

#include "TipoPesquisa.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

class PainelPesquisa {
public:
    // chkAvancada boxes.
    enum Caixa {
        Inicio = 0,
        Fim = 1,
        NoTexto = 2,
        Somar = 3
    };

    virtual ~PainelPesquisa() = default;

    virtual bool PainelAberto() const = 0;
    virtual bool Marcada(Caixa caixa) const = 0;
    virtual QString Entrada() const = 0; // the single box
    virtual QString Entrada1() const = 0; // first part (two-box mode)
    virtual QString Entrada2() const = 0; // last part
    // 0: no filter; 1: by grammatical class.
    virtual int IndiceFiltro() const = 0;
    virtual std::vector<bool> ClassesMarcadas() const = 0;
    // A clicked word is being looked up: its filters do not apply.
    virtual bool ConsultandoPalavraClicada() const = 0;
    virtual bool ListaAlfabeticaVisivel() const = 0;

    virtual void ParaBuscaDigitada() = 0;
    virtual void MostraAguarde(bool visivel) = 0;
    virtual void MostraPagina(int modelo, const QStringList& pares) = 0;
    virtual void VerificaVerbete(qint32 id) = 0;
    virtual void DesmarcaResultados() = 0;
    virtual void SelecionaLista(int qual) = 0;
    // The filter label: its width and a text's, and what it shows.
    virtual int LarguraRotuloFiltros() const = 0;
    virtual int LarguraTexto(const QString& texto) const = 0;
    virtual void DefineRotuloFiltros(const QString& texto, const QString& dica) = 0;
    // The words the page and the results list mark, on both.
    virtual void PalavraBusca(const QString& palavra, const QString& iniciada, const QString& terminada) = 0;
    virtual QString ExpandeFlexoes(const QString& texto) = 0;
    virtual void Pesquisa(TipoPesquisa tipo, const QString& termo, const QString& filtros) = 0;
};
