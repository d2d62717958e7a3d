// Pictures from the compiled-in resources at the screen's density: the
// double-size drawing ("NOME@2x.png") above scale 1, else "NOME.png".
#pragma once

#include <QPixmap>
#include <QString>

class Figuras {
public:
    // base is the resource path without ".png", e.g. ":/shell/BTNFECHAR".
    // Kept after the first load; a null pixmap when the picture is missing.
    static QPixmap Carrega(const QString& base, qreal escala);
};
