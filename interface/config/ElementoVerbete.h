// The look of one part of a dictionary entry (title, definition, ...).
#pragma once

#include <QString>
#include <QtGlobal>

struct ElementoVerbete {
    QString Nome; // display name; also part of stored names and style-sheet tags
    QString CorPadrao; // RRGGBB that restoring the defaults returns to
    QString Cor; // RRGGBB in use
    qint16 TipoFonte = 0; // style code in use: 0 normal, 1 italic, 2 bold, 3 both, 4 underline
    qint16 TipoFontePadrao = 0;

    friend bool operator==(const ElementoVerbete&, const ElementoVerbete&) = default;
};
