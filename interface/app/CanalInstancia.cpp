#include "CanalInstancia.h"

#include "InstanciaUnica.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

CanalInstancia::CanalInstancia(QObject* pai) : QObject(pai) { }

CanalInstancia::~CanalInstancia()
{
    if (m_servidor)
        m_servidor->close();
}

QString CanalInstancia::CaminhoPadrao()
{
    return QFileInfo(InstanciaUnica::CaminhoPadrao()).dir().filePath(QStringLiteral("minilexaria.socket"));
}

bool CanalInstancia::Escuta(const QString& caminho)
{
    if (!m_servidor) {
        m_servidor = new QLocalServer(this);
        m_servidor->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_servidor, &QLocalServer::newConnection, this, &CanalInstancia::NovaConexao);
    }
    if (m_servidor->isListening())
        return true;
    QLocalServer::removeServer(caminho);
    return m_servidor->listen(caminho);
}

QString CanalInstancia::Caminho() const { return m_servidor ? m_servidor->fullServerName() : QString(); }

void CanalInstancia::NovaConexao()
{
    while (QLocalSocket* conexao = m_servidor->nextPendingConnection()) {
        connect(conexao, &QLocalSocket::readyRead, this, [this, conexao] { Le(conexao); });
        connect(conexao, &QLocalSocket::disconnected, this, [this, conexao] { Le(conexao); });
        connect(conexao, &QLocalSocket::disconnected, conexao, &QObject::deleteLater);
        Le(conexao);
    }
}

void CanalInstancia::Le(QLocalSocket* conexao)
{
    // One line per connection; whatever comes after it is not read.
    if (conexao->property("lido").toBool())
        return;
    const bool fim = conexao->state() != QLocalSocket::ConnectedState;
    if (!conexao->canReadLine() && !fim && conexao->bytesAvailable() < TamanhoMaximo)
        return;
    QByteArray linha = conexao->readLine(TamanhoMaximo + 1);
    conexao->setProperty("lido", true);
    if (linha.endsWith('\n'))
        linha.chop(1);
    emit Recebido(QString::fromUtf8(linha.left(TamanhoMaximo)).trimmed());
    conexao->disconnectFromServer();
}

bool CanalInstancia::Envia(const QString& caminho, const QString& palavra, int esperaMs)
{
    QLocalSocket socket;
    socket.connectToServer(caminho);
    if (!socket.waitForConnected(esperaMs))
        return false;
    QByteArray linha = palavra.simplified().toUtf8().left(TamanhoMaximo);
    linha += '\n';
    socket.write(linha);
    if (!socket.waitForBytesWritten(esperaMs))
        return false;
    // The running copy closes its end once it has the line.
    if (socket.state() == QLocalSocket::ConnectedState)
        socket.waitForDisconnected(esperaMs);
    return true;
}
