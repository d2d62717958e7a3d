// One running copy per user: a lock file in the user's runtime folder. The
// lock dies with its process, so a crash never keeps the next start out.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

class InstanciaUnica {
public:
    // The lock for this program and user.
    InstanciaUnica();
    // A lock at a given path (tests, portable runs).
    explicit InstanciaUnica(const QString& caminho);
    ~InstanciaUnica();

    static QString CaminhoPadrao();

    // Takes the lock if nobody holds it; true when this process holds it.
    bool Adquire();
    bool Ativa() const { return m_ativa; }
    // Whether another live process holds the lock.
    bool OutraAtiva();
    QString Caminho() const { return m_caminho; }

private:
    QString m_caminho;
    std::unique_ptr<QLockFile> m_trava;
    bool m_ativa = false;
};
