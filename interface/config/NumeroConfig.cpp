#include "NumeroConfig.h"

#include <QRegularExpression>
#include <cmath>

namespace NumeroConfig {

std::optional<qint64> Inteiro(const QString& texto, qint64 minimo, qint64 maximo)
{
    static const QRegularExpression numero(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    const QString t = texto.trimmed();
    if (t.size() > 40 || !numero.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double valor = t.toDouble(&ok);
    if (!ok || !std::isfinite(valor))
        return std::nullopt;
    // nearbyint rounds halves to even in the default rounding mode.
    const double arredondado = std::nearbyint(valor);
    if (arredondado < static_cast<double>(minimo) || arredondado > static_cast<double>(maximo))
        return std::nullopt;
    return static_cast<qint64>(arredondado);
}

qint64 InteiroOu(const QString& texto, qint64 padrao, qint64 minimo, qint64 maximo)
{
    return Inteiro(texto, minimo, maximo).value_or(padrao);
}

std::optional<QString> CorHex(const QString& texto)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    if (!hex.match(texto).hasMatch())
        return std::nullopt;
    return texto.toUpper();
}

} // namespace NumeroConfig
