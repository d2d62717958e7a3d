#include "IndiceFlexoes.h"

#include <algorithm>

#include "FlexoesVerbete.h"

namespace mini::compilador {

void IndiceFlexoes::Junta(uint32_t id, const std::string& propria, const std::vector<std::string>& formas) {
    for (const auto& f : formas) {
        std::string chave = FlexoesVerbete::Chave(f);
        if (!chave.empty() && chave != propria) formas_.emplace_back(std::move(chave), id);
    }
}

void IndiceFlexoes::Adiciona(uint32_t id, std::string_view palavra, uint16_t classes,
                             const std::vector<std::string>& modernas) {
    Junta(id, FlexoesVerbete::Chave(FlexoesVerbete::SemHomonimo(palavra)),
          FlexoesVerbete::Formas(palavra, classes));
    AdicionaModernas(id, palavra, classes, modernas);
}

void IndiceFlexoes::AdicionaModernas(uint32_t id, std::string_view palavra, uint16_t classes,
                                     const std::vector<std::string>& modernas) {
    if (modernas.empty()) return;
    const std::string propria = FlexoesVerbete::Chave(FlexoesVerbete::SemHomonimo(palavra));
    for (const auto& m : modernas) Junta(id, propria, FlexoesVerbete::Formas(m, classes));
}

std::vector<std::pair<std::string, std::vector<uint32_t>>> IndiceFlexoes::Finaliza() {
    // Pairs sorted by key then id: equal keys become one row, ids in order.
    std::sort(formas_.begin(), formas_.end());
    std::vector<std::pair<std::string, std::vector<uint32_t>>> r;
    for (auto& [chave, id] : formas_) {
        if (r.empty() || r.back().first != chave) r.emplace_back(std::move(chave), std::vector<uint32_t>{});
        auto& ids = r.back().second;
        if (ids.empty() || ids.back() != id) ids.push_back(id);
    }
    formas_.clear();
    formas_.shrink_to_fit();
    return r;
}

}  // namespace mini::compilador
