#include "TemporizadorQt.h"

TemporizadorQt::TemporizadorQt()
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        // The action may start the timer again with a new action.
        auto acao = m_acao;
        if (acao)
            acao();
    });
}

void TemporizadorQt::Inicia(int milissegundos, std::function<void()> acao)
{
    m_acao = std::move(acao);
    m_timer.start(milissegundos);
}

void TemporizadorQt::Para() { m_timer.stop(); }

bool TemporizadorQt::Ativo() const { return m_timer.isActive(); }
