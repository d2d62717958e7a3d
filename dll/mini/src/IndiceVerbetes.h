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

// The range of a sorted table whose texts equal the key (or start with it).
std::pair<size_t, size_t> FaixaTabela(const TabelaTextos& tabela, std::string_view chave, bool prefixo);

class IndiceVerbetes {
public:
    explicit IndiceVerbetes(const Dados& dados) : dados_(dados) {}

    // Ids whose folded key equals the key, in order.
    std::pair<int32_t, int32_t> FaixaDobrada(std::string_view chave) const;
    // Ids whose folded key starts with the prefix, in order.
    std::pair<int32_t, int32_t> FaixaPrefixo(std::string_view prefixo) const;
    // Ids whose spelling-bridge key equals the key, in increasing order.
    std::vector<int32_t> IguaisOrtografica(std::string_view chave) const;
    // Ids whose modern spelling has this folded key, in increasing order.
    std::vector<int32_t> IguaisModerna(std::string_view chave) const;
    // First id whose modern spelling's folded key starts with the prefix; -1 if none.
    int32_t PrimeiroPrefixoModerno(std::string_view prefixo) const;
    // First id (in the bridge order) whose bridge key starts with the prefix; -1 if none.
    int32_t PrimeiroPrefixoOrtografico(std::string_view prefixo) const;

    // The place of a text in the alphabetical sequence: exact folded key,
    // then a headword whose modern spelling it is, then the first headword
    // that begins with it (as written, then in its modern spelling); the rule
    // fold only when none of these exists. -1 when nothing begins with it.
    int32_t Localiza(std::string_view texto) const;

    // Every entry of a headword: those of its folded key first, then those
    // whose modern spelling it is; the rule fold only when there is neither.
    std::vector<int32_t> Palavra(std::string_view texto) const;

    // Headwords matching a wildcard pattern, in id order; with
    // tambemModerna, their modern spellings match too, and when nothing
    // matches, the rule fold.
    std::vector<int32_t> Mascara(std::string_view padrao, bool tambemModerna) const;

private:
    std::pair<size_t, size_t> FaixaOrto(std::string_view chave, bool prefixo) const;
    std::pair<size_t, size_t> FaixaModerna(std::string_view chave, bool prefixo) const;

    const Dados& dados_;
};

}  // namespace mini
