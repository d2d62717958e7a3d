// A drawing surface held in a QPixmap: the back buffers, and the content
// behind every visible surface. Logical pixels; the pixmap itself follows
// the screen's device pixel ratio so text and pictures stay sharp.
#pragma once

#include "SuperficieDesenho.h"

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <functional>

class SuperficieImagem : public SuperficieDesenho {
public:
    // The ratio is asked again on every resize, so a window moved to
    // another screen gets matching buffers.
    SuperficieImagem(int largura, int altura, std::function<qreal()> escala);

    const QPixmap& Pixmap() const { return m_pixmap; }
    qreal Escala() const { return m_pixmap.devicePixelRatio(); }

    int Largura() const override { return m_largura; }
    int Altura() const override { return m_altura; }
    void Redimensiona(int largura, int altura) override;
    void Limpa(const QColor& cor) override;
    void LimpaArea(const QRect& area, const QColor& cor) override;
    double ImprimeTexto(double x, double y, const QString& texto, double tamanhoPontos, const QColor& cor) override;
    double AlturaTexto(const QString& texto, double tamanhoPontos) const override;
    void DesenhaCaixa(const QRectF& caixa, const QColor& cor, bool cheia) override;
    void DesenhaBitmap(int id, const QRect& origem, const QPoint& destino) override;
    void CopiaImagem(const SuperficieDesenho& origem, const QRect& area, const QPoint& destino) override;
    void DefinePonteiro(Ponteiro ponteiro) override;
    void DefineOuvinte(OuvinteSuperficie* ouvinte) override;
    std::unique_ptr<SuperficieDesenho> CriaBuffer(int largura, int altura) override;
    std::unique_ptr<Temporizador> CriaTemporizador() override;
    QPoint PosicaoNaJanela() const override { return {}; }
    int PonteiroYNaJanela() const override { return 0; }

    static const QString FamiliaFonte;

private:
    const QFont& Fonte(double tamanhoPontos) const;

    int m_largura;
    int m_altura;
    std::function<qreal()> m_escala;
    QPixmap m_pixmap;
    mutable QHash<int, QFont> m_fontes;
};
