// The single owner of stored settings: plain value access in the per-user and
// machine-wide scopes, the main window's geometry with its own maximize and
// restore, and the appearance settings of the program-wide model.
#pragma once

#include "ArmazemConfig.h"
#include "JanelaConfig.h"
#include "ValorConfig.h"

#include <QString>

class CConfig {
public:
    // 0 normal, 2 maximized; minimized is the platform's own state.
    qint32 EstadoJanela = 0;

    static constexpr qint32 EstadoNormal = 0;
    static constexpr qint32 EstadoMaximizado = 2;
    // A stored value this long or longer cannot be read back.
    static constexpr int LimiteLeitura = 500;

    explicit CConfig(ArmazemConfig& armazem);

    void Inicializar(JanelaConfig* frm);
    void AtualizarPosicao();
    void MaximizarJanela();
    void RestaurarJanela();
    void DefineEstadoJanela(qint32 estado);
    void MinimizarJanela();
    void CarregaSituacao();
    void GravaSituacao();

    QString LeReg(const QString& nome, const QString& padrao);
    QString LeRegCU(const QString& nome, const QString& padrao);
    QString LeRegLM(const QString& nome, const QString& padrao);
    bool GravaReg(const QString& nome, const QString& valor);

    void GravarConfiguracoesVerbete();
    void LerConfiguracoesVerbete();
    void RestauraConfiguracoesVerbete();
    void RestauraConfiguracoesLista();
    void LerConfiguracoesLista();
    void GravarConfiguracoesLista();

    // A declared value, read from the scopes its declaration names, with its
    // declared default or, for values whose default depends on the moment,
    // the one given.
    QString Le(const ValorConfig& valor);
    QString Le(const ValorConfig& valor, const QString& padrao);
    bool Grava(const ValorConfig& valor, const QString& texto);

private:
    void CarregarConfiguracoes();
    bool CriaChave();
    std::optional<QString> Consulta(ArmazemConfig::Escopo escopo, const QString& nome);
    QString LeEscopo(ArmazemConfig::Escopo escopo, const QString& nome, const QString& padrao);
    Retangulo AreaUtil() const;

    ArmazemConfig& m_armazem;
    JanelaConfig* m_janela = nullptr;
};
