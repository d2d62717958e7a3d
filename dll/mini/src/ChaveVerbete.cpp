#include "mini/ChaveVerbete.h"

#include <cstdint>

namespace mini {

int16_t ValorChaveVerbete(int posicao) {
    if (posicao < 1 || posicao > kTamanhoTabelaChaves) return 0;
    // A fixed mix of the position: stable across builds and machines.
    uint32_t x = static_cast<uint32_t>(posicao) * 2654435761u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    auto v = static_cast<int16_t>(x & 0xFFFF);
    return v == 0 ? int16_t{1} : v;
}

}  // namespace mini
