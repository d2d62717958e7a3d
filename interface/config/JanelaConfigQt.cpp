#include "JanelaConfigQt.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

constexpr double kTwipsPorPolegada = 1440.0;

// Stored coordinates are measured against the primary screen, whose origin
// is the desktop's origin.
QScreen* TelaPrincipal() { return QGuiApplication::primaryScreen(); }

qint32 ParaTwips(int pixels, double fator) { return static_cast<qint32>(std::lround(pixels * fator)); }

int ParaPixels(qint32 twips, double fator) { return static_cast<int>(std::lround(twips / fator)); }

} // namespace

JanelaConfigQt::JanelaConfigQt(QWidget* janela) : m_janela(janela) { }

double JanelaConfigQt::TwipsPorPixelX() const
{
    const int dpi = m_janela->logicalDpiX();
    return dpi > 0 ? kTwipsPorPolegada / dpi : 15.0;
}

double JanelaConfigQt::TwipsPorPixelY() const
{
    const int dpi = m_janela->logicalDpiY();
    return dpi > 0 ? kTwipsPorPolegada / dpi : 15.0;
}

Retangulo JanelaConfigQt::Geometria() const
{
    const QRect g = m_janela->geometry();
    const double fx = TwipsPorPixelX();
    const double fy = TwipsPorPixelY();
    return {ParaTwips(g.x(), fx), ParaTwips(g.y(), fy), ParaTwips(g.width(), fx), ParaTwips(g.height(), fy)};
}

void JanelaConfigQt::Move(const Retangulo& r)
{
    const double fx = TwipsPorPixelX();
    const double fy = TwipsPorPixelY();
    m_janela->setGeometry(ParaPixels(r.X, fx), ParaPixels(r.Y, fy), ParaPixels(r.W, fx), ParaPixels(r.H, fy));
}

Tela JanelaConfigQt::TelaAtual() const
{
    Tela tela;
    tela.TwipsPorPixelX = TwipsPorPixelX();
    tela.TwipsPorPixelY = TwipsPorPixelY();
    if (QScreen* s = TelaPrincipal()) {
        tela.LarguraPx = s->geometry().width();
        tela.AlturaPx = s->geometry().height();
    }
    return tela;
}

BarraTarefas JanelaConfigQt::ConsultaBarraTarefas() const
{
    QScreen* s = TelaPrincipal();
    if (!s)
        return {};
    return AreaTrabalho::BarraEquivalente(s->geometry(), s->availableGeometry());
}

bool JanelaConfigQt::Minimizada() const { return m_janela->isMinimized(); }

void JanelaConfigQt::Minimiza() { m_janela->showMinimized(); }

void JanelaConfigQt::MostraAlcaRedimensionar(bool visivel)
{
    if (AoMostrarAlca)
        AoMostrarAlca(visivel);
}

void JanelaConfigQt::DefineFiguraMaximizar(const QString& bitmap)
{
    if (AoDefinirFiguraMaximizar)
        AoDefinirFiguraMaximizar(bitmap);
}

void JanelaConfigQt::DefineSomarFiltros(int valor)
{
    if (AoDefinirSomarFiltros)
        AoDefinirSomarFiltros(valor);
}
