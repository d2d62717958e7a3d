// The settings store on QSettings: organisation "Corvanta", application
// "MiniLexaria"; the user scope is read and written, the system scope only
// read. QSettings takes "/" and "\" as group separators, so value names are
// escaped ("%" → "%25", "/" → "%2F", "\" → "%5C") before they reach it; an
// installer writing the machine-wide file uses the same escaping.
#pragma once

#include "ArmazemConfig.h"

#include <QSettings>
#include <memory>

class ArmazemQSettings : public ArmazemConfig {
public:
    // The platform's own stores (registry on Windows, ~/.config and
    // /etc/xdg on Linux).
    ArmazemQSettings();
    // Two INI files, for tests and portable runs.
    ArmazemQSettings(const QString& arquivoUsuario, const QString& arquivoMaquina);
    ~ArmazemQSettings() override;

    bool ChaveExiste(Escopo escopo) const override;
    std::optional<QString> Le(Escopo escopo, const QString& nome) const override;
    bool Grava(const QString& nome, const QString& valor) override;
    bool CriaChave() override;

    static QString EscapaNome(const QString& nome);
    static QString RestauraNome(const QString& chave);

    // Whether a scope's file can be used: absent, or a regular file. A FIFO
    // or a folder in its place is never opened (reading a FIFO waits for a
    // writer forever): that scope is present but reads as empty and takes
    // no writes.
    bool Utilizavel(Escopo escopo) const;

private:
    QSettings& De(Escopo escopo) const;
    void Abre(const QString& arquivoUsuario, const QString& arquivoMaquina);
    QString Arquivo(Escopo escopo) const;

    std::unique_ptr<QSettings> m_usuario;
    std::unique_ptr<QSettings> m_maquina;
    QString m_arquivoUsuario; // empty: the registry
    QString m_arquivoMaquina;
    bool m_chaveCriada = false;
};
