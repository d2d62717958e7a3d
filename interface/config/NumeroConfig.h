// Turning stored text into numbers and colours. Stored settings can be
// edited by hand or damaged; anything that is not a sensible value gives
// nothing, and the caller keeps its default.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace NumeroConfig {

// Decimal text (an optional sign, digits, optionally a fraction, blanks
// around it allowed), rounded half to even, within [minimo, maximo].
std::optional<qint64> Inteiro(const QString& texto, qint64 minimo, qint64 maximo);

// Inteiro, or padrao when the text is not such a number.
qint64 InteiroOu(const QString& texto, qint64 padrao, qint64 minimo, qint64 maximo);

// Six hexadecimal digits RRGGBB, returned in upper case.
std::optional<QString> CorHex(const QString& texto);

} // namespace NumeroConfig
