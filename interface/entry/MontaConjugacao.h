// The conjugation box of a verb's entry page: one HTML table of thirteen
// tense blocks built from the engine's compact conjugation text.
#pragma once

#include <QString>

// verbo: the headword the text belongs to; dados: what the engine's
// ObtemConjugacao gave for it (ending rule, a no-break space, then the 72
// forms split by ";"). Empty when there is nothing to show: no text, an
// ending the headword lacks, or a form list that is not 72 long (a table
// with missing or extra forms would put forms under the wrong tense).
QString MontaConjugacao(const QString& verbo, const QString& dados);
