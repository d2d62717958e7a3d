#include "InstanciaUnica.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

InstanciaUnica::InstanciaUnica() : InstanciaUnica(CaminhoPadrao()) { }

InstanciaUnica::InstanciaUnica(const QString& caminho) : m_caminho(caminho)
{
#ifndef Q_OS_UNIX
    m_trava = std::make_unique<QLockFile>(caminho);
    // Only a dead owner makes the lock stale, never its age.
    m_trava->setStaleLockTime(0);
#endif
}

InstanciaUnica::~InstanciaUnica() { Libera(); }

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

#ifdef Q_OS_UNIX

bool InstanciaUnica::Adquire()
{
    if (m_ativa)
        return true;
    const QByteArray caminho = QFile::encodeName(m_caminho);
    // A few rounds: a file that is not ours to lock is removed and made
    // anew, and a lock taken on a file its last owner removed meanwhile is
    // no lock at all.
    for (int rodada = 0; rodada < 4; ++rodada) {
        const int fd = ::open(caminho.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EISDIR)
                ::rmdir(caminho.constData());
            else if (errno == ELOOP || errno == ENXIO || errno == EACCES)
                ::unlink(caminho.constData());
            else
                return true;
            continue;
        }
        struct stat aberto { };
        if (::fstat(fd, &aberto) != 0 || !S_ISREG(aberto.st_mode)) {
            // A FIFO, a device: never read, only put out of the way.
            ::close(fd);
            ::unlink(caminho.constData());
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int erro = errno;
            ::close(fd);
            if (erro == EWOULDBLOCK)
                return false;
            return true;
        }
        struct stat agora { };
        if (::stat(caminho.constData(), &agora) != 0 || agora.st_ino != aberto.st_ino ||
            agora.st_dev != aberto.st_dev) {
            ::close(fd);
            continue;
        }
        // The process number, for people looking at the file; the lock
        // itself is what counts.
        const std::string pid = std::to_string(::getpid()) + "\n";
        if (::ftruncate(fd, 0) == 0 && ::write(fd, pid.data(), pid.size()) < 0) {
            // Nothing to do: an empty lock file is as good a lock.
        }
        m_fd = fd;
        m_ativa = true;
        return true;
    }
    return true;
}

void InstanciaUnica::Libera()
{
    if (!m_ativa)
        return;
    // Removed while still held, so nobody can take a lock on a file about
    // to vanish; a start that opened it meanwhile sees it is gone.
    ::unlink(QFile::encodeName(m_caminho).constData());
    ::close(m_fd);
    m_fd = -1;
    m_ativa = false;
}

#else

bool InstanciaUnica::Adquire()
{
    if (!m_ativa)
        m_ativa = m_trava->tryLock(0);
    return m_ativa;
}

void InstanciaUnica::Libera()
{
    if (m_ativa)
        m_trava->unlock();
    m_ativa = false;
}

#endif

bool InstanciaUnica::OutraAtiva() { return !Adquire(); }
