#include "DesenhoBotoes.h"

#include "Paleta.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

QPen Traco(const QColor& cor, double largura) { return QPen(cor, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// Horizontal strokes one logical pixel thick sit on half pixels so that
// they stay sharp at both scales.
void LinhaFina(QPainter& p, const QColor& cor, double x1, double x2, double y)
{
    p.setPen(QPen(cor, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x1, y + 0.5), QPointF(x2, y + 0.5));
}

} // namespace

void DesenhoBotoes::Fundo(QPainter& p, QSizeF t, Estado e, double raio)
{
    if (e == Estado::Normal)
        return;
    const QRectF r(0.5, 0.5, t.width() - 1.0, t.height() - 1.0);
    if (e == Estado::Selecionado) {
        p.setPen(QPen(Paleta::BordaClara, 1.0));
        p.setBrush(Paleta::AcentoClaro);
        p.drawRoundedRect(r, raio, raio);
    } else {
        // Pressed look: the accent with a darker rim and a shade along the top.
        p.setPen(QPen(Paleta::AcentoEscuro, 1.0));
        p.setBrush(Paleta::Acento);
        p.drawRoundedRect(r, raio, raio);
        LinhaFina(p, QColor(0, 0, 0, 40), raio, t.width() - raio, 1.0);
    }
    p.setBrush(Qt::NoBrush);
}

QColor DesenhoBotoes::CorGlifo(Estado e, bool controleJanela)
{
    switch (e) {
    case Estado::Menu: return Paleta::Branco;
    case Estado::Selecionado: return Paleta::AcentoEscuro;
    case Estado::Normal: break;
    }
    return controleJanela ? Paleta::Ardosia : Paleta::Acento;
}

void DesenhoBotoes::SetaEsquerda(QPainter& p, QSizeF t, Estado e)
{
    Fundo(p, t, e, 4.0);
    const QColor cor = CorGlifo(e, false);
    const QPointF c(t.width() / 2.0, t.height() / 2.0);
    QColor anel = cor;
    anel.setAlpha(e == Estado::Normal ? 90 : 120);
    p.setPen(QPen(anel, 1.2));
    p.drawEllipse(c, 9.5, 9.5);
    p.setPen(Traco(cor, 2.2));
    p.drawLine(c + QPointF(-4.5, 0), c + QPointF(4.5, 0));
    const QPointF ponta[] = {c + QPointF(-0.5, -4.5), c + QPointF(-5.0, 0), c + QPointF(-0.5, 4.5)};
    p.drawPolyline(ponta, 3);
}

void DesenhoBotoes::SetaDireita(QPainter& p, QSizeF t, Estado e)
{
    // The same arrow, mirrored about the vertical axis.
    p.save();
    p.translate(t.width(), 0);
    p.scale(-1, 1);
    SetaEsquerda(p, t, e);
    p.restore();
}

void DesenhoBotoes::Casa(QPainter& p, QSizeF t, Estado e)
{
    Fundo(p, t, e, 4.0);
    const QColor cor = CorGlifo(e, false);
    p.setPen(Traco(cor, 1.9));
    const QPointF telhado[] = {{5.5, 13.0}, {13.0, 5.5}, {20.5, 13.0}};
    p.drawPolyline(telhado, 3);
    const QPointF paredes[] = {{8.0, 11.5}, {8.0, 20.0}, {18.0, 20.0}, {18.0, 11.5}};
    p.drawPolyline(paredes, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawRoundedRect(QRectF(11.5, 14.5, 3.0, 5.5), 0.8, 0.8);
    p.setBrush(Qt::NoBrush);
}

void DesenhoBotoes::Lapis(QPainter& p, QSizeF t, Estado e)
{
    Fundo(p, t, e, 4.0);
    const QColor cor = CorGlifo(e, false);
    p.save();
    p.translate(t.width() / 2.0 + 0.5, t.height() / 2.0 - 0.5);
    p.rotate(-45.0);
    // Along the x axis: the point at the left, the eraser at the right.
    QPainterPath corpo;
    corpo.moveTo(-4.0, -2.6);
    corpo.lineTo(7.5, -2.6);
    corpo.quadTo(9.5, -2.6, 9.5, 0.0);
    corpo.quadTo(9.5, 2.6, 7.5, 2.6);
    corpo.lineTo(-4.0, 2.6);
    corpo.lineTo(-9.0, 0.0);
    corpo.closeSubpath();
    QColor enchimento = e == Estado::Menu ? Paleta::Acento : Paleta::Branco;
    p.setPen(Traco(cor, 1.4));
    p.setBrush(enchimento);
    p.drawPath(corpo);
    p.drawLine(QPointF(-4.0, -2.6), QPointF(-4.0, 2.6));
    p.drawLine(QPointF(5.5, -2.6), QPointF(5.5, 2.6));
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    const QPointF grafite[] = {{-9.0, 0.0}, {-6.8, -1.15}, {-6.8, 1.15}};
    p.drawPolygon(grafite, 3);
    p.restore();
}

void DesenhoBotoes::Impressora(QPainter& p, QSizeF t, Estado e)
{
    Fundo(p, t, e, 4.0);
    const QColor cor = CorGlifo(e, false);
    p.setPen(Traco(cor, 1.4));
    p.setBrush(Paleta::Branco);
    p.drawRect(QRectF(8.0, 4.0, 9.0, 6.0));
    QColor corpo = cor;
    corpo.setAlpha(60);
    p.setBrush(corpo);
    p.drawRoundedRect(QRectF(4.0, 9.0, 17.0, 8.5), 2.0, 2.0);
    p.setBrush(Paleta::Branco);
    p.drawRect(QRectF(8.0, 14.0, 9.0, 7.0));
    LinhaFina(p, cor, 10.0, 15.0, 16.0);
    LinhaFina(p, cor, 10.0, 14.0, 18.0);
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawEllipse(QPointF(18.0, 11.5), 0.9, 0.9);
    p.setBrush(Qt::NoBrush);
}

void DesenhoBotoes::Folha(QPainter& p, QColor cor, int linhas, double larguraUltima)
{
    QPainterPath folha;
    folha.moveTo(6.5, 3.5);
    folha.lineTo(14.5, 3.5);
    folha.lineTo(18.5, 7.5);
    folha.lineTo(18.5, 21.5);
    folha.lineTo(6.5, 21.5);
    folha.closeSubpath();
    p.setPen(QPen(cor, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Paleta::Branco);
    p.drawPath(folha);
    const QPointF dobra[] = {{14.5, 3.5}, {14.5, 7.5}, {18.5, 7.5}};
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(dobra, 3);
    // A heading, then the lines of text.
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawRect(QRectF(8.0, 6.0, 5.0, 2.0));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < linhas; ++i) {
        const double fim = i == linhas - 1 ? 8.0 + larguraUltima : 17.0;
        LinhaFina(p, cor, 8.0, fim, 10.0 + 2.0 * i);
    }
}

void DesenhoBotoes::Livro(QPainter& p, QColor cor, QColor papel)
{
    p.setPen(Traco(cor, 1.2));
    p.setBrush(papel);
    QPainterPath esquerda;
    esquerda.moveTo(12.5, 7.0);
    esquerda.cubicTo(10.0, 5.2, 6.5, 5.0, 3.5, 6.0);
    esquerda.lineTo(3.5, 18.5);
    esquerda.cubicTo(6.5, 17.5, 10.0, 17.8, 12.5, 19.5);
    esquerda.closeSubpath();
    p.drawPath(esquerda);
    QPainterPath direita;
    direita.moveTo(12.5, 7.0);
    direita.cubicTo(15.0, 5.2, 18.5, 5.0, 21.5, 6.0);
    direita.lineTo(21.5, 18.5);
    direita.cubicTo(18.5, 17.5, 15.0, 17.8, 12.5, 19.5);
    direita.closeSubpath();
    p.drawPath(direita);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor, 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = 9.5 + 2.5 * i;
        p.drawLine(QPointF(5.5, y), QPointF(10.5, y + 0.6));
        p.drawLine(QPointF(14.5, y + 0.6), QPointF(19.5, y));
    }
}

void DesenhoBotoes::Visual(QPainter& p, QSizeF t, Estado e, int modo)
{
    Fundo(p, t, e, 4.0);
    const QColor cor = CorGlifo(e, false);
    // Complete: every line; reduced: the first few; dictionary: a book.
    if (modo == 1)
        Folha(p, cor, 5, 5.0);
    else if (modo == 2)
        Folha(p, cor, 2, 4.0);
    else
        Livro(p, cor, Paleta::Branco);
}

void DesenhoBotoes::Minimizar(QPainter& p, QSizeF t, Estado e)
{
    Fundo(p, t, e, 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(CorGlifo(e, true));
    p.drawRect(QRectF(4.0, 11.0, 9.0, 2.0));
    p.setBrush(Qt::NoBrush);
}

void DesenhoBotoes::Maximizar(QPainter& p, QSizeF t, Estado e)
{
    Fundo(p, t, e, 3.0);
    const QColor cor = CorGlifo(e, true);
    p.setPen(QPen(cor, 1.0));
    p.drawRect(QRectF(4.5, 4.5, 8.0, 8.0));
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawRect(QRectF(4.0, 4.0, 9.0, 2.0));
    p.setBrush(Qt::NoBrush);
}

void DesenhoBotoes::Restaurar(QPainter& p, QSizeF t, Estado e)
{
    Fundo(p, t, e, 3.0);
    const QColor cor = CorGlifo(e, true);
    // The window behind shows only its top and right edges.
    p.setPen(QPen(cor, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QPointF atras[] = {{6.5, 6.0}, {6.5, 3.5}, {13.5, 3.5}, {13.5, 10.5}, {11.0, 10.5}};
    p.drawPolyline(atras, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawRect(QRectF(6.0, 3.0, 8.0, 2.0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor, 1.0));
    p.drawRect(QRectF(3.5, 6.5, 7.0, 7.0));
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawRect(QRectF(3.0, 6.0, 8.0, 2.0));
    p.setBrush(Qt::NoBrush);
}

void DesenhoBotoes::Fechar(QPainter& p, QSizeF t, Estado e)
{
    Fundo(p, t, e, 3.0);
    p.setPen(QPen(CorGlifo(e, true), 1.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.0, 5.0), QPointF(12.0, 12.0));
    p.drawLine(QPointF(12.0, 5.0), QPointF(5.0, 12.0));
}

void DesenhoBotoes::Menu(QPainter& p, QSizeF t, Estado e, const QString& palavra)
{
    Fundo(p, t, e, 3.0);
    // The condensed face keeps "Arquivo" clear of the tile's rim.
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setStyleName(QStringLiteral("Condensed"));
    fonte.setPixelSize(11);
    fonte.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(fonte);
    p.setPen(e == Estado::Normal ? Paleta::Texto : CorGlifo(e, true));
    p.drawText(QRectF(0, 0, t.width(), t.height() - 1.0), Qt::AlignCenter, palavra);
}
