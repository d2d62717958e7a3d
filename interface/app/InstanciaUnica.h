// One running copy per user: a lock file in the user's runtime folder, held
// with a lock of the system's that dies with its process. Whatever the file
// holds (nothing, garbage, the number of a process long gone) it is taken
// over when nobody holds it, so a crash or a stray file never keeps the
// next start out.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

class InstanciaUnica {
public:
    // The lock for this program and user.
    InstanciaUnica();
    // A lock at a given path (tests, portable runs).
    explicit InstanciaUnica(const QString& caminho);
    ~InstanciaUnica();
    InstanciaUnica(const InstanciaUnica&) = delete;
    InstanciaUnica& operator=(const InstanciaUnica&) = delete;

    static QString CaminhoPadrao();

    // Takes the lock unless another live process holds it; true when this
    // process may run. When no lock can be made at all (the path is taken
    // by a folder that cannot be removed) the program runs without one
    // rather than never.
    bool Adquire();
    bool Ativa() const { return m_ativa; }
    // Whether another live process holds the lock.
    bool OutraAtiva();
    // Lets the lock go and removes its file (also from a signal's path out).
    void Libera();
    QString Caminho() const { return m_caminho; }

private:
    QString m_caminho;
#ifdef Q_OS_UNIX
    int m_fd = -1;
#else
    std::unique_ptr<QLockFile> m_trava;
#endif
    bool m_ativa = false;
};
