#include "SuperficieWidget.h"

#include "BitmapsLista.h"
#include "OuvinteSuperficie.h"
#include "TemporizadorQt.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

namespace {

int Botao(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return OuvinteSuperficie::BotaoEsquerdo;
    case Qt::RightButton: return OuvinteSuperficie::BotaoDireito;
    case Qt::MiddleButton: return OuvinteSuperficie::BotaoMeio;
    default: return 0;
    }
}

int Botoes(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? OuvinteSuperficie::BotaoEsquerdo : 0) |
           (b & Qt::RightButton ? OuvinteSuperficie::BotaoDireito : 0) |
           (b & Qt::MiddleButton ? OuvinteSuperficie::BotaoMeio : 0);
}

} // namespace

SuperficieWidget::SuperficieWidget(QWidget* pai) : QWidget(pai), m_imagem(1, 1, [this] { return EscalaAtual(); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Keys reach the list through the main window, which picks what to pass.
    setFocusPolicy(Qt::NoFocus);
}

SuperficieWidget::~SuperficieWidget() = default;

qreal SuperficieWidget::EscalaAtual() const { return devicePixelRatioF(); }

int SuperficieWidget::CodigoTecla(int teclaQt)
{
    switch (teclaQt) {
    case Qt::Key_Up: return 38;
    case Qt::Key_Down: return 40;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    default: return 0;
    }
}

void SuperficieWidget::Redimensiona(int largura, int altura) { resize(largura, altura); }

void SuperficieWidget::Limpa(const QColor& cor)
{
    m_imagem.Limpa(cor);
    update();
}

void SuperficieWidget::LimpaArea(const QRect& area, const QColor& cor)
{
    m_imagem.LimpaArea(area, cor);
    update(area);
}

double SuperficieWidget::ImprimeTexto(double x, double y, const QString& texto, double tamanhoPontos, const QColor& cor)
{
    update();
    return m_imagem.ImprimeTexto(x, y, texto, tamanhoPontos, cor);
}

double SuperficieWidget::AlturaTexto(const QString& texto, double tamanhoPontos) const
{
    return m_imagem.AlturaTexto(texto, tamanhoPontos);
}

void SuperficieWidget::DesenhaCaixa(const QRectF& caixa, const QColor& cor, bool cheia)
{
    m_imagem.DesenhaCaixa(caixa, cor, cheia);
    update(caixa.toAlignedRect());
}

void SuperficieWidget::DesenhaBitmap(int id, const QRect& origem, const QPoint& destino)
{
    m_imagem.DesenhaBitmap(id, origem, destino);
    update();
}

void SuperficieWidget::CopiaImagem(const SuperficieDesenho& origem, const QRect& area, const QPoint& destino)
{
    if (const auto* widget = dynamic_cast<const SuperficieWidget*>(&origem))
        m_imagem.CopiaImagem(widget->Imagem(), area, destino);
    else
        m_imagem.CopiaImagem(origem, area, destino);
    update(QRect(destino, area.size()));
}

void SuperficieWidget::DefinePonteiro(Ponteiro ponteiro)
{
    if (ponteiro == Ponteiro::Personalizado)
        setCursor(BitmapsLista::Cursor(101));
    else
        unsetCursor();
}

void SuperficieWidget::DefineOuvinte(OuvinteSuperficie* ouvinte) { m_ouvinte = ouvinte; }

std::unique_ptr<SuperficieDesenho> SuperficieWidget::CriaBuffer(int largura, int altura)
{
    return std::make_unique<SuperficieImagem>(largura, altura, [this] { return EscalaAtual(); });
}

std::unique_ptr<Temporizador> SuperficieWidget::CriaTemporizador() { return std::make_unique<TemporizadorQt>(); }

QPoint SuperficieWidget::PosicaoNaJanela() const { return mapTo(window(), QPoint(0, 0)); }

int SuperficieWidget::PonteiroYNaJanela() const
{
    const QPoint global = m_temPonteiro ? m_ultimoPonteiroGlobal : QCursor::pos();
    return window()->mapFromGlobal(global).y();
}

void SuperficieWidget::paintEvent(QPaintEvent* e)
{
    // Moved to a screen of another density: rebuild at the new one and let
    // the owner redraw.
    if (!qFuzzyCompare(m_imagem.Escala(), EscalaAtual())) {
        m_imagem.Redimensiona(width(), height());
        if (m_ouvinte)
            m_ouvinte->Redimensionada();
    }
    QPainter p(this);
    const qreal escala = m_imagem.Escala();
    const QRect r = e->rect();
    p.drawPixmap(r, m_imagem.Pixmap(), QRectF(r.x() * escala, r.y() * escala, r.width() * escala, r.height() * escala));
}

void SuperficieWidget::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_imagem.Redimensiona(width(), height());
    if (m_ouvinte)
        m_ouvinte->Redimensionada();
}

void SuperficieWidget::Anota(QMouseEvent* e)
{
    m_ultimoPonteiroGlobal = e->globalPosition().toPoint();
    m_temPonteiro = true;
}

void SuperficieWidget::mousePressEvent(QMouseEvent* e)
{
    Anota(e);
    if (m_ouvinte)
        m_ouvinte->MousePressiona(e->position().x(), e->position().y(), Botao(e->button()));
}

void SuperficieWidget::mouseMoveEvent(QMouseEvent* e)
{
    Anota(e);
    if (m_ouvinte)
        m_ouvinte->MouseMove(e->position().x(), e->position().y(), Botoes(e->buttons()));
}

void SuperficieWidget::mouseReleaseEvent(QMouseEvent* e)
{
    Anota(e);
    if (m_ouvinte)
        m_ouvinte->MouseSolta(e->position().x(), e->position().y(), Botao(e->button()));
}

void SuperficieWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double click is only a double click.
    Anota(e);
    if (m_ouvinte)
        m_ouvinte->MouseDuploClique(e->position().x(), e->position().y(), Botao(e->button()));
}

void SuperficieWidget::keyPressEvent(QKeyEvent* e)
{
    const int codigo = CodigoTecla(e->key());
    if (codigo != 0 && m_ouvinte) {
        m_ouvinte->Tecla(codigo);
        return;
    }
    QWidget::keyPressEvent(e);
}

void SuperficieWidget::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    if (m_ouvinte)
        m_ouvinte->PerdeFoco();
}

void SuperficieWidget::wheelEvent(QWheelEvent* e)
{
    // Touchpads send fractions of a notch; they add up until one is whole.
    m_rodaAcumulada += e->angleDelta().y();
    const int passos = m_rodaAcumulada / 120;
    m_rodaAcumulada -= passos * 120;
    if (passos != 0 && m_ouvinte)
        m_ouvinte->Roda(passos);
    e->accept();
}
