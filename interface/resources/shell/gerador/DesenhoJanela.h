// The window-wide pictures: the background of the main window, its resize
// grip, the splash, the title word and the two waiting notices.
// Coordinates are logical pixels; the painter carries the scale.
#pragma once

#include <QMargins>
#include <QSizeF>
#include <QString>

class QPainter;

class DesenhoJanela {
public:
    // The background is a header band, a flat body and a footer band inside
    // a one-pixel frame. Outside these margins every row and column of the
    // picture repeats, so the window may stretch the middle to any size.
    static constexpr int AlturaCabecalho = 62; // accent line below it
    static constexpr int AlturaRodape = 23; // the entry view stops here
    static QMargins Margens9() { return QMargins(4, AlturaCabecalho + 4, 4, AlturaRodape + 1); }

    // Drawn for any size: the resource is the 478 x 333 drawing, and the
    // same call at a larger size is what a 9-slice stretch must give.
    static void Fundo(QPainter& p, QSizeF t);
    static void Alca(QPainter& p, QSizeF t);

    // Only the top 293 rows of the splash are shown; the version line goes
    // at (280, 270), so that corner is kept bare.
    static constexpr int AlturaVisivelSplash = 293;
    static void Splash(QPainter& p, QSizeF t);

    static void Titulo(QPainter& p, QSizeF t);
    static void Aviso(QPainter& p, QSizeF t, const QString& texto);
};
