// The conjugation box of a verb's entry page: one HTML table of thirteen
// tense blocks built from the engine's compact conjugation text.
#pragma once

#include <QString>

// verbo: the headword the text belongs to; dados: what the engine's
// ObtemConjugacao gave for it, read by mini::LeConjugacao. Empty when there
// is nothing to show: no table, or a text that cannot be read for this verb
// (an ending the headword lacks, a form list that is not 72 long); the
// latter is also logged as a warning, since it means the engine and the
// page disagree.
QString MontaConjugacao(const QString& verbo, const QString& dados);
