// What the headword list and the letter chooser draw on: a surface with
// retained content, in pixels, top-left origin. A visible surface also
// reports the mouse and the keyboard to its listener, and hands out the
// off-screen buffers and timers its components need.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>

class OuvinteSuperficie;
class Temporizador;

enum class Ponteiro {
    Padrao,
    Personalizado
};

class SuperficieDesenho {
public:
    virtual ~SuperficieDesenho() = default;

    virtual int Largura() const = 0;
    virtual int Altura() const = 0;
    // Buffers change size on request; a visible surface is sized by its owner.
    virtual void Redimensiona(int largura, int altura) = 0;

    virtual void Limpa(const QColor& cor) = 0;
    virtual void LimpaArea(const QRect& area, const QColor& cor) = 0;
    // Prints with the text's top at y; returns the x where the text ends.
    virtual double ImprimeTexto(double x, double y, const QString& texto, double tamanhoPontos, const QColor& cor) = 0;
    virtual double AlturaTexto(const QString& texto, double tamanhoPontos) const = 0;
    virtual void DesenhaCaixa(const QRectF& caixa, const QColor& cor, bool cheia) = 0;
    // Copies part of a bitmap resource (the whole bitmap when origem is
    // empty) with its top-left corner at destino.
    virtual void DesenhaBitmap(int id, const QRect& origem, const QPoint& destino) = 0;
    virtual void CopiaImagem(const SuperficieDesenho& origem, const QRect& area, const QPoint& destino) = 0;
    virtual void DefinePonteiro(Ponteiro ponteiro) = 0;

    virtual void DefineOuvinte(OuvinteSuperficie* ouvinte) = 0;
    virtual std::unique_ptr<SuperficieDesenho> CriaBuffer(int largura, int altura) = 0;
    virtual std::unique_ptr<Temporizador> CriaTemporizador() = 0;

    // Where the surface sits in the main window, and the pointer's height
    // in that window, for placing pop-ups beside it.
    virtual QPoint PosicaoNaJanela() const = 0;
    virtual int PonteiroYNaJanela() const = 0;
};
