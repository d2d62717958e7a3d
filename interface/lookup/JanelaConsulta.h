// What the lookup controller needs from the main window beyond the two
// lists and the entry view: which list shows, the waiting picture, the
// entry buttons, the history, the search dispatch and the tip box.
#pragma once

#include <QString>
#include <QtGlobal>

class JanelaConsulta {
public:
    virtual ~JanelaConsulta() = default;

    virtual bool ListaAlfabeticaVisivel() const = 0;
    // The alphabetical list and the letter chooser take the left column.
    virtual void MostraListaAlfabetica() = 0;
    virtual void SelecionaLetra(const QString& letra) = 0;
    virtual void MostraAguarde(bool visivel) = 0;
    virtual void OcultaBotoesVerbete(bool ocultar) = 0;
    // Lets pending window events run (a newer request may start in them).
    virtual void ProcessaEventos() = 0;
    // An engine call failed: the window puts a fresh engine in its place.
    virtual void ReiniciaMotor() = 0;
    // False while the advanced search asks for more than a plain lookup.
    virtual bool PodeLocalizar() const = 0;
    // The search button's work (plain or advanced search).
    virtual void ProcessaPesquisa() = 0;
    // A clicked word with entries: the result list of its flexible search.
    virtual void PesquisaFlexivel(const QString& palavra) = 0;
    virtual void RegistraHistorico(const QString& palavra, qint32 id, const QString& busca, const QString& iniciada,
                                   const QString& terminada) = 0;
    virtual void VoltaHistorico() = 0;
    // The expansion of an abbreviation, in a tip next to the mouse pointer.
    virtual void MostraDicaAbreviatura(const QString& texto) = 0;
    // The entry's note, if it has one (-1: no entry).
    virtual void VerificaVerbete(qint32 id) = 0;
};
