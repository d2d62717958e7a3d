#include "CScroll.h"

#include "Temporizador.h"

#include <cmath>

void CScroll::Valor(qint32 valor)
{
    m_valor = valor;
    PosicionaBarra();
}

void CScroll::TamPagina(qint32 pagina)
{
    m_pagina = pagina;
    PosicionaBarra();
}

void CScroll::ValorMax(qint32 maximo)
{
    // The owner keeps the value within range; the thumb stays where it is.
    m_maximo = maximo;
    if (m_barra)
        m_barra->Visible = maximo != 0;
}

void CScroll::Inicializa(ImagemScroll* img1, ImagemScroll* img2, ImagemScroll* img3, ImagemScroll* img4,
                         Temporizador* temporizador)
{
    m_barra = img1;
    m_setaCima = img2;
    m_setaBaixo = img3;
    m_fundo = img4;
    m_temporizador = temporizador;
    m_maximo = ValorMaxInicial;
}

// Room the thumb's top can travel between the arrows.
double CScroll::Curso() const { return m_setaBaixo->Top - m_setaCima->Top - m_setaCima->Height - m_barra->Height; }

void CScroll::PosicionaBarra()
{
    if (!m_barra)
        return;
    if (m_maximo != 0)
        m_barra->Top = Curso() * m_valor / m_maximo + m_setaCima->Height;
    else
        m_barra->Top = m_setaCima->Top + m_setaCima->Height;
}

void CScroll::Avisa(const std::function<void(qint32)>& evento)
{
    if (evento)
        evento(m_valor);
}

void CScroll::BarraPressiona(double y)
{
    if (m_maximo > 0) {
        m_arrastando = true;
        m_pontoPego = y;
    }
}

void CScroll::BarraMove(double y)
{
    if (!m_arrastando || !m_barra)
        return;
    double topo = m_barra->Top + (y - m_pontoPego);
    if (m_setaCima->Top + m_setaCima->Height > topo)
        topo = m_setaCima->Top + m_setaCima->Height;
    if (m_setaBaixo->Top - m_barra->Height < topo)
        topo = m_setaBaixo->Top - m_barra->Height;
    m_barra->Top = topo;
    const double curso = Curso();
    if (curso <= 0)
        return;
    // nearbyint rounds halves to even.
    const auto novo = static_cast<qint32>(std::nearbyint(m_maximo / curso * (topo - m_setaCima->Height)));
    if (novo != m_valor) {
        m_valor = novo;
        Avisa(Eventos.Scroll);
    }
}

void CScroll::BarraSolta()
{
    m_arrastando = false;
    Avisa(Eventos.EndScroll);
}

void CScroll::FundoPressiona(double y)
{
    if (!m_barra)
        return;
    if (y < m_barra->Top)
        m_valor = std::max(m_valor - m_pagina, 0);
    else if (m_barra->Top + m_barra->Height < y)
        m_valor = std::min(m_valor + m_pagina, m_maximo);
    else
        return;
    Avisa(Eventos.EndScroll);
    PosicionaBarra();
}

bool CScroll::PassoSeta(int direcao)
{
    if (direcao > 0 ? m_valor >= m_maximo : m_valor < 1)
        return false;
    m_valor += direcao > 0 ? 1 : -1;
    Avisa(Eventos.EndScroll);
    PosicionaBarra();
    return true;
}

void CScroll::SetaPressiona(int direcao)
{
    m_direcao = direcao > 0 ? 1 : -1;
    PassoSeta(m_direcao);
    if (m_temporizador)
        m_temporizador->Inicia(EsperaRepeticaoMs, [this] { RepeteSeta(); });
}

void CScroll::RepeteSeta()
{
    // A release during the wait or between steps has cleared the direction.
    if (m_direcao != 0 && PassoSeta(m_direcao) && m_temporizador)
        m_temporizador->Inicia(PassoRepeticaoMs, [this] { RepeteSeta(); });
}

void CScroll::SetaSolta()
{
    m_direcao = 0;
    if (m_temporizador)
        m_temporizador->Para();
}

void CScroll::SetaDuploClique(int direcao) { PassoSeta(direcao > 0 ? 1 : -1); }
