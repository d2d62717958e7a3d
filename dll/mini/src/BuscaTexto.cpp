#include "BuscaTexto.h"

#include <algorithm>
#include <numeric>

#include "Mascara.h"
#include "PalavrasTexto.h"
#include "TabelaTextos.h"
#include "mini/Normaliza.h"

namespace mini {
namespace {

constexpr size_t kMaiorPalavra = 80;

std::vector<uint32_t> Intersecao(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    std::vector<uint32_t> r;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(r));
    return r;
}

}  // namespace

std::vector<uint32_t> BuscaTexto::Termo(std::string_view chave, std::string& erro) {
    const Mascara m(chave);
    if (!m.TemCuringa()) return dados_.Postagens(chave);
    if (m.MinimoCaracteres() > kMaiorPalavra) return {};

    std::vector<uint32_t> ids;
    auto visita = [&](std::string_view palavra, std::string_view blob) {
        if (!m.Casa(palavra)) return;
        for (size_t i = 0; i + 4 <= blob.size(); i += 4) ids.push_back(LeU32(blob.data() + i));
    };
    const std::string& p = m.padrao();
    const size_t ultimo = p.find_last_of("*?");
    if (!m.PrefixoLiteral().empty()) {
        dados_.PercorrePrefixo(m.PrefixoLiteral(), false, visita);
    } else if (ultimo + 1 < p.size()) {
        dados_.PercorrePrefixo(InverteUtf8(std::string_view(p).substr(ultimo + 1)), true, visita);
    } else {
        dados_.PercorrePrefixo("", false, visita);
    }
    if (!dados_.Erro().empty()) erro = dados_.Erro();
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

std::vector<int32_t> BuscaTexto::Pesquisa(std::string_view consulta, std::string& erro) {
    erro.clear();
    std::vector<std::string> termos;
    bool todos = false;
    for (const std::string& palavra : PalavrasDoTexto(consulta, true)) {
        std::string chave = ChaveDobradaMascara(palavra);
        if (!chave.empty() && chave.find_first_not_of('*') == std::string::npos) {
            todos = true;
        } else if (!chave.empty() && std::find(termos.begin(), termos.end(), chave) == termos.end()) {
            termos.push_back(std::move(chave));
        }
    }
    std::vector<int32_t> r;
    if (termos.size() > kMaximoTermos) {
        erro = "a consulta tem " + std::to_string(termos.size()) + " palavras; o máximo é " +
               std::to_string(kMaximoTermos);
        return r;
    }
    if (termos.empty()) {
        if (todos) {
            r.resize(static_cast<size_t>(dados_.total()));
            std::iota(r.begin(), r.end(), 0);
        }
        return r;
    }

    std::vector<uint32_t> acumulado = Termo(termos[0], erro);
    for (size_t t = 1; t < termos.size() && !acumulado.empty() && erro.empty(); ++t)
        acumulado = Intersecao(acumulado, Termo(termos[t], erro));
    if (!dados_.Erro().empty()) erro = dados_.Erro();
    if (!erro.empty()) return r;
    r.reserve(acumulado.size());
    for (uint32_t id : acumulado)
        if (dados_.Valido(id)) r.push_back(static_cast<int32_t>(id));
    return r;
}

}  // namespace mini
