// Conjugation and inflection on the real dictionary: one verb's table, an
// inflected form looked up, a word's forms, and every verb conjugated in one run.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "MotorBench.h"
#include "mini/PedidoConjugacao.h"

namespace {

// Regular, spelling-change, stem-changing, irregular, compound and 1913 headwords.
const std::vector<std::string> kVerbos = {"amar",   "vender", "partir",    "ficar",         "dirigir",
                                          "dormir", "odiar",  "passear",   "atribuir",      "moer",
                                          "sair",   "têr",    "fazer",     "pôr",           "conter",
                                          "prever", "convir", "effectuar", "arguir\u00A01", "lavar"};

// Forms a reader types that are no headword, or a headword and a form at once.
const std::vector<std::string> kFormas = {"casas",  "fiz",     "pus",    "tenho",      "leões",  "alemães",
                                          "papéis", "efetuei", "feitas", "portuguesa", "vieram", "era"};

// Every verb headword, as the entry page passes it.
const std::vector<std::string>& TodosOsVerbos() {
    static const std::vector<std::string> verbos = [] {
        std::vector<std::string> r;
        auto& m = bench::Motor();
        std::string html;
        for (int32_t id = 0;; ++id) {
            int32_t i = id;
            std::string titulo = m.ObtemVerbete(i, html, 0);
            if (titulo.empty()) break;
            if (m.EhVerbo(i)) r.push_back(std::move(titulo));
        }
        return r;
    }();
    return verbos;
}

// The entry page's request: the headword, then for "lavar-se" the verb alone.
std::string Conjugacao(DLLMiniLexariaDB& m, const std::string& titulo) {
    return mini::PedeConjugacao(titulo, [&m](std::string& v) { return m.ObtemConjugacao(v); }).dados;
}

void BM_ObtemConjugacao(benchmark::State& state) {
    auto& m = bench::Motor();
    size_t i = 0;
    for (auto _ : state) {
        std::string verbo = kVerbos[i++ % kVerbos.size()];
        benchmark::DoNotOptimize(m.ObtemConjugacao(verbo));
    }
}
BENCHMARK(BM_ObtemConjugacao)->Unit(benchmark::kMicrosecond);

void BM_PesquisaPalavraFlexionada(benchmark::State& state) {
    auto& m = bench::Motor();
    m.LimiteResultados(300);
    std::string lista;
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(m.PesquisaPalavra(kFormas[i++ % kFormas.size()], 0, lista));
}
BENCHMARK(BM_PesquisaPalavraFlexionada)->Unit(benchmark::kMicrosecond);

void BM_ObtemFlexoes(benchmark::State& state) {
    auto& m = bench::Motor();
    std::string formas;
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(m.ObtemFlexoes(kFormas[i++ % kFormas.size()], formas));
}
BENCHMARK(BM_ObtemFlexoes)->Unit(benchmark::kMicrosecond);

void BM_ConjugaTodosOsVerbos(benchmark::State& state) {
    auto& m = bench::Motor();
    const auto& verbos = TodosOsVerbos();
    size_t semTabela = 0;
    for (auto _ : state) {
        semTabela = 0;
        for (const auto& v : verbos) semTabela += Conjugacao(m, v).empty();
    }
    state.counters["verbos"] = static_cast<double>(verbos.size());
    state.counters["sem_tabela"] = static_cast<double>(semTabela);
}
BENCHMARK(BM_ConjugaTodosOsVerbos)->Unit(benchmark::kMillisecond);

}  // namespace
