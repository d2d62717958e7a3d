// The program's icon, drawn once by hand as SVG and painted from that same
// file at each size of the icon theme. Only what the drawing uses is read:
// <rect> with rx, <path> of M, L, C and Z, fill, stroke, stroke-width and
// stroke-linecap.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <vector>

class IconeSvg {
public:
    // False when the file cannot be read or uses what is not understood.
    bool Le(const QString& arquivo);
    QImage Desenha(int lado) const;
    QString Erro() const { return m_erro; }

private:
    struct Forma {
        QPainterPath caminho;
        QColor preenchimento; // invalid: none
        QColor traco; // invalid: none
        double largura = 1;
        bool pontaRedonda = false;
    };
    static bool LeCaminho(const QString& d, QPainterPath& caminho);

    double m_lado = 0;
    std::vector<Forma> m_formas;
    QString m_erro;
};
