// A store held in memory: for tests, and for runs that must not touch the
// user's real settings.
#pragma once

#include "ArmazemConfig.h"

#include <QMap>

class ArmazemMemoria : public ArmazemConfig {
public:
    bool ChaveExiste(Escopo escopo) const override;
    std::optional<QString> Le(Escopo escopo, const QString& nome) const override;
    bool Grava(const QString& nome, const QString& valor) override;
    bool CriaChave() override;

    // Direct access for set-up and inspection; no key rules applied.
    void Define(Escopo escopo, const QString& nome, const QString& valor);
    QMap<QString, QString>& Valores(Escopo escopo);

    bool chaveUsuario = false;
    bool chaveMaquina = false;
    bool falhaGravacao = false; // every write fails as on a read-only medium
    bool falhaCriacao = false; // the per-user key cannot be created
    int gravacoes = 0; // writes that reached the store

private:
    QMap<QString, QString> m_usuario;
    QMap<QString, QString> m_maquina;
};
