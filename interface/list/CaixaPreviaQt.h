// CaixaPrevia on one of the owner's widgets with a "text" property (a
// QLineEdit or a QLabel).
#pragma once

#include "CaixaPrevia.h"

#include <QPointer>
#include <QWidget>

class CaixaPreviaQt : public CaixaPrevia {
public:
    explicit CaixaPreviaQt(QWidget* caixa);

    void Mostra(int esquerda, int topo, const QString& texto) override;
    void Esconde() override;

private:
    QPointer<QWidget> m_caixa;
};
