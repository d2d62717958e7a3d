#include "mini/Normaliza.h"

#include <array>

namespace mini {
namespace {

// Windows-1252 characters of 0x80..0x9F, for bytes that are not UTF-8.
constexpr std::array<char32_t, 32> kCp1252Alto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteCp1252(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return kCp1252Alto[b - 0x80];
    return b;
}

// Base letter of U+00C0..U+00FF in the viewer's traditional map ("-" where
// Portuguese has no base letter).
constexpr std::string_view kMapaAcentos = "aaaaaa-ceeeeiiii--ooooo--uuuu---aaaaaa-ceeeeiiii--ooooo--uuuu---";

bool EhSeparador(char32_t c) {
    // clang-format off
    switch (c) {
        case U'-': case U' ': case U'\'': case U'(': case U')': case U'\\': case U'/':
        case U'\u00B0': case U'.': case U'?': case U'!': case U':': case U'*': case U'~':
        case U'\u00A0': case U'\u0178':
            return true;
        default:
            return false;
    }
    // clang-format on
}

// Full base-letter fold of Latin-1 and Latin Extended-A; empty when the
// character is not a letter there.
std::string_view BaseLatina(char32_t c) {
    static constexpr std::array<std::string_view, 64> latin1 = {
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
        "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
        "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};
    if (c >= 0xC0 && c <= 0xFF) return latin1[c - 0xC0];
    if (c < 0x100 || c > 0x17F) return {};
    struct Faixa {
        char32_t ate;
        std::string_view base;
    };
    static constexpr Faixa faixas[] = {{0x105, "a"}, {0x10D, "c"}, {0x111, "d"},  {0x11B, "e"},  {0x123, "g"},
                                       {0x127, "h"}, {0x131, "i"}, {0x133, "ij"}, {0x135, "j"},  {0x138, "k"},
                                       {0x142, "l"}, {0x14B, "n"}, {0x151, "o"},  {0x153, "oe"}, {0x159, "r"},
                                       {0x161, "s"}, {0x167, "t"}, {0x173, "u"},  {0x175, "w"},  {0x177, "y"},
                                       {0x178, ""},  {0x17E, "z"}, {0x17F, "s"}};
    for (const auto& f : faixas)
        if (c <= f.ate) return f.base;
    return {};
}

enum class Modo { Tradicional, Completo, Mascara };

std::string Dobra(std::string_view texto, Modo modo) {
    std::string saida;
    saida.reserve(texto.size());
    for (char32_t c : DecodificaUtf8(texto)) {
        if (modo == Modo::Mascara && (c == U'*' || c == U'?')) {
            saida.push_back(static_cast<char>(c));
            continue;
        }
        if (modo == Modo::Tradicional && c >= 0xC0 && c <= 0xFF) {
            saida.push_back(kMapaAcentos[c - 0xC0]);
            continue;
        }
        if (EhSeparador(c)) continue;
        if (modo != Modo::Tradicional) {
            std::string_view base = BaseLatina(c);
            if (!base.empty()) {
                saida.append(base);
                continue;
            }
            if (c >= 0xC0 && c <= 0xFF) continue;  // the signs x and / of Latin-1
        }
        AcrescentaUtf8(saida, Minuscula(c));
    }
    // Only spaces are trimmed; inner separators are already gone.
    size_t ini = saida.find_first_not_of(' ');
    if (ini == std::string::npos) return {};
    return saida.substr(ini, saida.find_last_not_of(' ') - ini + 1);
}

bool EhVogalFrontal(char c) { return c == 'e' || c == 'i'; }

}  // namespace

std::u32string DecodificaUtf8(std::string_view texto) {
    std::u32string saida;
    saida.reserve(texto.size());
    const auto* p = reinterpret_cast<const unsigned char*>(texto.data());
    const size_t n = texto.size();
    size_t i = 0;
    while (i < n) {
        unsigned char b = p[i];
        if (b < 0x80) {
            saida.push_back(b);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t c = 0;
        char32_t minimo = 0;
        // clang-format off
        if ((b & 0xE0) == 0xC0) { extra = 1; c = b & 0x1F; minimo = 0x80; }
        else if ((b & 0xF0) == 0xE0) { extra = 2; c = b & 0x0F; minimo = 0x800; }
        else if ((b & 0xF8) == 0xF0) { extra = 3; c = b & 0x07; minimo = 0x10000; }
        // clang-format on
        bool valido = extra > 0;
        if (valido) {
            for (int k = 1; k <= extra; ++k) {
                if (i + k >= n || (p[i + k] & 0xC0) != 0x80) {
                    valido = false;
                    break;
                }
                c = (c << 6) | (p[i + k] & 0x3F);
            }
        }
        if (valido && (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) valido = false;
        if (!valido) {
            saida.push_back(ByteCp1252(b));
            ++i;
            continue;
        }
        saida.push_back(c);
        i += static_cast<size_t>(extra) + 1;
    }
    return saida;
}

void AcrescentaUtf8(std::string& destino, char32_t c) {
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

std::string InverteUtf8(std::string_view texto) {
    std::u32string u = DecodificaUtf8(texto);
    return CodificaUtf8(std::u32string(u.rbegin(), u.rend()));
}

std::string CodificaUtf8(std::u32string_view texto) {
    std::string saida;
    saida.reserve(texto.size());
    for (char32_t c : texto) AcrescentaUtf8(saida, c);
    return saida;
}

char32_t Minuscula(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x100 && c <= 0x137 && c != 0x130) return c | 1;
    if (c >= 0x139 && c <= 0x148) return (c & 1) ? c + 1 : c;
    if (c >= 0x14A && c <= 0x177) return c | 1;
    if (c == 0x178) return 0xFF;
    if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c + 1 : c;
    return c;
}

std::string MinusculasUtf8(std::string_view texto) {
    std::string saida;
    saida.reserve(texto.size());
    for (char32_t c : DecodificaUtf8(texto)) AcrescentaUtf8(saida, Minuscula(c));
    return saida;
}

std::string NormalizaPalavra(std::string_view texto) { return Dobra(texto, Modo::Tradicional); }
std::string ChaveDobrada(std::string_view texto) { return Dobra(texto, Modo::Completo); }
std::string ChaveDobradaMascara(std::string_view texto) { return Dobra(texto, Modo::Mascara); }

std::string ChaveOrtografica(std::string_view k) {
    // First pass: digraphs of Greek origin and "y".
    std::string a;
    a.reserve(k.size());
    size_t inicio = 0;
    if (k.size() >= 3 && k[0] == 's' && k[1] == 'c' && EhVogalFrontal(k[2])) inicio = 1;
    for (size_t i = inicio; i < k.size(); ++i) {
        char c = k[i];
        char prox = i + 1 < k.size() ? k[i + 1] : '\0';
        if ((c == 'p' || c == 't' || c == 'r') && prox == 'h') {
            a.push_back(c == 'p' ? 'f' : c);
            ++i;
        } else if (c == 'y') {
            a.push_back('i');
        } else {
            a.push_back(c);
        }
    }
    // Second pass: doubled consonants (but rr and ss, which still differ from
    // r and s) and the silent c, p and m before another consonant.
    std::string b;
    b.reserve(a.size());
    for (size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        char prox = i + 1 < a.size() ? a[i + 1] : '\0';
        bool dobrada = c == prox && c != 'r' && c != 's' && c >= 'b' && c <= 'z' && c != 'e' && c != 'i' &&
                       c != 'o' && c != 'u';
        bool muda = (c == 'c' && prox == 't') || (c == 'p' && (prox == 't' || prox == 'c')) ||
                    (c == 'm' && prox == 'n');
        if (dobrada || muda) continue;
        b.push_back(c);
    }
    return b;
}

}  // namespace mini
