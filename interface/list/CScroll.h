// The vertical scroll bar of a headword list: geometry of the thumb, the
// value arithmetic, the mouse on its four areas and two events. The list
// paints the bar; the value is the index of the list's top row.
#pragma once

#include "ImagemScroll.h"

#include <QtGlobal>
#include <functional>

class Temporizador;

class CScroll {
public:
    struct EventosScroll {
        std::function<void(qint32)> Scroll; // the thumb is dragged to a new value
        std::function<void(qint32)> EndScroll; // release, track click, arrow step
    };
    EventosScroll Eventos;

    static constexpr qint32 ValorMaxInicial = 100;
    // Holding an arrow: one step at once, then after this wait a step per
    // turn of the event loop until release.
    static constexpr int EsperaRepeticaoMs = 500;
    static constexpr int PassoRepeticaoMs = 0;

    qint32 Valor() const { return m_valor; }
    void Valor(qint32 valor);
    qint32 TamPagina() const { return m_pagina; }
    void TamPagina(qint32 pagina);
    void ValorMax(qint32 maximo);
    qint32 ValorMax() const { return m_maximo; }

    // img1 thumb, img2 up arrow, img3 down arrow, img4 track; the timer drives
    // the arrow repeat and may be null (no repeat).
    void Inicializa(ImagemScroll* img1, ImagemScroll* img2, ImagemScroll* img3, ImagemScroll* img4,
                    Temporizador* temporizador = nullptr);

    // Mouse on the bar; y is measured from the top of the area pressed.
    void BarraPressiona(double y);
    void BarraMove(double y);
    void BarraSolta();
    void FundoPressiona(double y);
    // direcao: 1 down arrow, -1 up arrow.
    void SetaPressiona(int direcao);
    void SetaSolta();
    void SetaDuploClique(int direcao);

    bool Arrastando() const { return m_arrastando; }
    int DirecaoSeta() const { return m_direcao; }
    void PosicionaBarra();

private:
    double Curso() const;
    bool PassoSeta(int direcao);
    void RepeteSeta();
    void Avisa(const std::function<void(qint32)>& evento);

    ImagemScroll* m_barra = nullptr;
    ImagemScroll* m_setaCima = nullptr;
    ImagemScroll* m_setaBaixo = nullptr;
    ImagemScroll* m_fundo = nullptr;
    Temporizador* m_temporizador = nullptr;
    qint32 m_maximo = ValorMaxInicial;
    qint32 m_valor = 0;
    qint32 m_pagina = 0;
    int m_direcao = 0;
    bool m_arrastando = false;
    double m_pontoPego = 0;
};
