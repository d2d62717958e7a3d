// The usable screen area (the screen less the task bar), in twips. Pure
// arithmetic: the platform supplies the screen and the bar.
#pragma once

#include <QRect>
#include <QtGlobal>

struct Tela {
    qint32 LarguraPx = 0;
    qint32 AlturaPx = 0;
    double TwipsPorPixelX = 15.0;
    double TwipsPorPixelY = 15.0;

    qint32 LarguraTwips() const;
    qint32 AlturaTwips() const;
};

// What the platform says of the task bar: its state (0 none, 1 auto-hide,
// 2 always on top, 3 both), whether its position could be read, and its
// rectangle in pixels, left/top/right/bottom.
struct BarraTarefas {
    qint32 Estado = 0;
    bool PosicaoLida = false;
    qint32 Esquerda = 0;
    qint32 Topo = 0;
    qint32 Direita = 0;
    qint32 Base = 0;
};

namespace AreaTrabalho {

// A bar that hides itself and stays on top takes no room.
bool BarraTarefasAtiva(const BarraTarefas& barra);

qint32 ObtemAreaEsquerda(const BarraTarefas& barra, const Tela& tela);
qint32 ObtemAreaTopo(const BarraTarefas& barra, const Tela& tela);
qint32 ObtemAreaLargura(const BarraTarefas& barra, const Tela& tela);
qint32 ObtemAreaAltura(const BarraTarefas& barra, const Tela& tela);

// Platforms that report only the available area (panels, docks) describe it
// as one bar docked on the sides where room is taken, overhanging the outer
// screen edges as a docked bar does, so the arithmetic above gives back that
// area. Rectangles in pixels, relative to anywhere as long as both agree.
BarraTarefas BarraEquivalente(const QRect& telaPx, const QRect& disponivelPx);

} // namespace AreaTrabalho
