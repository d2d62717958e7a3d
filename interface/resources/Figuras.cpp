#include "Figuras.h"

#include <QFile>
#include <QHash>

QPixmap Figuras::Carrega(const QString& base, qreal escala)
{
    // Buttons reload their pictures on every hover; read each file once.
    static QHash<QString, QPixmap> cache;
    const bool dobro = escala > 1.0;
    const QString chave = base + (dobro ? QStringLiteral("@2") : QStringLiteral("@1"));
    if (auto it = cache.constFind(chave); it != cache.constEnd())
        return *it;

    QPixmap p;
    if (dobro && QFile::exists(base + QStringLiteral("@2x.png"))) {
        p.load(base + QStringLiteral("@2x.png"));
        p.setDevicePixelRatio(2.0);
    } else {
        p.load(base + QStringLiteral(".png"));
    }
    cache.insert(chave, p);
    return p;
}
