// A main window that only records what CConfig does to it.
#pragma once

#include "JanelaConfig.h"

#include <QStringList>

class JanelaFalsa : public JanelaConfig {
public:
    Retangulo geometria{1500, 1200, 12000, 9000};
    Tela tela{1024, 768, 15.0, 15.0};
    BarraTarefas barra; // state 0: no bar
    bool minimizada = false;
    bool alcaVisivel = true;
    QString figuraMaximizar;
    int somarFiltros = -1;
    QList<Retangulo> movimentos;

    Retangulo Geometria() const override { return geometria; }
    void Move(const Retangulo& r) override
    {
        geometria = r;
        movimentos.append(r);
    }
    double TwipsPorPixelX() const override { return tela.TwipsPorPixelX; }
    double TwipsPorPixelY() const override { return tela.TwipsPorPixelY; }
    Tela TelaAtual() const override { return tela; }
    BarraTarefas ConsultaBarraTarefas() const override { return barra; }
    bool Minimizada() const override { return minimizada; }
    void Minimiza() override { minimizada = true; }
    void MostraAlcaRedimensionar(bool visivel) override { alcaVisivel = visivel; }
    void DefineFiguraMaximizar(const QString& bitmap) override { figuraMaximizar = bitmap; }
    void DefineSomarFiltros(int valor) override { somarFiltros = valor; }
};
