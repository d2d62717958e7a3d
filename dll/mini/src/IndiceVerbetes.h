// Headword lookups over the in-memory key tables: ids are places in the
// order of the folded keys, so every folded-key question is a binary search;
// the spelling-bridge keys have their own sorted order of ids.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "Dados.h"

namespace mini {

class IndiceVerbetes {
public:
    explicit IndiceVerbetes(const Dados& dados) : dados_(dados) {}

    // Ids whose folded key equals the key, in order.
    std::pair<int32_t, int32_t> FaixaDobrada(std::string_view chave) const;
    // Ids whose folded key starts with the prefix, in order.
    std::pair<int32_t, int32_t> FaixaPrefixo(std::string_view prefixo) const;
    // Ids whose spelling-bridge key equals the key, in increasing order.
    std::vector<int32_t> IguaisOrtografica(std::string_view chave) const;
    // First id (in the bridge order) whose bridge key starts with the prefix; -1 if none.
    int32_t PrimeiroPrefixoOrtografico(std::string_view prefixo) const;

    // The place of a text in the alphabetical sequence: exact folded key,
    // then exact bridge key, then the first headword that begins with it
    // (folded, then bridged). -1 when nothing begins with it.
    int32_t Localiza(std::string_view texto) const;

    // Every entry of a headword: those of its folded key first, then those
    // that only the spelling bridge joins to it.
    std::vector<int32_t> Palavra(std::string_view texto) const;

    // Headwords matching a wildcard pattern, in id order; the bridge keys are
    // tried too when asked.
    std::vector<int32_t> Mascara(std::string_view padrao, bool tambemOrtografica) const;

private:
    std::pair<size_t, size_t> FaixaOrto(std::string_view chave, bool prefixo) const;

    const Dados& dados_;
};

}  // namespace mini
