#include "IndiceTexto.h"

#include <algorithm>

#include "mini/Normaliza.h"

namespace mini::compilador {
namespace {

bool EhLetra(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (c >= 0xC0 && c <= 0x24F) return c != 0xD7 && c != 0xF7;
    return (c >= 0x370 && c <= 0x3FF) || (c >= 0x400 && c <= 0x4FF);
}

bool EhLigacao(char32_t c) { return c == U'-' || c == U'\'' || c == U'\u2019'; }

}  // namespace

std::vector<std::string> IndiceTexto::Palavras(std::string_view texto) {
    std::vector<std::string> r;
    const std::u32string u = DecodificaUtf8(texto);
    size_t i = 0;
    while (i < u.size()) {
        if (!EhLetra(u[i])) {
            ++i;
            continue;
        }
        size_t j = i;
        std::vector<std::pair<size_t, size_t>> partes;
        size_t inicioParte = i;
        while (j < u.size()) {
            if (EhLetra(u[j])) {
                ++j;
            } else if (EhLigacao(u[j]) && j + 1 < u.size() && EhLetra(u[j + 1])) {
                partes.emplace_back(inicioParte, j);
                inicioParte = ++j;
            } else {
                break;
            }
        }
        r.push_back(CodificaUtf8(u.substr(i, j - i)));
        if (!partes.empty()) {
            partes.emplace_back(inicioParte, j);
            for (auto [a, b] : partes) r.push_back(CodificaUtf8(u.substr(a, b - a)));
        }
        i = j;
    }
    return r;
}

std::string IndiceTexto::Chave(std::string_view palavra) {
    return ChaveOrtografica(ChaveDobrada(palavra));
}

void IndiceTexto::Adiciona(uint32_t id, std::string_view texto) {
    for (const auto& p : Palavras(texto)) {
        auto it = chaves_.find(p);
        if (it == chaves_.end()) it = chaves_.emplace(p, Chave(p)).first;
        if (it->second.empty()) continue;
        auto& ids = postagens_[it->second];
        if (ids.empty() || ids.back() != id) ids.push_back(id);
    }
}

std::vector<std::pair<std::string, std::vector<uint32_t>>> IndiceTexto::Finaliza() {
    std::vector<std::pair<std::string, std::vector<uint32_t>>> r;
    r.reserve(postagens_.size());
    for (auto& [k, ids] : postagens_) r.emplace_back(k, std::move(ids));
    postagens_.clear();
    std::sort(r.begin(), r.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return r;
}

}  // namespace mini::compilador
