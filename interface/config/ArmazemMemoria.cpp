#include "ArmazemMemoria.h"

bool ArmazemMemoria::ChaveExiste(Escopo escopo) const
{
    return escopo == Escopo::Usuario ? chaveUsuario : chaveMaquina;
}

std::optional<QString> ArmazemMemoria::Le(Escopo escopo, const QString& nome) const
{
    if (!ChaveExiste(escopo))
        return std::nullopt;
    const auto& mapa = escopo == Escopo::Usuario ? m_usuario : m_maquina;
    auto it = mapa.find(nome);
    if (it == mapa.end())
        return std::nullopt;
    return it.value();
}

bool ArmazemMemoria::Grava(const QString& nome, const QString& valor)
{
    if (!chaveUsuario || falhaGravacao)
        return false;
    m_usuario.insert(nome, valor);
    ++gravacoes;
    return true;
}

bool ArmazemMemoria::CriaChave()
{
    if (falhaCriacao)
        return false;
    chaveUsuario = true;
    return true;
}

void ArmazemMemoria::Define(Escopo escopo, const QString& nome, const QString& valor)
{
    Valores(escopo).insert(nome, valor);
    if (escopo == Escopo::Usuario)
        chaveUsuario = true;
    else
        chaveMaquina = true;
}

QMap<QString, QString>& ArmazemMemoria::Valores(Escopo escopo)
{
    return escopo == Escopo::Usuario ? m_usuario : m_maquina;
}
