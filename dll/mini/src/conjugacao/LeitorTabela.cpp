#include "LeitorTabela.h"

namespace mini {

namespace {

constexpr std::array<std::size_t, 13> kTamanhos = {6, 6, 6, 6, 6, 6, 6, 6, 6, 5, 6, 1, 6};

}  // namespace

bool LeitorTabela::Le(std::u32string_view texto, Formas72& formas) {
    for (auto& f : formas) f.clear();
    std::size_t inicioGrupo = 0;
    std::size_t posicao = 0;
    for (std::size_t g = 0; g < kTamanhos.size(); ++g) {
        const std::size_t fim = texto.find(U'|', inicioGrupo);
        const bool ultimo = g + 1 == kTamanhos.size();
        if ((fim == std::u32string_view::npos) != ultimo) return false;
        const std::u32string_view grupo =
            texto.substr(inicioGrupo, ultimo ? std::u32string_view::npos : fim - inicioGrupo);
        if (grupo == U"=") {
            for (std::size_t k = 0; k < kTamanhos[g]; ++k) formas[posicao + k].assign(1, U'=');
        } else {
            std::size_t k = 0;
            std::size_t inicio = 0;
            while (inicio <= grupo.size()) {
                std::size_t espaco = grupo.find(U' ', inicio);
                if (espaco == std::u32string_view::npos) espaco = grupo.size();
                if (k >= kTamanhos[g] || espaco == inicio) return false;
                formas[posicao + k] = std::u32string(grupo.substr(inicio, espaco - inicio));
                ++k;
                inicio = espaco + 1;
            }
            const bool participio = g + 1 == kTamanhos.size();
            if (k != kTamanhos[g] && !participio) return false;
        }
        posicao += kTamanhos[g];
        inicioGrupo = fim + 1;
    }
    return true;
}

}  // namespace mini
