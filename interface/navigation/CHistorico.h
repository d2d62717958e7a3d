// Back and Forward through what was seen since the program started:
// entries, plain pages and result pages, at most 50, the oldest dropped
// first. Recording after stepping back drops the forward part. Stepping
// replays a record through DestinoHistorico; the history itself never
// records a replay.
#pragma once

#include "CHistReg.h"

#include <QString>
#include <QtGlobal>
#include <deque>
#include <optional>
#include <utility>

class DestinoHistorico;

class CHistorico {
public:
    static constexpr int kCapacidade = 50;

    explicit CHistorico(DestinoHistorico& destino);

    // An entry. Not recorded when the current record is the same entry
    // (shown twice in a row, or replayed).
    void Adiciona(const QString& titulo, qint32 idVerbete, const QString& palavra, const QString& iniciada,
                  const QString& terminada);
    // A plain page and a result or message page; always recorded.
    void AdicionaArquivo(const QString& titulo, const QString& arquivo);
    void AdicionaLista(const QString& conteudo, const QString& palavra, const QString& iniciada,
                       const QString& terminada);

    // One step back or forward, replaying the record reached; nothing at
    // either end.
    void Anterior();
    void Proximo();

    // Reports the buttons' state now, e.g. once the owner is ready.
    void InformaNavegacao();

    bool PodeVoltar() const { return m_atual > 1; }
    bool PodeAvancar() const { return m_atual < Quantidade(); }
    int Quantidade() const { return static_cast<int>(m_registros.size()); }
    // Position of the current record, 1 to Quantidade(); 0 when empty.
    int Atual() const { return m_atual; }
    // The record at a position 1 to Quantidade().
    const CHistReg& Registro(int posicao) const { return m_registros.at(static_cast<size_t>(posicao - 1)); }

private:
    void Acrescenta(const CHistReg& registro);
    void Reproduz();
    void Informa(bool sempre);

    DestinoHistorico& m_destino;
    std::deque<CHistReg> m_registros;
    int m_atual = 0;
    std::optional<std::pair<bool, bool>> m_informado;
};
