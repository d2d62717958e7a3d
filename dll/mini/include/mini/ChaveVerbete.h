// The entry-key table shared by the engine and the viewer: 3000 signed 16-bit
// values, at positions 1 to 3000. An entry fetch must carry the value at
// position (id mod 3000) + 1; key 0 asks for the headword alone.
#pragma once

#include <cstdint>

namespace mini {

constexpr int kTamanhoTabelaChaves = 3000;

// Value of the table at a position 1..3000 (never 0); 0 for other positions.
int16_t ValorChaveVerbete(int posicao);

// Position of the table that an entry id uses.
inline int PosicaoChave(int32_t id) { return static_cast<int>(id % kTamanhoTabelaChaves) + 1; }

}  // namespace mini
