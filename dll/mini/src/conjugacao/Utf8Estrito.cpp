#include "Utf8Estrito.h"

namespace mini {

std::optional<std::u32string> Utf8Estrito::Decodifica(std::string_view texto, std::size_t limite) {
    std::u32string saida;
    std::size_t i = 0;
    while (i < texto.size()) {
        if (saida.size() >= limite) return std::nullopt;
        const auto b0 = static_cast<unsigned char>(texto[i]);
        char32_t c;
        std::size_t extra;
        char32_t minimo;
        if (b0 < 0x80) {
            c = b0;
            extra = 0;
            minimo = 0;
        } else if ((b0 & 0xE0) == 0xC0) {
            c = b0 & 0x1F;
            extra = 1;
            minimo = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            c = b0 & 0x0F;
            extra = 2;
            minimo = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            c = b0 & 0x07;
            extra = 3;
            minimo = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + extra >= texto.size() && extra > 0) return std::nullopt;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(texto[i + k]);
            if ((b & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (b & 0x3F);
        }
        if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        saida.push_back(c);
        i += extra + 1;
    }
    return saida;
}

void Utf8Estrito::Acrescenta(std::string& destino, char32_t c) {
    if (c < 0x80) {
        destino.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        destino.push_back(static_cast<char>(0xC0 | (c >> 6)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        destino.push_back(static_cast<char>(0xE0 | (c >> 12)));
        destino.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        destino.push_back(static_cast<char>(0xF0 | (c >> 18)));
        destino.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string Utf8Estrito::Codifica(std::u32string_view texto) {
    std::string saida;
    saida.reserve(texto.size() + 8);
    for (char32_t c : texto) Acrescenta(saida, c);
    return saida;
}

}  // namespace mini
