#include "TabelaConjugacao.h"

#include <array>
#include <string_view>

namespace {

constexpr std::string_view kEspacoDuro = "\xC2\xA0";
constexpr size_t kFormas = 72;

constexpr std::array<const char*, 13> kTempos = {
    "Presente do Indicativo", "Pretérito Imperfeito do Indicativo", "Pretérito Perfeito",
    "Pretérito Mais-que-Perfeito", "Futuro do Presente", "Futuro do Pretérito",
    "Presente do Subjuntivo", "Pretérito Imperfeito do Subjuntivo", "Futuro do Subjuntivo",
    "Imperativo Afirmativo", "Infinitivo Pessoal", "Gerúndio", "Particípio"};
constexpr std::array<const char*, 6> kPessoas = {"eu", "tu", "ele", "nós", "vós", "eles"};
// Slots per tense: the imperative has no "eu", the gerund one form, the
// participle up to six.
constexpr std::array<size_t, 13> kTamanhos = {6, 6, 6, 6, 6, 6, 6, 6, 6, 5, 6, 1, 6};

std::vector<std::string> Divide(std::string_view texto, std::string_view separador) {
    std::vector<std::string> partes;
    size_t inicio = 0;
    for (;;) {
        const size_t fim = texto.find(separador, inicio);
        partes.emplace_back(texto.substr(inicio, fim == std::string_view::npos ? fim : fim - inicio));
        if (fim == std::string_view::npos) return partes;
        inicio = fim + separador.size();
    }
}

}  // namespace

std::vector<std::string> TabelaConjugacao::Formas(const std::string& verbo, const std::string& dados) {
    const auto partes = Divide(dados, kEspacoDuro);
    if (partes.size() < 2) return {};
    const auto formas = Divide(partes[1], ";");
    if (formas.size() != kFormas) return {};

    // "E": the stem is the verb up to its last E. "L|E": besides, the stem's
    // last L is replaced by each form's own letters.
    const std::string& regra = partes[0];
    const size_t barra = regra.find('|');
    const std::string terminacao = barra == std::string::npos ? regra : regra.substr(barra + 1);
    const size_t corte = verbo.rfind(terminacao);
    if (terminacao.empty() || corte == std::string::npos) return {};
    const std::string radical = verbo.substr(0, corte);
    std::string letra;
    size_t marca = std::string::npos;
    if (barra != std::string::npos) {
        letra = regra.substr(0, barra);
        marca = letra.empty() ? std::string::npos : radical.rfind(letra);
        if (marca == std::string::npos) return {};
    }

    std::vector<std::string> r;
    r.reserve(kFormas);
    for (const auto& f : formas) {
        if (f.empty() || f == "/") {
            r.push_back(f);
        } else if (marca != std::string::npos) {
            const size_t b = f.find('|');
            if (b == std::string::npos) return {};
            std::string forma = radical;
            forma.replace(marca, letra.size(), f.substr(0, b));
            r.push_back(forma + f.substr(b + 1));
        } else {
            r.push_back(radical + f);
        }
    }
    return r;
}

std::string TabelaConjugacao::Texto(const std::string& verbo, const std::string& dados) {
    const auto formas = Formas(verbo, dados);
    if (formas.empty()) return {};
    std::string texto;
    size_t i = 0;
    for (size_t t = 0; t < kTempos.size(); ++t) {
        texto += kTempos[t];
        texto += '\n';
        const bool semPessoa = t >= 11;  // gerund and participle
        for (size_t k = 0; k < kTamanhos[t]; ++k, ++i) {
            const std::string& f = formas[i];
            if (semPessoa) {
                if (!f.empty()) texto += f + "\n";
                continue;
            }
            texto += kPessoas[t == 9 ? k + 1 : k];
            texto += '\t';
            texto += f.empty() ? "/" : f;
            texto += '\n';
        }
    }
    return texto;
}
