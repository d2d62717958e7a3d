#include "ConjuntoResultados.h"

#include <algorithm>

namespace mini {

int32_t ConjuntoResultados::Pedaco(size_t inicio, int32_t limite, const Dados& dados,
                                   std::string& lista) const {
    lista.clear();
    const size_t fim = std::min(ids_.size(), inicio + static_cast<size_t>(std::max(limite, 1)));
    for (size_t i = inicio; i < fim; ++i) {
        lista += dados.Palavra(ids_[i]);
        lista += '|';
        lista += std::to_string(ids_[i]);
        lista += '|';
    }
    return static_cast<int32_t>(fim);
}

int32_t ConjuntoResultados::PedacoPorLugar(int32_t cursor, int32_t limite, const Dados& dados,
                                           std::string& lista) const {
    const size_t inicio = cursor < 0 ? 0 : static_cast<size_t>(cursor);
    if (inicio >= ids_.size()) {
        lista.clear();
        return -1;
    }
    return Pedaco(inicio, limite, dados, lista);
}

int32_t ConjuntoResultados::PedacoPorId(int32_t cursor, int32_t limite, const Dados& dados,
                                        std::string& lista) const {
    const auto it = std::lower_bound(ids_.begin(), ids_.end(), cursor);
    if (it == ids_.end()) {
        lista.clear();
        return -1;
    }
    const size_t fim =
        static_cast<size_t>(Pedaco(static_cast<size_t>(it - ids_.begin()), limite, dados, lista));
    return ids_[fim - 1] + 1;
}

}  // namespace mini
