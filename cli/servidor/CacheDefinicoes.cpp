#include "CacheDefinicoes.h"

namespace {

// Strings and bookkeeping count too, so a flood of words with no entry
// cannot grow the cache past its bound.
size_t Tamanho(std::string_view palavra, const CacheDefinicoes::Verbetes& verbetes) {
    size_t n = palavra.size() + 64;
    for (const auto& v : verbetes) n += v.palavra.size() + v.texto.size() + sizeof v;
    return n;
}

}  // namespace

std::shared_ptr<const CacheDefinicoes::Verbetes> CacheDefinicoes::Procura(std::string_view palavra) {
    std::lock_guard<std::mutex> trava(mutex_);
    const auto it = itens_.find(palavra);
    if (it == itens_.end()) return nullptr;
    ordem_.splice(ordem_.begin(), ordem_, it->second);
    return it->second->verbetes;
}

void CacheDefinicoes::Guarda(std::string_view palavra, std::shared_ptr<const Verbetes> verbetes) {
    if (!verbetes) return;
    const size_t tamanho = Tamanho(palavra, *verbetes);
    if (tamanho > maximo_) return;
    std::lock_guard<std::mutex> trava(mutex_);
    // Two connections may have made the same answer at once: one is kept.
    if (const auto it = itens_.find(palavra); it != itens_.end()) {
        ordem_.splice(ordem_.begin(), ordem_, it->second);
        return;
    }
    ordem_.push_front({std::string(palavra), std::move(verbetes), tamanho});
    itens_.emplace(ordem_.front().palavra, ordem_.begin());
    bytes_ += tamanho;
    while (bytes_ > maximo_) {
        const Item& velho = ordem_.back();
        bytes_ -= velho.bytes;
        itens_.erase(velho.palavra);
        ordem_.pop_back();
    }
}

size_t CacheDefinicoes::palavras() const {
    std::lock_guard<std::mutex> trava(mutex_);
    return ordem_.size();
}

size_t CacheDefinicoes::bytes() const {
    std::lock_guard<std::mutex> trava(mutex_);
    return bytes_;
}
