#include "IndiceTexto.h"

#include <algorithm>

#include "PalavrasTexto.h"
#include "mini/Normaliza.h"

namespace mini::compilador {

std::vector<std::string> IndiceTexto::Palavras(std::string_view texto) { return PalavrasDoTexto(texto); }

std::string IndiceTexto::Chave(std::string_view palavra) { return ChaveDobrada(palavra); }

void IndiceTexto::Adiciona(uint32_t id, std::string_view texto) {
    // The whole book passes here: one buffer for the key, no copy of a word
    // already met.
    ParaCadaPalavra(texto, false, [this, id](std::u32string_view p) {
        chave_.clear();
        for (char32_t c : p) AcrescentaUtf8(chave_, Minuscula(c));
        auto it = postagens_.find(chave_);
        if (it == postagens_.end()) it = postagens_.emplace(chave_, std::vector<uint32_t>{}).first;
        auto& ids = it->second;
        if (ids.empty() || ids.back() != id) ids.push_back(id);
    });
}

std::vector<std::string> IndiceTexto::PalavrasVistas() const {
    std::vector<std::string> r;
    r.reserve(postagens_.size());
    for (const auto& [p, ids] : postagens_) r.push_back(p);
    std::sort(r.begin(), r.end());
    return r;
}

std::vector<std::pair<std::string, std::vector<uint32_t>>> IndiceTexto::Finaliza(const OutrasChaves& outras) {
    std::unordered_map<std::string, std::vector<uint32_t>> porChave;
    for (auto& [palavra, ids] : postagens_) {
        std::vector<std::string> chaves{Chave(palavra)};
        if (outras)
            for (const auto& o : outras(palavra)) chaves.push_back(Chave(o));
        std::sort(chaves.begin(), chaves.end());
        chaves.erase(std::unique(chaves.begin(), chaves.end()), chaves.end());
        for (const auto& k : chaves) {
            if (k.empty()) continue;
            auto& destino = porChave[k];
            destino.insert(destino.end(), ids.begin(), ids.end());
        }
    }
    postagens_.clear();
    std::vector<std::pair<std::string, std::vector<uint32_t>>> r;
    r.reserve(porChave.size());
    for (auto& [k, ids] : porChave) {
        std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
        r.emplace_back(k, std::move(ids));
    }
    std::sort(r.begin(), r.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return r;
}

}  // namespace mini::compilador
