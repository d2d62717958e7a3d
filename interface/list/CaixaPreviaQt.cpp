#include "CaixaPreviaQt.h"

CaixaPreviaQt::CaixaPreviaQt(QWidget* caixa) : m_caixa(caixa) { }

void CaixaPreviaQt::Mostra(int esquerda, int topo, const QString& texto)
{
    if (!m_caixa)
        return;
    // The position is given in the main window; the box may sit in a child.
    QPoint lugar(esquerda, topo);
    if (QWidget* pai = m_caixa->parentWidget(); pai && pai != m_caixa->window())
        lugar = pai->mapFrom(m_caixa->window(), lugar);
    m_caixa->move(lugar);
    m_caixa->setProperty("text", texto);
    m_caixa->show();
    m_caixa->raise();
}

void CaixaPreviaQt::Esconde()
{
    if (m_caixa)
        m_caixa->hide();
}
