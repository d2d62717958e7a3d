// A timer that fires only when the test says so.
#pragma once

#include "Temporizador.h"

class TemporizadorFalso : public Temporizador {
public:
    int atraso = -1;

    void Inicia(int milissegundos, std::function<void()> acao) override
    {
        atraso = milissegundos;
        m_acao = std::move(acao);
        m_ativo = true;
    }
    void Para() override { m_ativo = false; }
    bool Ativo() const override { return m_ativo; }
    // Fires once if running; returns whether it did.
    bool Dispara()
    {
        if (!m_ativo)
            return false;
        m_ativo = false;
        auto acao = m_acao;
        acao();
        return true;
    }

private:
    std::function<void()> m_acao;
    bool m_ativo = false;
};
