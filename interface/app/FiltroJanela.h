// Watches every event of the main window before the window handles it:
// the pointer over the bare background clears the hover highlights, and a
// finished move or resize is remembered. Never takes an event away.
#pragma once

#include <QObject>
#include <functional>

class FiltroJanela : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    std::function<void()> AoMoverPonteiro;
    std::function<void()> AoSoltarBotao;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
};
