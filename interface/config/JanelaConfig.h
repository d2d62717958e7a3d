// What CConfig needs from the main window it manages. Geometry is in twips,
// as stored; the window converts with its own twips per pixel.
#pragma once

#include "AreaTrabalho.h"
#include "Retangulo.h"

#include <QString>

class JanelaConfig {
public:
    virtual ~JanelaConfig() = default;

    virtual Retangulo Geometria() const = 0;
    virtual void Move(const Retangulo& r) = 0;
    virtual double TwipsPorPixelX() const = 0;
    virtual double TwipsPorPixelY() const = 0;
    virtual Tela TelaAtual() const = 0;
    virtual BarraTarefas ConsultaBarraTarefas() const = 0;
    virtual bool Minimizada() const = 0;
    virtual void Minimiza() = 0;

    // The resize grip, hidden while maximized.
    virtual void MostraAlcaRedimensionar(bool visivel) = 0;
    // The maximize button's picture: "BTNMAXIMIZAR" or "BTNRESTAURAR".
    virtual void DefineFiguraMaximizar(const QString& bitmap) = 0;
    // The sum-filters check box of the advanced search.
    virtual void DefineSomarFiltros(int valor) = 0;
};
