#include "AreaTrabalho.h"

#include <cmath>

namespace {

qint32 Twips(double pixels, double fator) { return static_cast<qint32>(std::lround(pixels * fator)); }

bool Consultavel(const BarraTarefas& barra) { return AreaTrabalho::BarraTarefasAtiva(barra) && barra.PosicaoLida; }

} // namespace

qint32 Tela::LarguraTwips() const { return Twips(LarguraPx, TwipsPorPixelX); }

qint32 Tela::AlturaTwips() const { return Twips(AlturaPx, TwipsPorPixelY); }

namespace AreaTrabalho {

bool BarraTarefasAtiva(const BarraTarefas& barra) { return barra.Estado == 1 || barra.Estado == 2; }

// A bar that starts exactly at 0 on the docking side does not count as
// occupying it: only a rectangle overhanging the edge does.

qint32 ObtemAreaEsquerda(const BarraTarefas& barra, const Tela& tela)
{
    if (!Consultavel(barra))
        return 0;
    if (barra.Esquerda < 0 && barra.Direita < tela.LarguraPx)
        return Twips(barra.Direita, tela.TwipsPorPixelX);
    return 0;
}

qint32 ObtemAreaTopo(const BarraTarefas& barra, const Tela& tela)
{
    if (!Consultavel(barra))
        return 0;
    if (barra.Topo < 0 && barra.Base < tela.AlturaPx)
        return Twips(barra.Base, tela.TwipsPorPixelY);
    return 0;
}

qint32 ObtemAreaLargura(const BarraTarefas& barra, const Tela& tela)
{
    if (!Consultavel(barra))
        return tela.LarguraTwips();
    if (barra.Esquerda < 0 && barra.Direita < tela.LarguraPx)
        return Twips(tela.LarguraPx - barra.Direita, tela.TwipsPorPixelX);
    if (barra.Esquerda > 0 && barra.Direita >= tela.LarguraPx)
        return Twips(barra.Esquerda, tela.TwipsPorPixelX);
    return tela.LarguraTwips();
}

qint32 ObtemAreaAltura(const BarraTarefas& barra, const Tela& tela)
{
    if (!Consultavel(barra))
        return tela.AlturaTwips();
    if (barra.Topo < 0 && barra.Base < tela.AlturaPx)
        return Twips(tela.AlturaPx - barra.Base, tela.TwipsPorPixelY);
    if (barra.Topo > 0 && barra.Base >= tela.AlturaPx)
        return Twips(barra.Topo, tela.TwipsPorPixelY);
    return tela.AlturaTwips();
}

BarraTarefas BarraEquivalente(const QRect& telaPx, const QRect& disponivelPx)
{
    const QRect area = disponivelPx.intersected(telaPx);
    BarraTarefas barra;
    if (area.isEmpty() || area == telaPx)
        return barra; // nothing takes room: state 0, the whole screen is used
    const int largura = telaPx.width();
    const int altura = telaPx.height();
    const int esquerda = area.left() - telaPx.left();
    const int topo = area.top() - telaPx.top();
    const int direita = esquerda + area.width();
    const int base = topo + area.height();

    barra.Estado = 2;
    barra.PosicaoLida = true;
    if (esquerda > 0) {
        barra.Esquerda = -2;
        barra.Direita = esquerda;
    } else if (direita < largura) {
        barra.Esquerda = direita;
        barra.Direita = largura + 2;
    } else {
        barra.Esquerda = 0;
        barra.Direita = largura;
    }
    if (topo > 0) {
        barra.Topo = -2;
        barra.Base = topo;
    } else if (base < altura) {
        barra.Topo = base;
        barra.Base = altura + 2;
    } else {
        barra.Topo = 0;
        barra.Base = altura;
    }
    return barra;
}

} // namespace AreaTrabalho
