// The skinned buttons of the main window, each drawn in its three looks:
// at rest (a flat glyph over the window background), under the pointer
// (a pale accent tile) and with its menu open (a solid accent tile).
// Coordinates are logical pixels; the painter carries the scale.
#pragma once

#include <QColor>
#include <QSizeF>
#include <QString>

class QPainter;

class DesenhoBotoes {
public:
    enum class Estado {
        Normal,
        Selecionado,
        Menu
    };

    // Toolbar, 26 x 26: history and home.
    static void SetaEsquerda(QPainter& p, QSizeF t, Estado e);
    static void SetaDireita(QPainter& p, QSizeF t, Estado e);
    static void Casa(QPainter& p, QSizeF t, Estado e);

    // Toolbar, 25 x 25: note, print and the three view modes (1 to 3).
    static void Lapis(QPainter& p, QSizeF t, Estado e);
    static void Impressora(QPainter& p, QSizeF t, Estado e);
    static void Visual(QPainter& p, QSizeF t, Estado e, int modo);

    // Window controls, 17 x 17.
    static void Minimizar(QPainter& p, QSizeF t, Estado e);
    static void Maximizar(QPainter& p, QSizeF t, Estado e);
    static void Restaurar(QPainter& p, QSizeF t, Estado e);
    static void Fechar(QPainter& p, QSizeF t, Estado e);

    // The two menu buttons carry their word.
    static void Menu(QPainter& p, QSizeF t, Estado e, const QString& palavra);

    // An open book in a 25 x 25 box, strokes in cor over pages of papel.
    static void Livro(QPainter& p, QColor cor, QColor papel);

private:
    static void Fundo(QPainter& p, QSizeF t, Estado e, double raio);
    static QColor CorGlifo(Estado e, bool controleJanela);
    static void Folha(QPainter& p, QColor cor, int linhas, double larguraUltima);
};
