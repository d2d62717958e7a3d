// The window's command keys: the two menus on Alt+A and Alt+U (when the key
// is released, as their buttons open on release), Back and Forward on
// Alt+Left and Alt+Right, the search box on Ctrl+F or F3, printing on
// Ctrl+P and the manual's home page on F1. The answer is the name of the
// button whose click the key stands for ("foco" for the search box).
#pragma once

#include <QString>
#include <Qt>

class AtalhosJanela {
public:
    static inline const QString FocoBusca = QStringLiteral("foco");

    // "" when the key is no command (or acts on the other edge of the press).
    static QString Decide(int tecla, Qt::KeyboardModifiers mods, bool soltura);
    // The key a menu item shows beside it; "" for none.
    static QString TeclaDoItem(const QString& item);
};
