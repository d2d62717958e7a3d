// The short list of results put on a result page: each headword as a link,
// a summary of its entry under it, as many as the window can show.
#pragma once

#include <QString>
#include <QtGlobal>

class MotorDicionario;

class ResultadosHtml {
public:
    static constexpr int TamanhoResumo = 120;

    // The text inside the element of that id, its inner elements dropped
    // with their content; "" when the element or its end is missing.
    static QString TextoElemento(const QString& id, const QString& html);
    // Etymology, class and definition of an entry, cut to 120 characters.
    static QString ResumoDe(const QString& html);
    // The summary of an entry id read from the engine; "" for a negative id.
    static QString Resumo(MotorDicionario& motor, qint32 id);
    // The page's list from a chunk of "word|id|" pairs; a window of
    // alturaTwips shows 7 entries at 7200 twips and one more per 800.
    static QString Monta(MotorDicionario& motor, const QString& pares, int alturaTwips);
    // A headword with its homonym number in the small style.
    static QString PalavraMarcada(const QString& palavra);
};
