// The three kinds of list search, by the code their events carry.
#pragma once

#include <QtGlobal>

enum class TipoPesquisa : qint16 {
    Flexivel = 1, // a word and its forms
    Mascara = 2, // headwords by a pattern with "*"
    Reversa = 3, // words of the entry text
};
