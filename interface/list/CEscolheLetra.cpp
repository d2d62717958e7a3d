#include "CEscolheLetra.h"

#include "SuperficieDesenho.h"

#include <cmath>

CEscolheLetra::~CEscolheLetra()
{
    // The strip outlives its chooser when both belong to the main window.
    if (m_faixa)
        m_faixa->DefineOuvinte(nullptr);
}

void CEscolheLetra::Inicializa(SuperficieDesenho* img, SuperficieDesenho* backBuffer)
{
    m_faixa = img;
    m_buffer = backBuffer;
    if (m_faixa)
        m_faixa->DefineOuvinte(this);
    m_selecionada.clear();
    m_destacada.clear();
    m_ultimaDestacada.clear();
    Desenha();
}

void CEscolheLetra::LimparDestaque()
{
    m_ultimaDestacada.clear();
    m_destacada.clear();
    Desenha();
}

void CEscolheLetra::LimparSelecao()
{
    m_selecionada.clear();
    m_ultimaDestacada.clear();
    m_destacada.clear();
    Desenha();
}

void CEscolheLetra::SelecionaLetra(const QString& letra)
{
    m_selecionada = letra.left(1);
    Desenha();
}

QChar CEscolheLetra::LetraEm(double x, double y)
{
    // Off the strip (a release after dragging away) there is no letter.
    if (x < 0 || y < 0 || x >= LarguraFaixa || y >= AlturaFaixa)
        return QChar(u'@');
    const int coluna = static_cast<int>(std::floor(x * CelulasPorLinha / LarguraFaixa));
    return QChar((y >= LadoCelula ? u'N' : u'A') + coluna);
}

bool CEscolheLetra::EhLetra(const QString& letra) { return letra.size() == 1 && letra[0] >= u'A' && letra[0] <= u'Z'; }

QRect CEscolheLetra::Celula(QChar letra)
{
    const int codigo = letra.unicode();
    const bool segunda = codigo >= u'N';
    const int coluna = codigo - (segunda ? u'N' : u'A');
    return {coluna * LadoCelula, segunda ? LadoCelula : 0, LadoCelula, LadoCelula};
}

void CEscolheLetra::MouseMove(double x, double y, int botoes)
{
    (void)botoes;
    m_destacada = LetraEm(x, y);
    // Moving onto the selected letter leaves the strip as it is.
    if (EhLetra(m_destacada) && m_destacada != m_ultimaDestacada && m_destacada != m_selecionada)
        Desenha();
}

void CEscolheLetra::MouseSolta(double x, double y, int botao)
{
    (void)botao;
    const QString letra = LetraEm(x, y);
    // A release off the letters keeps the current choice.
    if (!EhLetra(letra))
        return;
    m_selecionada = letra;
    m_destacada.clear();
    m_ultimaDestacada.clear();
    Desenha();
    if (Eventos.SelecionaLetra)
        Eventos.SelecionaLetra(m_selecionada);
}

void CEscolheLetra::PerdeFoco() { LimparDestaque(); }

void CEscolheLetra::Desenha()
{
    if (!m_faixa || !m_buffer)
        return;
    m_buffer->DesenhaBitmap(BitmapNormal, QRect(), QPoint(0, 0));
    if (EhLetra(m_selecionada)) {
        const QRect c = Celula(m_selecionada[0]);
        m_buffer->DesenhaBitmap(BitmapSelecionado, c, c.topLeft());
    }
    if (!m_destacada.isEmpty()) {
        m_ultimaDestacada = m_destacada;
        // The highlight is drawn last, so it covers the selection.
        if (EhLetra(m_destacada)) {
            const QRect c = Celula(m_destacada[0]);
            m_buffer->DesenhaBitmap(BitmapDestacado, c, c.topLeft());
        }
    }
    m_faixa->CopiaImagem(*m_buffer, QRect(0, 0, LarguraFaixa, AlturaFaixa), QPoint(0, 0));
}
