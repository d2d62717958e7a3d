#include "FiltroJanela.h"

#include <QEvent>
#include <QMouseEvent>

bool FiltroJanela::eventFilter(QObject* alvo, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::MouseMove:
        if (AoMoverPonteiro)
            AoMoverPonteiro();
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton && AoSoltarBotao)
            AoSoltarBotao();
        break;
    // The platform's move and size loops keep the button release for
    // themselves; the window's new place is what tells that they ended.
    case QEvent::Move:
    case QEvent::Resize:
        if (AoSoltarBotao)
            AoSoltarBotao();
        break;
    default: break;
    }
    return QObject::eventFilter(alvo, evento);
}
