// The entries lately given for a word, shared by every connection. The
// database never changes under a running server, so an answer once made
// stays right; a word asked again skips the search, the inflection check and
// the turning of pages into text, which are nearly all of a definition's
// cost. When the kept texts pass the bound, the words least lately asked go.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "BuscaDict.h"

class CacheDefinicoes {
public:
    using Verbetes = std::vector<BuscaDict::Verbete>;

    explicit CacheDefinicoes(size_t maximoBytes = kMaximoPadrao) : maximo_(maximoBytes) {}
    CacheDefinicoes(const CacheDefinicoes&) = delete;
    CacheDefinicoes& operator=(const CacheDefinicoes&) = delete;

    // The entries kept for exactly this word, or null.
    std::shared_ptr<const Verbetes> Procura(std::string_view palavra);
    // Keeps the entries of a word (none, for a word with no entry); a word
    // whose texts alone pass the bound is not kept.
    void Guarda(std::string_view palavra, std::shared_ptr<const Verbetes> verbetes);

    size_t palavras() const;
    // What the kept words and texts take, as counted against the bound.
    size_t bytes() const;

    static constexpr size_t kMaximoPadrao = size_t{8} << 20;

private:
    struct Item {
        std::string palavra;
        std::shared_ptr<const Verbetes> verbetes;
        size_t bytes;
    };

    mutable std::mutex mutex_;
    std::list<Item> ordem_;                                                  // the most lately asked first
    std::unordered_map<std::string_view, std::list<Item>::iterator> itens_;  // keys point into ordem_
    const size_t maximo_;
    size_t bytes_ = 0;
};
