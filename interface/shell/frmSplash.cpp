#include "frmSplash.h"

#include "FiguraPele.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

frmSplash::frmSplash(const QString& versao, int esperaMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(Largura, Altura);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - QPoint(Largura / 2, Altura / 2));
    lblSplash = new QLabel(TextoVersao(versao), this);
    lblSplash->setObjectName(QStringLiteral("lblSplash"));
    lblSplash->move(280, 270);
    lblSplash->setStyleSheet(QStringLiteral("color: rgb(98, 116, 130); background: transparent;"));
    lblSplash->adjustSize();

    tmrClose.setSingleShot(true);
    tmrClose.setInterval(esperaMs);
    connect(&tmrClose, &QTimer::timeout, this, [this] {
        m_liberado = true;
        close();
    });
}

QString frmSplash::TextoVersao(const QString& versao) { return QStringLiteral("V ") + versao; }

void frmSplash::PedeFechamento()
{
    // Over the main window that has just shown, also where no window
    // manager keeps it on top.
    raise();
    close();
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(QPoint(0, 0), FiguraPele::Carrega(QStringLiteral("SPLASH_MINI"), devicePixelRatioF()));
}

void frmSplash::closeEvent(QCloseEvent* e)
{
    // A close from the program while the delay is not running is turned
    // into the delay; the user's own close goes through at once.
    if (!e->spontaneous() && !m_liberado && !tmrClose.isActive()) {
        e->ignore();
        tmrClose.start();
        return;
    }
    tmrClose.stop();
    QWidget::closeEvent(e);
    emit Fechado();
}

void frmSplash::mousePressEvent(QMouseEvent*)
{
    // A click is the user's close.
    m_liberado = true;
    close();
}

void frmSplash::keyPressEvent(QKeyEvent* e)
{
    // Typing is the user starting to work: the splash goes, the key goes on.
    // Shift or Caps Lock alone is only the start of a key.
    switch (e->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock: QWidget::keyPressEvent(e); return;
    default: break;
    }
    m_liberado = true;
    close();
    emit TeclaDigitada(e->key(), e->modifiers(), e->text());
}
