#include "BotaoImagem.h"

#include "ControleBotoes.h"
#include "FiguraPele.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

int Botoes(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

} // namespace

BotaoImagem::BotaoImagem(const QString& nome, const QString& figura, QWidget* pai) : QWidget(pai)
{
    setObjectName(nome);
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    CarregaFigura(figura);
}

void BotaoImagem::CarregaFigura(const QString& bitmap)
{
    if (bitmap == m_figura)
        return;
    m_figura = bitmap;
    update();
}

void BotaoImagem::paintEvent(QPaintEvent*)
{
    if (m_figura.isEmpty())
        return;
    QPainter p(this);
    // A button with nowhere to go is drawn faded (and gets no clicks).
    if (!isEnabled())
        p.setOpacity(0.35);
    const QPixmap figura = FiguraPele::Carrega(m_figura, devicePixelRatioF());
    p.drawPixmap(QPoint(0, 0), figura);
}

void BotaoImagem::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton)
        emit Arrastado(e->globalPosition().toPoint());
    if (m_controle)
        m_controle->MarcarBotao(this, Botoes(e->buttons()));
    else
        e->ignore();
}

void BotaoImagem::mousePressEvent(QMouseEvent* e)
{
    if (m_controle)
        m_controle->Pressiona(this);
    emit Pressionado(e->globalPosition().toPoint());
}

void BotaoImagem::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    emit Solto();
    if (m_controle)
        m_controle->Solta(this, e->position().x(), e->position().y());
    else
        e->ignore();
}
