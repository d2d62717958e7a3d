// How the style-sheet generator tells the user that it cannot write the
// style-sheet folder. The window shows a message box; tests record the call.
#pragma once

#include <QString>

class AvisoCSS {
public:
    virtual ~AvisoCSS() = default;
    // A critical error with an OK button only.
    virtual void ErroCritico(const QString& titulo, const QString& mensagem) = 0;
};
