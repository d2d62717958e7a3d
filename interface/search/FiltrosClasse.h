// The grammatical classes a search can be narrowed to: their names in the
// order the filter list shows them, the code each one writes into the
// filter text, and the two texts built from the ticks.
#pragma once

#include <QString>
#include <vector>

class FiltrosClasse {
public:
    static constexpr int Quantidade = 13;
    // The engine's filter id is the code plus this.
    static constexpr int BaseMotor = 8;

    // Name of the entry at a place 0..12; empty outside.
    static QString Nome(int indice);
    // Code of the entry numbered from 1: the numbers 8 and 12 are never
    // written, so entries after them move up.
    static int Codigo(int entrada);

    // Each ticked entry's code followed by ";", in list order; "" when the
    // class filter is not chosen or nothing is ticked.
    static QString Codigos(const std::vector<bool>& marcadas, bool filtroEscolhido);
    // "Filtro: " and the ticked names joined by " | ", with the summing
    // note when the filters are summed; "" when nothing is ticked.
    static QString Descricao(const std::vector<bool>& marcadas, bool somados);
};
