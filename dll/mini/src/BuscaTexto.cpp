#include "BuscaTexto.h"

#include <algorithm>
#include <numeric>

#include "Mascara.h"
#include "TabelaTextos.h"
#include "mini/Normaliza.h"

namespace mini {
namespace {

// A query longer than this many words would only narrow the set further;
// the cap keeps hostile input from costing one lookup per word.
constexpr size_t kMaximoTermos = 32;
constexpr size_t kMaiorPalavra = 80;

std::vector<uint32_t> Intersecao(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    std::vector<uint32_t> r;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(r));
    return r;
}

}  // namespace

std::vector<uint32_t> BuscaTexto::Termo(std::string_view chave) {
    const Mascara m(chave);
    if (!m.TemCuringa()) return dados_.Postagens(ChaveOrtografica(chave));
    if (m.MinimoCaracteres() > kMaiorPalavra) return {};

    const Mascara mo(Mascara::TransformaSegmentos(
        m.padrao(), [](std::string_view s) { return ChaveOrtografica(s); }));
    std::vector<uint32_t> ids;
    auto visita = [&](std::string_view palavra, std::string_view blob) {
        if (!mo.Casa(palavra)) return;
        for (size_t i = 0; i + 4 <= blob.size(); i += 4) ids.push_back(LeU32(blob.data() + i));
    };
    const std::string& p = mo.padrao();
    const size_t ultimo = p.find_last_of("*?");
    if (!mo.PrefixoLiteral().empty()) {
        dados_.PercorrePrefixo(mo.PrefixoLiteral(), false, visita);
    } else if (ultimo + 1 < p.size()) {
        dados_.PercorrePrefixo(InverteUtf8(std::string_view(p).substr(ultimo + 1)), true, visita);
    } else {
        dados_.PercorrePrefixo("", false, visita);
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

std::vector<int32_t> BuscaTexto::Pesquisa(std::string_view consulta) {
    std::vector<std::string> termos;
    bool todos = false;
    size_t i = 0;
    while (i < consulta.size()) {
        while (i < consulta.size() && (consulta[i] == ' ' || consulta[i] == '+' || consulta[i] == '\t'))
            ++i;
        size_t j = i;
        while (j < consulta.size() && consulta[j] != ' ' && consulta[j] != '+' && consulta[j] != '\t')
            ++j;
        if (j > i) {
            std::string chave = ChaveDobradaMascara(consulta.substr(i, j - i));
            if (!chave.empty() && chave.find_first_not_of('*') == std::string::npos) {
                todos = true;
            } else if (!chave.empty() &&
                       std::find(termos.begin(), termos.end(), chave) == termos.end()) {
                termos.push_back(std::move(chave));
            }
        }
        i = j;
    }
    std::vector<int32_t> r;
    if (termos.empty()) {
        if (todos) {
            r.resize(static_cast<size_t>(dados_.total()));
            std::iota(r.begin(), r.end(), 0);
        }
        return r;
    }
    if (termos.size() > kMaximoTermos) termos.resize(kMaximoTermos);

    std::vector<uint32_t> acumulado = Termo(termos[0]);
    for (size_t t = 1; t < termos.size() && !acumulado.empty(); ++t)
        acumulado = Intersecao(acumulado, Termo(termos[t]));
    r.reserve(acumulado.size());
    for (uint32_t id : acumulado)
        if (dados_.Valido(id)) r.push_back(static_cast<int32_t>(id));
    return r;
}

}  // namespace mini
