// The strip of the 26 initial letters: the letter under the pointer lights
// up, a click selects it and tells the owner. Drawn from three strips of
// the same size (normal, selected, highlighted) through a buffer.
#pragma once

#include "OuvinteSuperficie.h"

#include <QRect>
#include <QString>
#include <functional>

class SuperficieDesenho;

class CEscolheLetra : public OuvinteSuperficie {
public:
    struct EventosLetra {
        std::function<void(const QString& letra)> SelecionaLetra;
    };
    EventosLetra Eventos;

    static constexpr int BitmapNormal = 401;
    static constexpr int BitmapSelecionado = 402;
    static constexpr int BitmapDestacado = 403;
    static constexpr int LarguraFaixa = 247;
    static constexpr int AlturaFaixa = 38;
    static constexpr int LadoCelula = 19;
    static constexpr int CelulasPorLinha = 13;

    CEscolheLetra() = default;
    ~CEscolheLetra() override;
    CEscolheLetra(const CEscolheLetra&) = delete;
    CEscolheLetra& operator=(const CEscolheLetra&) = delete;

    void Inicializa(SuperficieDesenho* img, SuperficieDesenho* backBuffer);
    void LimparDestaque();
    void LimparSelecao();
    void SelecionaLetra(const QString& letra);

    // The letter under a point of the strip, in pixels; a point off the
    // strip gives a character outside "A" to "Z".
    static QChar LetraEm(double x, double y);
    static bool EhLetra(const QString& letra);
    // The 19 x 19 cell of an upper-case letter "A" to "Z".
    static QRect Celula(QChar letra);

    QString Selecionada() const { return m_selecionada; }
    QString Destacada() const { return m_destacada; }

    void MouseMove(double x, double y, int botoes) override;
    void MouseSolta(double x, double y, int botao) override;
    void PerdeFoco() override;

private:
    void Desenha();

    SuperficieDesenho* m_faixa = nullptr;
    SuperficieDesenho* m_buffer = nullptr;
    QString m_selecionada;
    QString m_destacada;
    QString m_ultimaDestacada;
};
