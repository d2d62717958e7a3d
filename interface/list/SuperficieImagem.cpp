#include "SuperficieImagem.h"

#include "BitmapsLista.h"
#include "TemporizadorQt.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

const QString SuperficieImagem::FamiliaFonte = QStringLiteral("Verdana");

namespace {

QPixmap NovoPixmap(int largura, int altura, qreal escala)
{
    QPixmap p(QSize(std::max(1, int(std::lround(largura * escala))), std::max(1, int(std::lround(altura * escala)))));
    p.setDevicePixelRatio(escala);
    p.fill(Qt::white);
    return p;
}

} // namespace

SuperficieImagem::SuperficieImagem(int largura, int altura, std::function<qreal()> escala)
    : m_largura(largura), m_altura(altura), m_escala(std::move(escala))
{
    m_pixmap = NovoPixmap(m_largura, m_altura, m_escala ? m_escala() : 1.0);
}

void SuperficieImagem::Redimensiona(int largura, int altura)
{
    const qreal escala = m_escala ? m_escala() : 1.0;
    if (largura == m_largura && altura == m_altura && escala == Escala())
        return;
    QPixmap novo = NovoPixmap(largura, altura, escala);
    if (escala == Escala()) {
        QPainter p(&novo);
        p.drawPixmap(0, 0, m_pixmap);
    }
    m_largura = largura;
    m_altura = altura;
    m_pixmap = novo;
}

void SuperficieImagem::Limpa(const QColor& cor) { m_pixmap.fill(cor); }

void SuperficieImagem::LimpaArea(const QRect& area, const QColor& cor)
{
    QPainter p(&m_pixmap);
    p.fillRect(area, cor);
}

const QFont& SuperficieImagem::Fonte(double tamanhoPontos) const
{
    const int chave = int(std::lround(tamanhoPontos * 100));
    auto it = m_fontes.find(chave);
    if (it == m_fontes.end()) {
        QFont f(FamiliaFonte);
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(tamanhoPontos);
        it = m_fontes.insert(chave, f);
    }
    return it.value();
}

double SuperficieImagem::ImprimeTexto(double x, double y, const QString& texto, double tamanhoPontos, const QColor& cor)
{
    const QFont& fonte = Fonte(tamanhoPontos);
    const QFontMetricsF medida(fonte, &m_pixmap);
    if (!texto.isEmpty()) {
        QPainter p(&m_pixmap);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(fonte);
        p.setPen(cor);
        p.drawText(QPointF(x, y + medida.ascent()), texto);
    }
    return x + medida.horizontalAdvance(texto);
}

double SuperficieImagem::AlturaTexto(const QString& texto, double tamanhoPontos) const
{
    (void)texto; // one line: the font's height, whatever the letters
    return QFontMetricsF(Fonte(tamanhoPontos), &m_pixmap).height();
}

void SuperficieImagem::DesenhaCaixa(const QRectF& caixa, const QColor& cor, bool cheia)
{
    QPainter p(&m_pixmap);
    if (cheia) {
        p.fillRect(caixa, cor);
    } else {
        p.setPen(QPen(cor, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(caixa.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void SuperficieImagem::DesenhaBitmap(int id, const QRect& origem, const QPoint& destino)
{
    const QPixmap bitmap = BitmapsLista::Bitmap(id, Escala());
    if (bitmap.isNull())
        return;
    const qreal e = bitmap.devicePixelRatio();
    const QRectF fonte = origem.isNull()
                             ? QRectF(QPointF(0, 0), bitmap.size())
                             : QRectF(origem.x() * e, origem.y() * e, origem.width() * e, origem.height() * e);
    QPainter p(&m_pixmap);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRectF(QPointF(destino), fonte.size() / e), bitmap, fonte);
}

void SuperficieImagem::CopiaImagem(const SuperficieDesenho& origem, const QRect& area, const QPoint& destino)
{
    const auto* imagem = dynamic_cast<const SuperficieImagem*>(&origem);
    if (!imagem)
        return;
    const qreal e = imagem->Escala();
    QPainter p(&m_pixmap);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawPixmap(QRectF(QPointF(destino), QSizeF(area.size())), imagem->Pixmap(),
                 QRectF(area.x() * e, area.y() * e, area.width() * e, area.height() * e));
}

void SuperficieImagem::DefinePonteiro(Ponteiro ponteiro) { (void)ponteiro; }

void SuperficieImagem::DefineOuvinte(OuvinteSuperficie* ouvinte) { (void)ouvinte; }

std::unique_ptr<SuperficieDesenho> SuperficieImagem::CriaBuffer(int largura, int altura)
{
    return std::make_unique<SuperficieImagem>(largura, altura, m_escala);
}

std::unique_ptr<Temporizador> SuperficieImagem::CriaTemporizador() { return std::make_unique<TemporizadorQt>(); }
