// The engine's result lists ("palavra|id|palavra|id|...", the text of
// ObtemResultados, of the searches' first chunk and of ObtemFlexoes) read
// into typed pairs. Every caller goes through here, so the text is split in
// one place and a damaged list is noticed instead of read as a shorter one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mini {

struct Resultado {
    std::string palavra;  // headword or form as the engine wrote it (homonym mark kept)
    int32_t id = -1;      // entry id, never negative
};

struct ListaResultados {
    // The pairs read. When the text is damaged, those before the fault.
    std::vector<Resultado> itens;
    // Empty when the whole text was read; otherwise what was wrong and where.
    std::string erro;

    bool Valida() const { return erro.empty(); }
};

// Reads a result list. Empty text is an empty list. The "|" after the last
// id may be missing. A word without its id, an empty word, or an id that is
// not a decimal number in the range of an entry id makes the list invalid.
ListaResultados LeResultados(std::string_view texto);

}  // namespace mini
