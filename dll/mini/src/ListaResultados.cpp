#include "mini/ListaResultados.h"

#include <charconv>
#include <limits>

namespace mini {

namespace {

std::string Falha(const char* oque, std::size_t posicao) {
    return std::string(oque) + " (byte " + std::to_string(posicao) + ")";
}

}  // namespace

ListaResultados LeResultados(std::string_view texto) {
    ListaResultados r;
    std::size_t i = 0;
    while (i < texto.size()) {
        const std::size_t barra = texto.find('|', i);
        if (barra == std::string_view::npos) {
            r.erro = Falha("palavra sem id", i);
            return r;
        }
        if (barra == i) {
            r.erro = Falha("palavra vazia", i);
            return r;
        }
        std::size_t fim = texto.find('|', barra + 1);
        if (fim == std::string_view::npos) fim = texto.size();
        const char* inicio = texto.data() + barra + 1;
        const char* final = texto.data() + fim;
        int64_t id = -1;
        const auto [p, ec] = std::from_chars(inicio, final, id);
        // from_chars takes a leading "-"; an entry id never has one.
        if (inicio == final || *inicio == '-' || ec != std::errc() || p != final ||
            id > std::numeric_limits<int32_t>::max()) {
            r.erro = Falha("id inválido", barra + 1);
            return r;
        }
        r.itens.push_back({std::string(texto.substr(i, barra - i)), static_cast<int32_t>(id)});
        i = fim + 1;
    }
    return r;
}

}  // namespace mini
