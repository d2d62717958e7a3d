// Lets GoogleTest show a QString as text when an expectation fails.
#pragma once

#include <QString>
#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* os) { *os << '"' << texto.toStdString() << '"'; }
