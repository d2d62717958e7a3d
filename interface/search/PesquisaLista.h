// The three searches that replace a list's content with an engine result
// set. The first chunk becomes the result page's list at once (the list's
// RetornoBusca or NaoEncontrado event); the rest fills the list chunk by
// chunk while the window keeps answering. A newer search, or Finaliza on
// the list, ends the fill after the current chunk.
#pragma once

#include "TipoPesquisa.h"

#include <QString>
#include <QtGlobal>

class AmbienteBusca;
class CList;
class MotorDicionario;

class PesquisaLista {
public:
    static constexpr qint16 TamanhoBloco = 300;

    PesquisaLista(CList& lista, AmbienteBusca& ambiente);

    void ListaPesquisaFlexivel(const QString& palavra, const QString& filtro);
    void ListaPesquisaMascara(const QString& mascara, const QString& filtro);
    void ListaPesquisaReversa(const QString& palavra, const QString& filtro);
    void Pesquisa(TipoPesquisa tipo, const QString& termo, const QString& filtro);

    // The engine's filter steps for a filter text ("5;13;"): open with the
    // first class, then unite (summed) or intersect the others.
    static void AplicaFiltros(MotorDicionario& motor, const QString& filtro, bool somados);

    // Bumped by every search: a fill whose number is not the last one stops.
    quint32 Geracao() const { return m_geracao; }
    // A fill is under way.
    bool Preenchendo() const { return m_preenchendo; }

private:
    bool Atual(quint32 geracao) const;

    CList& m_lista;
    AmbienteBusca& m_ambiente;
    quint32 m_geracao = 0;
    bool m_preenchendo = false;
};
