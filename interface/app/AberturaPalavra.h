// A word asked for from outside the window (the command line at start, or
// a second start handing it over) is shown once the window is ready: the
// first activation done and the letter's list in place. The window comes
// to the front; an empty word only does that.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class frmMain;

class AberturaPalavra : public QObject {
    Q_OBJECT
public:
    explicit AberturaPalavra(frmMain& janela);

    // The word of a command line (the arguments after the program's name):
    // all of them joined, except the lone debug switch.
    static QString DaLinhaDeComando(const QStringList& argumentos);

    void Pede(const QString& palavra);
    bool Pendente() const { return m_pendente; }

private:
    bool Pronta() const;
    void Mostra();

    frmMain& m_janela;
    QTimer m_espera;
    QString m_palavra;
    bool m_pendente = false;
};
