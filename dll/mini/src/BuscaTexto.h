// Searches in the entry text. A query is one or more words joined by "+" or
// blanks, all of which must occur; a word may carry "*" (any run of letters)
// and "?" (one letter): "pedra", "pedr*", "*mente", "des*ar". "*" alone
// stands for every entry. Both sides go through the spelling bridge, so
// "efeito" finds the entries written with "effeito".
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "Dados.h"

namespace mini {

class BuscaTexto {
public:
    explicit BuscaTexto(Dados& dados) : dados_(dados) {}

    // Entry ids in increasing order.
    std::vector<int32_t> Pesquisa(std::string_view consulta);

private:
    std::vector<uint32_t> Termo(std::string_view chaveMascara);

    Dados& dados_;
};

}  // namespace mini
