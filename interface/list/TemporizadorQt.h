// Temporizador on a single-shot QTimer.
#pragma once

#include "Temporizador.h"

#include <QTimer>

class TemporizadorQt : public Temporizador {
public:
    TemporizadorQt();

    void Inicia(int milissegundos, std::function<void()> acao) override;
    void Para() override;
    bool Ativo() const override;

private:
    QTimer m_timer;
    std::function<void()> m_acao;
};
