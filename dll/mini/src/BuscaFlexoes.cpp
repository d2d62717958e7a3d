#include "BuscaFlexoes.h"

#include <algorithm>
#include <unordered_set>

#include "FlexoesVerbete.h"
#include "mini/Normaliza.h"

namespace mini {
namespace {

// No form of the language is this long; longer input is not looked up.
constexpr size_t kMaiorForma = 80;

std::string_view Apara(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

std::vector<std::string> BuscaFlexoes::FormasDe(int32_t id) const {
    return FlexoesVerbete::Formas(dados_.Palavra(id), dados_.Classes(id));
}

std::vector<int32_t> BuscaFlexoes::Lemas(std::string_view palavra, const std::vector<int32_t>& exatos) {
    std::vector<int32_t> lemas;
    palavra = Apara(palavra);
    if (palavra.empty() || palavra.size() > kMaiorForma) return lemas;
    const std::string chave = FlexoesVerbete::Chave(palavra);
    if (chave.empty()) return lemas;
    const std::string escrita = exatos.empty() ? std::string() : MinusculasUtf8(palavra);
    for (uint32_t u : dados_.Flexoes(chave)) {
        const auto id = static_cast<int32_t>(u);
        if (!dados_.Valido(id) || std::find(exatos.begin(), exatos.end(), id) != exatos.end()) continue;
        if (!exatos.empty() && !FlexoesVerbete::TemForma(dados_.Palavra(id), dados_.Classes(id), escrita))
            continue;
        lemas.push_back(id);
    }
    return lemas;
}

int32_t BuscaFlexoes::Formas(std::string_view palavra, std::string& formas) {
    formas.clear();
    palavra = Apara(palavra);
    if (palavra.empty() || palavra.size() > kMaiorForma) return -1;
    if (ChaveDobrada(palavra).empty()) return -1;

    // A headword gives its own forms. A word that is none, or only one with
    // other accents ("é" beside "e"), also gives the lemmas it is a form of,
    // with their other forms.
    std::vector<int32_t> ids = indice_.Palavra(palavra);
    const std::string escrita = MinusculasUtf8(palavra);
    std::vector<int32_t> comoEscrita;
    for (int32_t id : ids)
        if (MinusculasUtf8(FlexoesVerbete::SemHomonimo(dados_.Palavra(id))) == escrita)
            comoEscrita.push_back(id);
    std::vector<int32_t> lemas;
    if (!comoEscrita.empty())
        ids = std::move(comoEscrita);
    else
        lemas = Lemas(palavra, ids);

    int32_t n = 0;
    std::unordered_set<std::string> vistas;
    auto acrescenta = [&](std::string forma, int32_t id) {
        if (forma == escrita || !vistas.insert(forma).second) return;
        formas += forma;
        formas += '|';
        formas += std::to_string(id);
        formas += '|';
        ++n;
    };
    for (int32_t id : ids)
        for (auto& f : FormasDe(id)) acrescenta(std::move(f), id);
    for (int32_t id : lemas) {
        acrescenta(std::string(FlexoesVerbete::SemHomonimo(dados_.Palavra(id))), id);
        for (auto& f : FormasDe(id)) acrescenta(std::move(f), id);
    }
    return n > 0 ? n : -1;
}

}  // namespace mini
