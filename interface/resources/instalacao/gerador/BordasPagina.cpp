#include "BordasPagina.h"

#include <cmath>

namespace {

enum : uint8_t {
    Fundo = 0,
    Traco = 1,
    Vazio = 2
};

std::vector<uint32_t> Paleta() { return {BordasPagina::CorFundo, BordasPagina::CorBorda, 0xFFFFFF, 0xFFFFFF}; }

} // namespace

ImagemGif BordasPagina::Canto(bool superior, bool esquerdo)
{
    // A quarter circle whose centre is the inner corner of the tile: the
    // ring meets the straight edges on their outer pixel row and column.
    ImagemGif g(Lado, Lado, Paleta());
    g.DefineTransparente(Vazio);
    for (int y = 0; y < Lado; ++y) {
        for (int x = 0; x < Lado; ++x) {
            const double dx = esquerdo ? Lado - (x + 0.5) : x + 0.5;
            const double dy = superior ? Lado - (y + 0.5) : y + 0.5;
            const double d = std::hypot(dx, dy);
            g.Pinta(x, y, d >= Lado ? Vazio : d >= Lado - 1 ? Traco : Fundo);
        }
    }
    return g;
}

ImagemGif BordasPagina::Borda(bool horizontal, int posicao)
{
    ImagemGif g(Lado, Lado, Paleta());
    for (int y = 0; y < Lado; ++y)
        for (int x = 0; x < Lado; ++x)
            g.Pinta(x, y, (horizontal ? y : x) == posicao ? Traco : Fundo);
    return g;
}

ImagemGif BordasPagina::Regua(std::initializer_list<int> linhas)
{
    ImagemGif g(Lado, 6, Paleta());
    g.DefineTransparente(Vazio);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < Lado; ++x)
            g.Pinta(x, y, Vazio);
    for (int y : linhas)
        for (int x = 0; x < Lado; ++x)
            g.Pinta(x, y, Traco);
    return g;
}

std::vector<std::pair<QString, ImagemGif>> BordasPagina::Todas()
{
    std::vector<std::pair<QString, ImagemGif>> r;
    r.emplace_back(QStringLiteral("BordaSupEsquerda.gif"), Canto(true, true));
    r.emplace_back(QStringLiteral("BordaSupDireita.gif"), Canto(true, false));
    r.emplace_back(QStringLiteral("BordaInfEsquerda.gif"), Canto(false, true));
    r.emplace_back(QStringLiteral("BordaInfDireita.gif"), Canto(false, false));
    r.emplace_back(QStringLiteral("LinhaSup.gif"), Borda(true, 0));
    r.emplace_back(QStringLiteral("LinhaInf.gif"), Borda(true, Lado - 1));
    r.emplace_back(QStringLiteral("LinhaEsquerda.gif"), Borda(false, 0));
    r.emplace_back(QStringLiteral("LinhaDireita.gif"), Borda(false, Lado - 1));
    // The line between the two lists runs across the whole box, edges included.
    ImagemGif linha(Lado, 1, Paleta());
    for (int x = 0; x < Lado; ++x)
        linha.Pinta(x, 0, Traco);
    r.emplace_back(QStringLiteral("Linha.gif"), linha);
    r.emplace_back(QStringLiteral("simples.gif"), Regua({2}));
    r.emplace_back(QStringLiteral("duplo.gif"), Regua({1, 4}));
    return r;
}
