// A window rectangle in twips: left, top, width, height.
#pragma once

#include <QtGlobal>

struct Retangulo {
    qint32 X = 0;
    qint32 Y = 0;
    qint32 W = 0;
    qint32 H = 0;

    friend bool operator==(const Retangulo&, const Retangulo&) = default;
};
