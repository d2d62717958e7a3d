// The catalogue of the main window's pictures and their output: each one
// as NAME.png at its size and NAME@2x.png at twice it, plus the resource
// file listing them under the "/shell" prefix.
#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

class GeradorBitmaps {
public:
    struct Bitmap {
        QString nome;
        QSize tamanho;
        std::function<void(QPainter&, QSizeF)> desenha;
    };

    static QList<Bitmap> Catalogo();
    static QImage Desenha(const Bitmap& b, int escala);
    // False with a message in erro when a file cannot be written.
    static bool Grava(const QString& pasta, QString& erro);
};
