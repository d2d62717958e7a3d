// What a list search needs from the window around the results list: its
// height (how many results the page lists), whether the filters are summed,
// and a turn of the event loop between chunks.
#pragma once

class AmbienteBusca {
public:
    virtual ~AmbienteBusca() = default;

    virtual int AlturaJanelaTwips() const = 0;
    virtual bool FiltrosSomados() const = 0;
    // Lets pending window events run; a newer search may start in them.
    virtual void ProcessaEventos() = 0;
};
