// The key/value store behind the settings: a per-user scope that the
// program reads and writes, and a machine-wide scope it only reads.
// Names are used exactly as given (spaces, accents, "/" included); each
// implementation keeps them intact in its own medium.
#pragma once

#include <QString>
#include <optional>

class ArmazemConfig {
public:
    enum class Escopo {
        Usuario,
        Maquina
    };

    virtual ~ArmazemConfig() = default;

    // Whether the scope's key can be opened at all.
    virtual bool ChaveExiste(Escopo escopo) const = 0;
    // The stored text, or nothing when the value is absent.
    virtual std::optional<QString> Le(Escopo escopo, const QString& nome) const = 0;
    // Writes into the per-user scope; false when its key is missing or the
    // write did not reach the medium.
    virtual bool Grava(const QString& nome, const QString& valor) = 0;
    // Creates the per-user key; true when it exists afterwards.
    virtual bool CriaChave() = 0;
};
