// The style-sheet generator's message, shown as a critical message box.
#pragma once

#include "AvisoCSS.h"

class QWidget;

class AvisoCSSQt : public AvisoCSS {
public:
    explicit AvisoCSSQt(QWidget* pai = nullptr) : m_pai(pai) { }
    void ErroCritico(const QString& titulo, const QString& mensagem) override;

private:
    QWidget* m_pai;
};
