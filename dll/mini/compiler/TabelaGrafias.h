// The modern spellings of every word the compiler meets, derived once and
// kept in a cache file under a hash of what they depend on (the words, the
// two dictionaries and the rules), so a rebuild costs only the reading.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace mini::compilador {

class TabelaGrafias {
public:
    using Mapa = std::unordered_map<std::string, std::vector<std::string>>;

    // Derives the spellings of the words (distinct, lower case) with the
    // dictionaries at baseBrasil / basePortugal (paths without ".aff"), or
    // reads them from the cache file when its hash matches. An empty cache
    // path means no cache. False with a message when a dictionary is missing.
    // arquivoExtra (may be empty) lists words of today the Brazilian list lacks.
    bool Prepara(const std::vector<std::string>& palavras, const std::string& baseBrasil,
                 const std::string& basePortugal, const std::string& arquivoExtra,
                 const std::string& arquivoCache, std::string& erro);

    // Empty when the word is of today or has no known modern form.
    const std::vector<std::string>& De(const std::string& palavra) const;
    // A word that is not of today and has no modern form found: only the
    // rule fold can still bring it near what a reader types.
    bool SemGrafiaAtual(const std::string& palavra) const;
    const Mapa& mapa() const { return mapa_; }
    bool DoCache() const { return doCache_; }

    // Hash of the inputs of a derivation.
    static uint64_t Hash(const std::vector<std::string>& palavras, const std::vector<std::string>& arquivos);

private:
    bool LeCache(const std::string& arquivo, uint64_t hash);
    void GravaCache(const std::string& arquivo, uint64_t hash) const;

    Mapa mapa_;
    bool doCache_ = false;
};

}  // namespace mini::compilador
