// The inverse index of inflection: every form an entry's headword takes
// (conjugated, plural, feminine) leads back to the entry, so "fiz" finds
// fazer and "leões" finds leão.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mini::compilador {

class IndiceFlexoes {
public:
    // modernas: the headword's spellings of today, whose forms lead to it too.
    void Adiciona(uint32_t id, std::string_view palavra, uint16_t classes,
                  const std::vector<std::string>& modernas = {});
    // The forms of the spellings of today alone, for a headword added before
    // they were known; the order of the calls does not matter.
    void AdicionaModernas(uint32_t id, std::string_view palavra, uint16_t classes,
                          const std::vector<std::string>& modernas);

    // Keys in byte order, each with its ids in increasing order. A form whose
    // key is the headword's own key is left to the headword lookup.
    std::vector<std::pair<std::string, std::vector<uint32_t>>> Finaliza();

private:
    void Junta(uint32_t id, const std::string& propria, const std::vector<std::string>& formas);

    std::vector<std::pair<std::string, uint32_t>> formas_;
};

}  // namespace mini::compilador
