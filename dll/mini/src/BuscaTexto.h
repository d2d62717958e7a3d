// Searches in the entry text. A query is cut into words exactly as the text
// was ("pedra, água", "pedra +água"), all of which must occur; a word may
// carry "*" (any run of letters) and "?" (one letter): "pedra", "pedr*",
// "*mente", "des*ar". "*" alone stands for every entry. The index files each
// word under its own spelling and today's, so "efeito" finds the entries
// written "effeito", and "effeito" finds exactly those.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "Dados.h"

namespace mini {

class BuscaTexto {
public:
    explicit BuscaTexto(Dados& dados) : dados_(dados) {}

    // Most words a query may have; more is refused, not cut.
    static constexpr size_t kMaximoTermos = 32;

    // Entry ids in increasing order. A query that cannot be answered as
    // asked (too many words, unreadable data) gives no ids and a message.
    std::vector<int32_t> Pesquisa(std::string_view consulta, std::string& erro);

private:
    std::vector<uint32_t> Termo(std::string_view chaveMascara, std::string& erro);

    Dados& dados_;
};

}  // namespace mini
