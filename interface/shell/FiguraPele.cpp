#include "FiguraPele.h"

#include "Figuras.h"

#include <QPainter>

// The pictures are compiled into this static library and registered by hand
// (outside any namespace, as the macro declares a function).
static void IniciaRecursosPele()
{
    static const bool iniciado = [] {
        Q_INIT_RESOURCE(shell);
        return true;
    }();
    (void)iniciado;
}

QPixmap FiguraPele::Carrega(const QString& nome, qreal escala)
{
    IniciaRecursosPele();
    return Figuras::Carrega(QStringLiteral(":/shell/") + nome, escala);
}

void FiguraPele::DesenhaFundo(QPainter& p, const QRect& destino, qreal escala)
{
    const QPixmap fundo = Carrega(QStringLiteral("FUNDO_MINI"), escala);
    if (fundo.isNull()) {
        p.fillRect(destino, QColor(237, 241, 244));
        return;
    }
    // Source rectangles in device pixels, destination in logical pixels.
    const qreal r = fundo.devicePixelRatio();
    const QMargins m = MargensFundo;
    const int lw = qRound(fundo.width() / r);
    const int lh = qRound(fundo.height() / r);
    const int xs[] = {0, m.left(), lw - m.right(), lw};
    const int ys[] = {0, m.top(), lh - m.bottom(), lh};
    const int xd[] = {destino.left(), destino.left() + m.left(), destino.right() + 1 - m.right(), destino.right() + 1};
    const int yd[] = {destino.top(), destino.top() + m.top(), destino.bottom() + 1 - m.bottom(), destino.bottom() + 1};
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const QRectF origem(xs[j] * r, ys[i] * r, (xs[j + 1] - xs[j]) * r, (ys[i + 1] - ys[i]) * r);
            const QRectF alvo(xd[j], yd[i], xd[j + 1] - xd[j], yd[i + 1] - yd[i]);
            if (alvo.width() > 0 && alvo.height() > 0)
                p.drawPixmap(alvo, fundo, origem);
        }
    }
}
