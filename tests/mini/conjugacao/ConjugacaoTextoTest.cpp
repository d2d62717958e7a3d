// The compact text: read back the way the entry page reads it for every verb
// of the tables, its pieces (tests/data/conjugacao/texto-compacto.tsv), the
// 1913 spellings (mesmo-verbo.tsv), and words that are not verbs.
#include "../ArquivoCasos.h"
#include "Conjugador.h"
#include "TabelaEsperada.h"
#include "mini/TextoConjugacao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

using mini::Conjugador;

namespace {

const std::string kEspacoDuro = "\xC2\xA0";

std::vector<std::string> Divide(const std::string& texto, const std::string& separador) {
    std::vector<std::string> partes;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t fim = texto.find(separador, inicio);
        partes.push_back(texto.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio));
        if (fim == std::string::npos) return partes;
        inicio = fim + separador.size();
    }
}

// The forms as the entry page and lexaria read the text back.
std::vector<std::string> LeComoAPagina(const std::string& verbo, const std::string& texto) {
    const mini::Conjugacao c = mini::LeConjugacao(verbo, texto);
    EXPECT_EQ(c.estado, mini::Conjugacao::Estado::Lida) << verbo << ": " << c.erro;
    std::vector<std::string> lidas;
    for (const auto& tempo : c.tempos)
        for (const auto& f : tempo) lidas.push_back(f.forma);
    return lidas;
}

}  // namespace

TEST(ConjugacaoTexto, LidoPelaRegraDoRadicalDaAsMesmasFormas) {
    const auto verbos = teste::VerbosDasTabelas();
    EXPECT_GE(verbos.size(), 250u);
    for (const auto& verbo : verbos) {
        const std::string texto = Conjugador::TextoConjugacao(verbo);
        ASSERT_FALSE(texto.empty()) << verbo;
        const auto completas = Conjugador::FormasCompletas(verbo);
        ASSERT_EQ(completas.size(), teste::kPosicoes) << verbo;
        const auto lidas = LeComoAPagina(verbo, texto);
        ASSERT_EQ(lidas.size(), teste::kPosicoes) << verbo;
        for (std::size_t i = 0; i < teste::kPosicoes; ++i)
            EXPECT_EQ(lidas[i], completas[i]) << verbo << ": " << teste::NomeDaPosicao(i);
    }
}

TEST(ConjugacaoTexto, RegraEPedacosDoTextoCompacto) {
    std::map<std::string, std::vector<std::string>> textos;
    const auto esperadas = teste::LeTabela("texto-compacto");
    ASSERT_GE(esperadas.size(), 20u);
    for (const auto& e : esperadas) {
        auto [it, novo] = textos.try_emplace(e.verbo);
        if (novo) {
            // The rule, a no-break space, then 72 pieces; the rule is kept last.
            const auto partes = Divide(Conjugador::TextoConjugacao(e.verbo), kEspacoDuro);
            EXPECT_EQ(partes.size(), 2u) << teste::Onde("texto-compacto", e);
            if (partes.size() == 2) {
                it->second = Divide(partes[1], ";");
                EXPECT_EQ(it->second.size(), teste::kPosicoes) << teste::Onde("texto-compacto", e);
                it->second.resize(teste::kPosicoes);
                it->second.push_back(partes[0]);
            }
        }
        if (e.posicao < it->second.size()) {
            EXPECT_EQ(it->second[e.posicao], e.forma) << teste::Onde("texto-compacto", e);
        }
    }
}

TEST(ConjugacaoTexto, GrafiaDe1913ConjugaComoOVerboDeHoje) {
    const auto pares = casos::Tabela("conjugacao/mesmo-verbo.tsv");
    ASSERT_GE(pares.size(), 20u);
    for (const auto& [linha, c] : pares) {
        ASSERT_EQ(c.size(), 2u) << "mesmo-verbo.tsv:" << linha;
        const auto antigo = Conjugador::FormasCompletas(c[0]);
        EXPECT_EQ(antigo.size(), teste::kPosicoes) << c[0];
        EXPECT_EQ(antigo, Conjugador::FormasCompletas(c[1])) << c[0];
    }
}

TEST(ConjugacaoTexto, PalavrasQueNaoSaoVerbosDaoVazio) {
    const std::string longa(10000, 'a');
    // A pronoun after the hyphen gives nothing too, so that the page asks for the verb.
    // clang-format off
    const std::vector<std::string> palavras = {
        "lavar-se", "abelhuar-se", "pôr-se", "dar-lhe", "vê-lo", "-ar", "ar-", "a-b-ar", "casa", "", "ar",
        "xyz", "caer", "compoer", "amar ", " amar", "ter\xC2\xA0" "2", "fĩir", "\xff\xfe", "ama\xc3",
        "\xc0\xafmar", "am\xed\xa0\x80r", longa, longa + "ar", "12ar", "a'ar", "amar;"};
    // clang-format on
    for (const auto& p : palavras) {
        EXPECT_EQ(Conjugador::TextoConjugacao(p), "") << p.substr(0, 20);
        EXPECT_TRUE(Conjugador::Formas(p).empty()) << p.substr(0, 20);
        EXPECT_TRUE(Conjugador::FormasCompletas(p).empty()) << p.substr(0, 20);
    }
    EXPECT_FALSE(Conjugador::TextoConjugacao("lavar").empty());
}

TEST(ConjugacaoTexto, FormasDistintasParaOIndiceInverso) {
    for (const char* verbo : {"fazer", "pôr", "ter", "chover", "aceitar", "abolir"}) {
        const auto formas = Conjugador::Formas(verbo);
        const std::set<std::string> unicas(formas.begin(), formas.end());
        EXPECT_EQ(unicas.size(), formas.size()) << verbo;
        EXPECT_EQ(unicas.count("/"), 0u) << verbo;
        EXPECT_EQ(unicas.count(""), 0u) << verbo;
        const auto completas = Conjugador::FormasCompletas(verbo);
        for (const auto& f : completas) {
            if (!f.empty() && f != "/") {
                EXPECT_EQ(unicas.count(f), 1u) << verbo << ": " << f;
            }
        }
    }
    const auto fazer = Conjugador::Formas("fazer");
    for (const char* f : {"fiz", "feito", "faço", "fez", "farei"})
        EXPECT_NE(std::find(fazer.begin(), fazer.end(), f), fazer.end()) << f;
    const auto por = Conjugador::Formas("pôr");
    EXPECT_NE(std::find(por.begin(), por.end(), "pus"), por.end());
    const auto ter = Conjugador::Formas("têr");
    EXPECT_NE(std::find(ter.begin(), ter.end(), "tenho"), ter.end());
    const auto aceitar = Conjugador::Formas("aceitar");
    EXPECT_NE(std::find(aceitar.begin(), aceitar.end(), "aceito"), aceitar.end());
    EXPECT_NE(std::find(aceitar.begin(), aceitar.end(), "aceitado"), aceitar.end());
}
