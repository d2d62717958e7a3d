// SIGTERM and SIGINT as a request to close: the signal handler only writes
// a byte to a pipe, and the event loop turns it into Pedido, so the window
// closes as it does for the user and saves what closing saves. A second
// signal while that is under way ends the process the default way.
#pragma once

#include <QObject>

class QSocketNotifier;

class SinaisTermino : public QObject {
    Q_OBJECT
public:
    // One instance at a time; it installs the handlers and puts the
    // defaults back when it goes.
    explicit SinaisTermino(QObject* pai = nullptr);
    ~SinaisTermino() override;

    bool Instalado() const { return m_notificador != nullptr; }

signals:
    void Pedido(int sinal);

private:
    void Le();

    QSocketNotifier* m_notificador = nullptr;
};
