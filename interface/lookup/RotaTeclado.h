// Where a key pressed in the main window goes: Enter in the search box
// looks up, list keys move the visible list, a letter typed anywhere
// starts a new word in the search box. The entry view keeps its own
// scrolling keys, a choice list its arrows, and the note editor keeps
// everything.
#pragma once

#include <QString>

class RotaTeclado {
public:
    enum class Foco {
        Entrada,
        Visor,
        Nota,
        Lista,
        // A control that moves inside itself with the arrows: the class
        // list, the filter choice.
        Escolha,
        Outro
    };

    struct Acao {
        enum Tipo {
            Nada,
            Confirma,
            MoveLista,
            PrimeiroDaLetra,
            UltimoDaLetra,
            NovoTexto
        };
        Tipo tipo = Nada;
        int codigo = 0; // MoveLista: 38 up, 40 down, 33 page up, 34 page down
        QString texto; // NovoTexto: the box's new text (empty: cleared)
    };

    // tecla is Qt's key code, texto what the key types, comandos true with
    // Ctrl, Alt or Meta held, teclado true for a key of the numeric pad.
    static Acao Decide(int tecla, const QString& texto, bool comandos, bool teclado, Foco foco);
};
