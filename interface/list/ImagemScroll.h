// One of the four areas of a list's scroll bar (thumb, arrows, track):
// a rectangle inside the list surface, in pixels.
#pragma once

#include <QRectF>

struct ImagemScroll {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    bool Visible = true;

    bool Contem(double x, double y) const
    {
        return Visible && x >= Left && x < Left + Width && y >= Top && y < Top + Height;
    }
    QRectF Retangulo() const { return {Left, Top, Width, Height}; }
};
