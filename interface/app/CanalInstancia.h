// How a second start reaches the running copy: a local socket beside the
// lock in the user's runtime folder. The second start sends one line (the
// word to show, or nothing just to bring the window to the front) and ends;
// the running copy hears it as Recebido.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class CanalInstancia : public QObject {
    Q_OBJECT
public:
    // A message longer than this is cut (a word, not a document).
    static constexpr qsizetype TamanhoMaximo = 1024;

    explicit CanalInstancia(QObject* pai = nullptr);
    ~CanalInstancia() override;

    // The socket for this user, beside the single-copy lock.
    static QString CaminhoPadrao();

    // Only the copy that holds the lock listens; a socket left by a copy
    // that died is replaced.
    bool Escuta(const QString& caminho);
    QString Caminho() const;

    // The second start's side: false when nobody answered in time.
    static bool Envia(const QString& caminho, const QString& palavra, int esperaMs = 2000);

signals:
    void Recebido(const QString& palavra);

private:
    void NovaConexao();
    void Le(QLocalSocket* conexao);

    QLocalServer* m_servidor = nullptr;
};
