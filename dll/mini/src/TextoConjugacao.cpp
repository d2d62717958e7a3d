#include "mini/TextoConjugacao.h"

#include <algorithm>

namespace mini {

namespace {

constexpr std::string_view kEspacoDuro = "\xC2\xA0";

// Forms per tense and the person of the first one: the imperative has no
// "eu", the gerund takes the last person's place.
constexpr std::array<int, kTemposConjugacao> kQuantas = {6, 6, 6, 6, 6, 6, 6, 6, 6, 5, 6, 1, 6};
constexpr std::array<int, kTemposConjugacao> kPrimeiraPessoa = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 5, 0};

std::vector<std::string_view> Divide(std::string_view texto, std::string_view separador) {
    std::vector<std::string_view> partes;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t fim = texto.find(separador, inicio);
        partes.push_back(texto.substr(inicio, fim == std::string_view::npos ? fim : fim - inicio));
        if (fim == std::string_view::npos) return partes;
        inicio = fim + separador.size();
    }
}

// Bytes of the UTF-8 sequence a lead byte opens (1 for anything else, so a
// stray byte still counts as one letter).
std::size_t TamanhoLetra(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF7) return 4;
    if (c >= 0xE0) return c <= 0xEF ? 3 : 1;
    if (c >= 0xC0) return 2;
    return 1;
}

Conjugacao Invalida(std::string erro) {
    Conjugacao c;
    c.estado = Conjugacao::Estado::Invalida;
    c.erro = std::move(erro);
    return c;
}

}  // namespace

bool SemConjugacao(std::string_view dados) {
    const std::size_t inicio = dados.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return true;
    const std::size_t fim = dados.find_last_not_of(' ');
    return dados.substr(inicio, fim - inicio + 1) == kEspacoDuro;
}

Conjugacao LeConjugacao(std::string_view verbo, std::string_view dados) {
    if (SemConjugacao(dados)) return {};
    const auto partes = Divide(dados, kEspacoDuro);
    if (partes.size() < 2) return Invalida("sem o espaço rígido antes das formas");
    const auto formas = Divide(partes[1], ";");
    if (formas.size() != kFormasConjugacao)
        return Invalida(std::to_string(formas.size()) + " formas em vez de " +
                        std::to_string(kFormasConjugacao));

    const std::string_view regra = partes[0];
    const std::size_t barra = regra.find('|');
    const bool variavel = barra != std::string_view::npos;
    const std::string_view letra = variavel ? regra.substr(0, barra) : std::string_view();
    const std::string_view terminacao = variavel ? regra.substr(barra + 1) : regra;
    if (terminacao.empty() || terminacao.find('|') != std::string_view::npos)
        return Invalida("regra da terminação ilegível: \"" + std::string(regra) + "\"");
    if (variavel && (letra.empty() || letra.size() != TamanhoLetra(static_cast<unsigned char>(letra[0]))))
        return Invalida("a letra variável deve ser uma só: \"" + std::string(letra) + "\"");
    const std::size_t corte = verbo.rfind(terminacao);
    if (corte == std::string_view::npos)
        return Invalida("\"" + std::string(verbo) + "\" não termina em \"" + std::string(terminacao) + "\"");

    // The stem, split around the letter that changes.
    const std::string_view radical = verbo.substr(0, corte);
    std::string_view antes = radical, depois;
    if (variavel) {
        const std::size_t k = radical.rfind(letra);
        if (k == std::string_view::npos)
            return Invalida("o radical \"" + std::string(radical) + "\" não tem \"" + std::string(letra) +
                            "\"");
        antes = radical.substr(0, k);
        depois = radical.substr(k + letra.size());
    }

    Conjugacao c;
    c.estado = Conjugacao::Estado::Lida;
    std::size_t i = 0;
    for (int t = 0; t < kTemposConjugacao; ++t) {
        auto& tempo = c.tempos[static_cast<std::size_t>(t)];
        for (int k = 0; k < kQuantas[static_cast<std::size_t>(t)]; ++k, ++i) {
            const std::string_view f = formas[i];
            FormaConjugada forma{kPrimeiraPessoa[static_cast<std::size_t>(t)] + k, {}};
            if (f == "/") {
                forma.forma = f;
            } else if (f.empty()) {
                if (t < kGerundio) return Invalida("forma vazia na posição " + std::to_string(i + 1));
            } else {
                const std::size_t b = f.find('|');
                const bool dividida = b != std::string_view::npos;
                if (dividida != variavel || (dividida && f.find('|', b + 1) != std::string_view::npos))
                    return Invalida("forma ilegível na posição " + std::to_string(i + 1) + ": \"" +
                                    std::string(f) + "\"");
                forma.forma =
                    variavel
                        ? std::string(antes).append(f.substr(0, b)).append(depois).append(f.substr(b + 1))
                        : std::string(radical).append(f);
            }
            tempo.push_back(std::move(forma));
        }
    }
    return c;
}

}  // namespace mini
