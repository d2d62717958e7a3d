// The main window's pictures, by resource name ("FUNDO_MINI", "BTNFECHAR",
// ...), at the screen's pixel density, and the background drawn to any
// window size.
#pragma once

#include <QMargins>
#include <QPixmap>
#include <QString>

class QPainter;

class FiguraPele {
public:
    // The background keeps these bands at their size: header and footer
    // in height, a hairline frame at the sides; the rest stretches.
    static constexpr QMargins MargensFundo{4, 66, 4, 24};

    // The picture for a logical-pixel size at this density (the double-size
    // drawing above 1); a null pixmap for an unknown name.
    static QPixmap Carrega(const QString& nome, qreal escala);
    // Draws "FUNDO_MINI" over the rectangle, corners as they are and edges
    // and middle stretched.
    static void DesenhaFundo(QPainter& p, const QRect& destino, qreal escala);
};
