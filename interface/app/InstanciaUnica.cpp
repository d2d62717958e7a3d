#include "InstanciaUnica.h"

#include <QDir>
#include <QStandardPaths>

InstanciaUnica::InstanciaUnica() : InstanciaUnica(CaminhoPadrao()) {}

InstanciaUnica::InstanciaUnica(const QString& caminho)
    : m_caminho(caminho), m_trava(std::make_unique<QLockFile>(caminho))
{
    // Only a dead owner makes the lock stale, never its age.
    m_trava->setStaleLockTime(0);
}

InstanciaUnica::~InstanciaUnica() = default;

QString InstanciaUnica::CaminhoPadrao()
{
    // The runtime folder is per user (XDG_RUNTIME_DIR, or a private folder
    // Qt makes under the temporary folder); the temporary folder is the
    // fallback on platforms without one.
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (pasta.isEmpty())
        pasta = QDir::tempPath();
    QDir().mkpath(pasta);
    return QDir(pasta).filePath(QStringLiteral("minilexaria.lock"));
}

bool InstanciaUnica::Adquire()
{
    if (!m_ativa)
        m_ativa = m_trava->tryLock(0);
    return m_ativa;
}

bool InstanciaUnica::OutraAtiva()
{
    return !Adquire();
}
