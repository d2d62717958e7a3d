// Stop words: short words of Portuguese and a few foreign languages, single
// letters and punctuation that a search in entry text would find everywhere.
#pragma once

#include <QString>

constexpr int kTotalPalavrasComuns = 136;

// Fills the table; it is filled once, later calls leave it as it is.
void CarregaPalavrasComuns();

// True when the word, in lower case, equals a stop word in lower case.
// Accents count: "estao" is not "estão". Loads the table on first use.
bool EhPalavraComum(const QString& palavra);

// Stop word at a position 1..136 as the table holds it; empty outside that
// range or while the table is still empty.
QString PalavraComum(int posicao);

// Number of stop words loaded: 0 before first use, then 136.
int QuantidadePalavrasComuns();
