// The word index of the entry text: every word of definitions, locutions and
// etymologies under its own folded key, and under the folded keys of its
// spellings of today, with the ids of the entries it occurs in.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace mini::compilador {

class IndiceTexto {
public:
    // Words of a text as they are written. A hyphenated or apostrophed word
    // ("guarda-chuva", "d'água") gives the whole and each part.
    static std::vector<std::string> Palavras(std::string_view texto);

    // Index key of a word as written (and of a query word on the engine's side).
    static std::string Chave(std::string_view palavra);

    // Texts must be added in increasing id order.
    void Adiciona(uint32_t id, std::string_view texto);

    // The distinct words met, lower case.
    std::vector<std::string> PalavrasVistas() const;

    // For each word, the other keys it is filed under too (today's spellings,
    // or the rule fold of a word that is not of today).
    using OutrasChaves = std::function<std::vector<std::string>(const std::string& palavra)>;

    // The keys in byte order, each with its ids in increasing order.
    std::vector<std::pair<std::string, std::vector<uint32_t>>> Finaliza(const OutrasChaves& outras = {});

private:
    std::unordered_map<std::string, std::vector<uint32_t>> postagens_;  // lower-case word -> ids
    std::string chave_;
};

}  // namespace mini::compilador
