#include "AvisoCSSQt.h"

#include <QMessageBox>

void AvisoCSSQt::ErroCritico(const QString& titulo, const QString& mensagem)
{
    QMessageBox::critical(m_pai, titulo, mensagem, QMessageBox::Ok);
}
