// The side box's list of the other entries that share a headword.
#pragma once

#include <QString>
#include <QtGlobal>

class MotorDicionario;

// Links to the other homonyms of titulo, the entry id left out; empty when
// the headword has no other entry.
QString MontaListaAlternativas(MotorDicionario& motor, const QString& titulo, qint32 id);
