// Every form the tables of tests/data/conjugacao expect, one test per group
// of verbs; a wrong form is named by its line, verb, tense and person.
#include <gtest/gtest.h>

#include <map>

#include "Conjugador.h"
#include "TabelaEsperada.h"

namespace {

class ConjugacaoEsperada : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(ConjugacaoEsperada, FormasDaGramatica) {
    const auto esperadas = teste::LeTabela(GetParam());
    ASSERT_GE(esperadas.size(), 10u);
    std::map<std::string, std::vector<std::string>> formas;
    for (const auto& e : esperadas) {
        if (e.posicao >= teste::kPosicoes) {
            ADD_FAILURE() << teste::Onde(GetParam(), e) << ": só o texto compacto tem regra";
            continue;
        }
        auto [it, novo] = formas.try_emplace(e.verbo);
        if (novo) {
            it->second = mini::Conjugador::FormasCompletas(e.verbo);
            EXPECT_EQ(it->second.size(), teste::kPosicoes) << teste::Onde(GetParam(), e);
        }
        if (e.posicao < it->second.size()) {
            EXPECT_EQ(it->second[e.posicao], e.forma) << teste::Onde(GetParam(), e);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Grupos, ConjugacaoEsperada, ::testing::ValuesIn(teste::Grupos()),
                         [](const auto& info) {
                             std::string nome = info.param;
                             for (char& c : nome)
                                 if (c == '-') c = '_';
                             return nome;
                         });
