// The lookup controller's questions about a word's forms, kept free of
// widgets so they can be tried against a fake engine.
#pragma once

#include <QString>
#include <QtGlobal>

class MotorDicionario;

// The conjugation box of the entry id (empty when it is no verb or the
// engine cannot conjugate it). bruto is the headword as ObtemVerbete gave
// it. A pronominal headword the engine does not conjugate ("lavar-se") is
// asked for again as the verb before the hyphen ("lavar").
QString ConjugacaoDoVerbete(MotorDicionario& motor, qint32 id, const QString& bruto);

// The words of texto, each followed by the forms the engine knows for it
// (the homonym mark cut from each), split by spaces and trimmed, so the page
// can highlight every form of the searched words.
QString ExpandeFlexoes(MotorDicionario& motor, const QString& texto);
