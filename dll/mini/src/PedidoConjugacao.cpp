#include "mini/PedidoConjugacao.h"

#include "mini/TextoConjugacao.h"

namespace mini {

std::string VerboDoPronominal(std::string_view verbo) {
    const std::size_t hifen = verbo.find('-');
    if (hifen == std::string_view::npos || hifen == 0 || verbo[hifen - 1] != 'r') return {};
    return std::string(verbo.substr(0, hifen));
}

ConjugacaoPedida PedeConjugacao(std::string_view verbo,
                                const std::function<std::string(std::string& verbo)>& obtem) {
    ConjugacaoPedida r{std::string(verbo), {}};
    std::string pedido = r.verbo;
    r.dados = obtem(pedido);
    if (!SemConjugacao(r.dados)) return r;
    std::string base = VerboDoPronominal(verbo);
    if (base.empty()) return r;
    r.verbo = base;
    r.dados = obtem(base);
    return r;
}

}  // namespace mini
