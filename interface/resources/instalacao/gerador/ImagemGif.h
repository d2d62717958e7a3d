// A small indexed picture written as a GIF file. Qt reads GIF but does not
// write it, and the page's border pictures have always been GIFs.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

class ImagemGif {
public:
    // Up to 256 colours, 0xRRGGBB; pixels start at index 0.
    ImagemGif(int largura, int altura, std::vector<uint32_t> paleta);

    void DefineTransparente(uint8_t indice) { m_transparente = indice; }
    void Pinta(int x, int y, uint8_t indice);
    uint8_t Indice(int x, int y) const;
    int Largura() const { return m_largura; }
    int Altura() const { return m_altura; }

    // The whole file: GIF89a, one frame, LZW-compressed.
    QByteArray Codifica() const;

private:
    QByteArray Lzw(int tamanhoMinimo) const;

    int m_largura;
    int m_altura;
    std::vector<uint32_t> m_paleta;
    std::vector<uint8_t> m_pixels;
    std::optional<uint8_t> m_transparente;
};
