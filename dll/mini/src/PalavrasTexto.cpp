#include "PalavrasTexto.h"

#include <utility>

#include "mini/Normaliza.h"

namespace mini {
namespace {

bool EhLetra(char32_t c, bool curingas) {
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               (curingas && (c == '*' || c == '?'));
    if (c >= 0xC0 && c <= 0x24F) return c != 0xD7 && c != 0xF7;
    return (c >= 0x370 && c <= 0x3FF) || (c >= 0x400 && c <= 0x4FF);
}

bool EhLigacao(char32_t c) { return c == U'-' || c == U'\'' || c == U'\u2019'; }

}  // namespace

void ParaCadaPalavra(std::string_view texto, bool curingas,
                     const std::function<void(std::u32string_view palavra)>& recebe) {
    const std::u32string u = DecodificaUtf8(texto);
    const std::u32string_view v = u;
    std::vector<std::pair<size_t, size_t>> partes;
    size_t i = 0;
    while (i < u.size()) {
        if (!EhLetra(u[i], curingas)) {
            ++i;
            continue;
        }
        size_t j = i;
        partes.clear();
        size_t inicioParte = i;
        while (j < u.size()) {
            if (EhLetra(u[j], curingas)) {
                ++j;
            } else if (EhLigacao(u[j]) && j + 1 < u.size() && EhLetra(u[j + 1], curingas)) {
                partes.emplace_back(inicioParte, j);
                inicioParte = ++j;
            } else {
                break;
            }
        }
        recebe(v.substr(i, j - i));
        if (!partes.empty()) {
            partes.emplace_back(inicioParte, j);
            for (auto [a, b] : partes) recebe(v.substr(a, b - a));
        }
        i = j;
    }
}

std::vector<std::string> PalavrasDoTexto(std::string_view texto, bool curingas) {
    std::vector<std::string> r;
    ParaCadaPalavra(texto, curingas, [&r](std::u32string_view p) { r.push_back(CodificaUtf8(p)); });
    return r;
}

}  // namespace mini
