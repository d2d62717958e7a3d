// The owner's small box that shows the headword at the thumb while the
// scroll thumb is dragged. Positions in the main window's pixels.
#pragma once

#include <QString>

class CaixaPrevia {
public:
    virtual ~CaixaPrevia() = default;

    virtual void Mostra(int esquerda, int topo, const QString& texto) = 0;
    virtual void Esconde() = 0;
};
