#include "BitmapsLista.h"

#include "CEscolheLetra.h"
#include "Figuras.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <cmath>

// The pictures are compiled into this static library; they must be
// registered by hand (outside any namespace, as the macro declares a function).
static void IniciaRecursos()
{
    static const bool iniciado = [] {
        Q_INIT_RESOURCE(lista);
        return true;
    }();
    (void)iniciado;
}

namespace {

QString ChaveCache(int id, qreal escala) { return QString::number(id) + u'@' + QString::number(escala, 'f', 2); }

} // namespace

QPixmap BitmapsLista::Carrega(const QString& nome, qreal escala)
{
    IniciaRecursos();
    return Figuras::Carrega(QStringLiteral(":/list/") + nome, escala);
}

QPixmap BitmapsLista::FaixaLetras(int id, qreal escala)
{
    const char* celula = id == CEscolheLetra::BitmapSelecionado ? "letra_selecionada"
                         : id == CEscolheLetra::BitmapDestacado ? "letra_destacada"
                                                                : "letra_normal";
    const QColor corLetra = id == CEscolheLetra::BitmapSelecionado ? QColor(255, 255, 255)
                            : id == CEscolheLetra::BitmapDestacado ? QColor(6, 62, 96)
                                                                   : QColor(12, 102, 154);
    const QPixmap fundo = Carrega(QString::fromLatin1(celula), escala);

    QPixmap faixa(
        QSize(std::lround(CEscolheLetra::LarguraFaixa * escala), std::lround(CEscolheLetra::AlturaFaixa * escala)));
    faixa.setDevicePixelRatio(escala);
    faixa.fill(Qt::white);
    QPainter p(&faixa);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont fonte(QStringLiteral("Verdana"));
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setPixelSize(11);
    fonte.setBold(true);
    p.setFont(fonte);
    p.setPen(corLetra);
    for (int i = 0; i < 26; ++i) {
        const QChar letra(u'A' + i);
        const QRect c = CEscolheLetra::Celula(letra);
        p.drawPixmap(QRectF(c), fundo, QRectF(QPointF(0, 0), fundo.size()));
        p.drawText(QRectF(c), Qt::AlignCenter, QString(letra));
    }
    return faixa;
}

QPixmap BitmapsLista::Bitmap(int id, qreal escala)
{
    static QHash<QString, QPixmap> cache;
    const QString chave = ChaveCache(id, escala);
    auto it = cache.find(chave);
    if (it != cache.end())
        return it.value();
    QPixmap p;
    switch (id) {
    case 101: p = Carrega(QStringLiteral("bmp101"), escala); break;
    case 102: p = Carrega(QStringLiteral("bmp102"), escala); break;
    case 103: p = Carrega(QStringLiteral("bmp103"), escala); break;
    case CEscolheLetra::BitmapNormal:
    case CEscolheLetra::BitmapSelecionado:
    case CEscolheLetra::BitmapDestacado: p = FaixaLetras(id, escala); break;
    default: break;
    }
    cache.insert(chave, p);
    return p;
}

QCursor BitmapsLista::Cursor(int id)
{
    if (id != 101)
        return QCursor();
    // The hot spot is the tip of the pointing finger.
    QPixmap p = Carrega(QStringLiteral("cur101"), 2.0);
    return QCursor(p, 8, 2);
}
