// Receives what happens on a surface. Positions in the surface's pixels;
// buttons as bits: 1 left, 2 right, 4 middle. Key codes are the platform-
// neutral ones the program uses everywhere (38 up, 40 down, 33 page up,
// 34 page down, 13 Enter).
#pragma once

class OuvinteSuperficie {
public:
    static constexpr int BotaoEsquerdo = 1;
    static constexpr int BotaoDireito = 2;
    static constexpr int BotaoMeio = 4;

    virtual ~OuvinteSuperficie() = default;

    virtual void MousePressiona(double x, double y, int botao) { (void)x, (void)y, (void)botao; }
    virtual void MouseMove(double x, double y, int botoes) { (void)x, (void)y, (void)botoes; }
    virtual void MouseSolta(double x, double y, int botao) { (void)x, (void)y, (void)botao; }
    virtual void MouseDuploClique(double x, double y, int botao) { (void)x, (void)y, (void)botao; }
    virtual void Tecla(int codigo) { (void)codigo; }
    // The mouse wheel: steps of one notch, positive away from the user.
    virtual void Roda(int passos) { (void)passos; }
    virtual void Redimensionada() { }
    virtual void PerdeFoco() { }
};
