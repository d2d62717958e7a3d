#include "TabelaEsperada.h"

#include "Conjugador.h"

#include <gtest/gtest.h>

#include <sstream>

namespace teste {

namespace {

std::vector<std::string> Parte(std::string_view texto, char separador) {
    std::vector<std::string> partes;
    std::string atual;
    for (char c : texto) {
        if (c == separador) {
            partes.push_back(atual);
            atual.clear();
        } else {
            atual.push_back(c);
        }
    }
    partes.push_back(atual);
    return partes;
}

std::vector<std::string> Palavras(std::string_view texto) {
    std::istringstream in{std::string(texto)};
    std::vector<std::string> palavras;
    std::string p;
    while (in >> p) palavras.push_back(p);
    return palavras;
}

}  // namespace

std::string NomeDaPosicao(std::size_t i) {
    static const char* const tempos[] = {
        "Presente do Indicativo", "Pretérito Imperfeito do Indicativo", "Pretérito Perfeito",
        "Pretérito Mais-que-Perfeito", "Futuro do Presente", "Futuro do Pretérito", "Presente do Subjuntivo",
        "Pretérito Imperfeito do Subjuntivo", "Futuro do Subjuntivo"};
    static const char* const pessoas[] = {"eu", "tu", "ele", "nós", "vós", "eles"};
    if (i < 54) return std::string(tempos[i / 6]) + ", " + pessoas[i % 6];
    if (i < 59) return std::string("Imperativo, ") + pessoas[i - 54 + 1];
    if (i < 65) return std::string("Infinitivo Pessoal, ") + pessoas[i - 59];
    if (i == 65) return "Gerúndio";
    return "Particípio " + std::to_string(i - 65);
}

std::vector<std::string> Tabela72(std::string_view texto) {
    const std::size_t tamanhos[] = {6, 6, 6, 6, 6, 6, 6, 6, 6, 5, 6, 1, 6};
    const auto grupos = Parte(texto, '|');
    std::vector<std::string> formas;
    if (grupos.size() != 13) {
        ADD_FAILURE() << "tabela esperada com " << grupos.size() << " grupos";
        return formas;
    }
    for (std::size_t g = 0; g < 13; ++g) {
        auto palavras = Palavras(grupos[g]);
        if (g == 12 && palavras.size() <= 6) palavras.resize(6);
        if (palavras.size() != tamanhos[g]) ADD_FAILURE() << "grupo " << g << " com " << palavras.size() << " formas";
        palavras.resize(tamanhos[g]);
        formas.insert(formas.end(), palavras.begin(), palavras.end());
    }
    return formas;
}

void ConfereTabela(std::string_view verbo, std::string_view esperado) {
    const auto esperadas = Tabela72(esperado);
    const auto obtidas = mini::Conjugador::FormasCompletas(verbo);
    ASSERT_EQ(obtidas.size(), 72u) << verbo;
    for (std::size_t i = 0; i < 72; ++i)
        EXPECT_EQ(obtidas[i], esperadas[i]) << verbo << ": " << NomeDaPosicao(i);
}

void ConfereFormasChave(std::string_view verbo, std::string_view esperado) {
    const auto grupos = Parte(esperado, '|');
    ASSERT_EQ(grupos.size(), 4u) << verbo;
    const auto presente = Palavras(grupos[0]);
    const auto perfeito = Palavras(grupos[1]);
    const auto subjuntivo = Palavras(grupos[2]);
    auto participios = Palavras(grupos[3]);
    ASSERT_EQ(presente.size(), 6u) << verbo;
    ASSERT_EQ(perfeito.size(), 2u) << verbo;
    ASSERT_EQ(subjuntivo.size(), 1u) << verbo;
    participios.resize(6);

    const auto obtidas = mini::Conjugador::FormasCompletas(verbo);
    ASSERT_EQ(obtidas.size(), 72u) << verbo;
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(obtidas[i], presente[i]) << verbo << ": " << NomeDaPosicao(i);
    EXPECT_EQ(obtidas[12], perfeito[0]) << verbo << ": " << NomeDaPosicao(12);
    EXPECT_EQ(obtidas[14], perfeito[1]) << verbo << ": " << NomeDaPosicao(14);
    EXPECT_EQ(obtidas[36], subjuntivo[0]) << verbo << ": " << NomeDaPosicao(36);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(obtidas[66 + i], participios[i]) << verbo << ": " << NomeDaPosicao(66 + i);
}

}  // namespace teste
