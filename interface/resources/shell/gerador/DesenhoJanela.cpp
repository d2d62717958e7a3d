#include "DesenhoJanela.h"

#include "DesenhoBotoes.h"
#include "Paleta.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

QFont Fonte(const char* familia, int pixels, bool negrito)
{
    QFont f(QString::fromLatin1(familia));
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}

void Horizontal(QPainter& p, const QColor& cor, double x1, double x2, double y)
{
    p.setPen(QPen(cor, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x1, y + 0.5), QPointF(x2, y + 0.5));
}

} // namespace

void DesenhoJanela::Fundo(QPainter& p, QSizeF t)
{
    const double w = t.width();
    const double h = t.height();
    p.fillRect(QRectF(0, 0, w, h), Paleta::Corpo);

    // Header: a vertical gradient only, so it stretches sideways unchanged.
    QLinearGradient g(0, 0, 0, AlturaCabecalho);
    g.setColorAt(0.0, Paleta::CabecalhoAlto);
    g.setColorAt(1.0, Paleta::CabecalhoBaixo);
    p.fillRect(QRectF(0, 0, w, AlturaCabecalho), g);
    p.fillRect(QRectF(0, AlturaCabecalho, w, 2), Paleta::Acento);
    Horizontal(p, Paleta::Linha, 0, w, AlturaCabecalho + 2);

    // Footer, where the resize grip sits.
    p.fillRect(QRectF(0, h - AlturaRodape, w, AlturaRodape), Paleta::Rodape);
    Horizontal(p, Paleta::Linha, 0, w, h - AlturaRodape);

    // Frame with a soft light line inside it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.drawRect(QRectF(1.5, 1.5, w - 3.0, h - 3.0));
    p.setPen(QPen(Paleta::Moldura, 1.0));
    p.drawRect(QRectF(0.5, 0.5, w - 1.0, h - 1.0));
}

void DesenhoJanela::Alca(QPainter& p, QSizeF)
{
    // Six raised dots in a triangle. The grip stands one pixel past the
    // window's right edge and one row short of its bottom, so the dots keep
    // two pixels clear of the frame on both sides.
    const QPointF pontos[] = {{17, 18}, {13, 18}, {9, 18}, {17, 14}, {13, 14}, {17, 10}};
    p.setPen(Qt::NoPen);
    for (const QPointF& c : pontos) {
        p.fillRect(QRectF(c + QPointF(1, 1), QSizeF(2, 2)), Paleta::Branco);
        p.fillRect(QRectF(c, QSizeF(2, 2)), Paleta::Moldura);
    }
}

void DesenhoJanela::Splash(QPainter& p, QSizeF t)
{
    const double w = t.width();
    const double hv = AlturaVisivelSplash;
    QLinearGradient g(0, 0, 0, hv);
    g.setColorAt(0.0, Paleta::Branco);
    g.setColorAt(1.0, Paleta::CabecalhoBaixo);
    p.fillRect(QRectF(0, 0, w, hv), g);
    p.fillRect(QRectF(0, hv, w, t.height() - hv), Paleta::CabecalhoBaixo);

    // Emblem: an open book on an accent tile.
    const QRectF emblema(w / 2.0 - 32.0, 50.0, 64.0, 64.0);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Paleta::AcentoEscuro, 1.0));
    p.setBrush(Paleta::Acento);
    p.drawRoundedRect(emblema.adjusted(0.5, 0.5, -0.5, -0.5), 12.0, 12.0);
    p.save();
    p.translate(emblema.topLeft() + QPointF(4.0, 6.0));
    p.scale(56.0 / 25.0, 56.0 / 25.0);
    DesenhoBotoes::Livro(p, Paleta::Branco, Paleta::Acento);
    p.restore();

    p.setPen(Paleta::AcentoEscuro);
    p.setFont(Fonte("DejaVu Serif", 40, true));
    p.drawText(QRectF(0, 124, w, 52), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Minilexária"));
    p.setPen(Paleta::TextoSuave);
    p.setFont(Fonte("DejaVu Sans", 13, false));
    p.drawText(QRectF(0, 182, w, 20), Qt::AlignCenter, QStringLiteral("Dicionário da língua portuguesa"));

    QColor fio = Paleta::Acento;
    fio.setAlpha(140);
    p.fillRect(QRectF(w / 2.0 - 40.0, 214, 80, 2), fio);

    // Bottom line: the publisher at the left; the version label is placed
    // by the splash window at (280, 270), so the right end stays empty.
    Horizontal(p, Paleta::Linha, 20, w - 20, 258);
    p.setPen(Paleta::TextoSuave);
    p.setFont(Fonte("DejaVu Sans", 11, false));
    p.drawText(QRectF(20, 268, 200, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Corvanta"));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Paleta::Moldura, 1.0));
    p.drawRect(QRectF(0.5, 0.5, w - 1.0, hv - 1.0));
    // The accent band runs over the frame's top edge.
    p.fillRect(QRectF(0, 0, w, 6), Paleta::Acento);
}

void DesenhoJanela::Titulo(QPainter& p, QSizeF t)
{
    p.setPen(Paleta::AcentoEscuro);
    p.setFont(Fonte("DejaVu Serif", 14, true));
    p.drawText(QRectF(0, 0, t.width(), t.height()), Qt::AlignCenter, QStringLiteral("Minilexária"));
}

void DesenhoJanela::Aviso(QPainter& p, QSizeF t, const QString& texto)
{
    p.setPen(QPen(Paleta::BordaClara, 1.0));
    p.setBrush(Paleta::Branco);
    p.drawRoundedRect(QRectF(0.5, 0.5, t.width() - 1.0, t.height() - 1.0), 6.0, 6.0);

    // A still spinner: eight dots fading round the circle.
    const QPointF centro(22.0, t.height() / 2.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4.0;
        QColor cor = Paleta::Acento;
        cor.setAlpha(60 + i * 195 / 7);
        p.setBrush(cor);
        p.drawEllipse(centro + QPointF(7.0 * std::cos(a), 7.0 * std::sin(a)), 1.9, 1.9);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Paleta::Texto);
    p.setFont(Fonte("DejaVu Sans", 12, false));
    p.drawText(QRectF(38, 0, t.width() - 44, t.height()), Qt::AlignLeft | Qt::AlignVCenter, texto);
}
