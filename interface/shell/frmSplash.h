// The start-up window: the product picture and the version line, on top of
// every other window. When the program asks it to close, it stays up a
// little longer over the ready main window and then closes by itself; the
// user can close it at any time.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int Largura = 400;
    static constexpr int Altura = 293;
    static constexpr int EsperaFechamentoMs = 2500;

    // versao: "major.minor.revision"; espera: how long a close asked by the
    // program is put off.
    explicit frmSplash(const QString& versao, int esperaMs = EsperaFechamentoMs);

    // "V " followed by the version.
    static QString TextoVersao(const QString& versao);

    // The program's close request: the first one starts the delay.
    void PedeFechamento();
    bool Aguardando() const { return tmrClose.isActive(); }

signals:
    void Fechado();
    // A key typed over the splash: it closes, and the key belongs to the
    // window underneath.
    void TeclaDigitada(int tecla, Qt::KeyboardModifiers modificadores, const QString& texto);

protected:
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QLabel* lblSplash;
    QTimer tmrClose;
    bool m_liberado = false;
};
