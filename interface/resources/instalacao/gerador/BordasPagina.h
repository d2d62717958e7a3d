// The pictures the entry page frames its side box and result lists with:
// the corners and edges of the box, the line between its two lists, and
// the single and double rules of the result pages. Drawn here, pixel by
// pixel, in the window's colours.
#pragma once

#include "ImagemGif.h"

#include <QString>
#include <utility>
#include <vector>

class BordasPagina {
public:
    static constexpr int Lado = 8; // corners and edges are 8 x 8
    static constexpr uint32_t CorFundo = 0xF6F6EE; // the side box's own background
    static constexpr uint32_t CorBorda = 0x8DB5D3; // the window's light accent border

    // File name and picture, every one the pages name.
    static std::vector<std::pair<QString, ImagemGif>> Todas();

private:
    static ImagemGif Canto(bool superior, bool esquerdo);
    static ImagemGif Borda(bool horizontal, int posicao);
    static ImagemGif Regua(std::initializer_list<int> linhas);
};
