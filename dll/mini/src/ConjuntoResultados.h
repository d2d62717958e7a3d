// The result set of a search and the chunks the viewer reads from it. The
// letter list walks its set by entry id (the ids of a letter are
// consecutive); every other reader walks by place in the set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Dados.h"

namespace mini {

class ConjuntoResultados {
public:
    void Define(std::vector<int32_t> ids) { ids_ = std::move(ids); }
    void Limpa() { ids_.clear(); }
    const std::vector<int32_t>& ids() const { return ids_; }
    int32_t tamanho() const { return static_cast<int32_t>(ids_.size()); }

    // Up to `limite` pairs "word|id|" from place `cursor` on; returns the
    // place after the last pair, or -1 (and no pairs) when nothing is left.
    int32_t PedacoPorLugar(int32_t cursor, int32_t limite, const Dados& dados, std::string& lista) const;
    // The same from the first result whose id is at or after `cursor` (the
    // set must be in id order); returns the id after the last pair, or -1.
    int32_t PedacoPorId(int32_t cursor, int32_t limite, const Dados& dados, std::string& lista) const;

private:
    int32_t Pedaco(size_t inicio, int32_t limite, const Dados& dados, std::string& lista) const;

    std::vector<int32_t> ids_;
};

}  // namespace mini
