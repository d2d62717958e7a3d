// JanelaConfig over a top-level QWidget. The grip, the maximize button and
// the sum-filters check box belong to the main window, which hooks them in.
#pragma once

#include "JanelaConfig.h"

#include <functional>

class QWidget;

class JanelaConfigQt : public JanelaConfig {
public:
    explicit JanelaConfigQt(QWidget* janela);

    std::function<void(bool)> AoMostrarAlca;
    std::function<void(const QString&)> AoDefinirFiguraMaximizar;
    std::function<void(int)> AoDefinirSomarFiltros;

    Retangulo Geometria() const override;
    void Move(const Retangulo& r) override;
    double TwipsPorPixelX() const override;
    double TwipsPorPixelY() const override;
    Tela TelaAtual() const override;
    BarraTarefas ConsultaBarraTarefas() const override;
    bool Minimizada() const override;
    void Minimiza() override;
    void MostraAlcaRedimensionar(bool visivel) override;
    void DefineFiguraMaximizar(const QString& bitmap) override;
    void DefineSomarFiltros(int valor) override;

private:
    QWidget* m_janela;
};
