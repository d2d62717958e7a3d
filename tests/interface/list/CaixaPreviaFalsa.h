#pragma once

#include "CaixaPrevia.h"

struct CaixaPreviaFalsa : CaixaPrevia {
    bool visivel = false;
    int esquerda = 0, topo = 0;
    QString texto;

    void Mostra(int e, int t, const QString& s) override { visivel = true, esquerda = e, topo = t, texto = s; }
    void Esconde() override { visivel = false; }
};
