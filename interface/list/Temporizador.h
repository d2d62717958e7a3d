// A one-shot timer on the user-interface thread.
#pragma once

#include <functional>

class Temporizador {
public:
    virtual ~Temporizador() = default;

    // Runs acao once after the delay; starting again replaces the pending run.
    virtual void Inicia(int milissegundos, std::function<void()> acao) = 0;
    virtual void Para() = 0;
    virtual bool Ativo() const = 0;
};
