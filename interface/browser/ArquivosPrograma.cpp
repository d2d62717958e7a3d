#include "ArquivosPrograma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWebEngineUrlRequestJob>

void ArquivosPrograma::DefinePasta(const QString& pasta)
{
    const QString canonica = QFileInfo(pasta).canonicalFilePath();
    m_pasta = canonica.isEmpty() ? QDir::cleanPath(pasta) : canonica;
}

QUrl ArquivosPrograma::Endereco(const QString& caminho) const
{
    QString arquivo = caminho;
    const bool replay = arquivo.endsWith(u'?');
    if (replay)
        arquivo.chop(1);
    const QString limpo = QDir::cleanPath(QFileInfo(arquivo).absoluteFilePath());
    if (m_pasta.isEmpty() || !limpo.startsWith(m_pasta + u'/'))
        return {};
    QUrl url;
    url.setScheme(QString::fromLatin1(Esquema));
    url.setHost(QStringLiteral("app"));
    url.setPath(limpo.mid(m_pasta.size()));
    if (replay)
        url.setQuery(QStringLiteral(""));
    return url;
}

QString ArquivosPrograma::Arquivo(const QUrl& endereco) const
{
    if (endereco.scheme() != QLatin1String(Esquema) || endereco.host() != u"app" || m_pasta.isEmpty())
        return {};
    const QString arquivo = QDir::cleanPath(m_pasta + endereco.path());
    if (!arquivo.startsWith(m_pasta + u'/'))
        return {};
    // A link in the folder must not lead out of it either.
    const QString canonico = QFileInfo(arquivo).canonicalFilePath();
    if (!canonico.isEmpty() && !canonico.startsWith(m_pasta + u'/'))
        return {};
    return arquivo;
}

QString ArquivosPrograma::Caminho(const QUrl& endereco) const
{
    QString arquivo = Arquivo(endereco);
    if (!arquivo.isEmpty() && endereco.hasQuery())
        arquivo += u'?';
    return arquivo;
}

QByteArray ArquivosPrograma::TipoMime(const QString& arquivo)
{
    const QString sufixo = QFileInfo(arquivo).suffix().toLower();
    if (sufixo == u"htm" || sufixo == u"html")
        return "text/html";
    if (sufixo == u"css")
        return "text/css";
    if (sufixo == u"gif")
        return "image/gif";
    if (sufixo == u"png")
        return "image/png";
    if (sufixo == u"svg")
        return "image/svg+xml";
    return {};
}

void ArquivosPrograma::requestStarted(QWebEngineUrlRequestJob* pedido)
{
    const QString arquivo = Arquivo(pedido->requestUrl());
    const QByteArray tipo = TipoMime(arquivo);
    if (arquivo.isEmpty() || tipo.isEmpty()) {
        pedido->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    auto* dados = new QFile(arquivo, pedido);
    if (!QFileInfo(arquivo).isFile() || !dados->open(QIODevice::ReadOnly)) {
        pedido->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    pedido->reply(tipo, dados);
}
