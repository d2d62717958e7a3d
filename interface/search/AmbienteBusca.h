// What a list search needs from the window around the results list: its
// height (how many results the page lists), whether the filters are summed,
// a turn of the event loop between chunks, and where an engine error goes.
#pragma once

#include <QString>

class AmbienteBusca {
public:
    virtual ~AmbienteBusca() = default;

    virtual int AlturaJanelaTwips() const = 0;
    virtual bool FiltrosSomados() const = 0;
    // Lets pending window events run; a newer search may start in them.
    virtual void ProcessaEventos() = 0;
    // The engine could not read what the search needed: the reader is told
    // so, never shown "nothing found".
    virtual void MostraErroMotor(const QString& erro) = 0;
};
