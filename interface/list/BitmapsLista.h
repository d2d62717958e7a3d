// The list's pictures at a given device pixel ratio: the scroll bar's
// thumb and arrows (101 to 103), the letter strips (401 to 403) and the
// custom pointer (cursor 101). Cell backgrounds and arrows come from the
// resources; the letters are painted as text so they stay sharp at any
// scale.
#pragma once

#include <QCursor>
#include <QPixmap>

class BitmapsLista {
public:
    // Null pixmap for an unknown id.
    static QPixmap Bitmap(int id, qreal escala);
    static QCursor Cursor(int id);

private:
    static QPixmap Carrega(const QString& nome, qreal escala);
    static QPixmap FaixaLetras(int id, qreal escala);
};
