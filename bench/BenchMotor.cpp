// Speed and memory of the engine's operations on the real dictionary.
// Run with repetitions and read the medians, e.g.
//   bench_engine --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <string>
#include <vector>

#include "MotorBench.h"
#include "mini/ChaveVerbete.h"

namespace {

// Words a reader types: today's spelling, the 1913 one, beginnings, misses.
const std::vector<std::string> kPalavras = {"casa",    "efeito",   "farmácia", "ação",     "ótimo",
                                            "diretor", "ter",      "água",     "casament", "pedra",
                                            "Coração", "xilofone", "saudade",  "zzzq"};

std::vector<int32_t> IdsDasPalavras() {
    std::vector<int32_t> ids;
    for (const auto& p : kPalavras) {
        const int32_t id = bench::Motor().LocalizaPalavra(p);
        if (id >= 0) ids.push_back(id);
    }
    return ids;
}

// rss_motor_MB is what opening one engine adds to the process. Other
// benchmarks of the program leave memory behind, so for the process's own
// figure run this one alone: --benchmark_filter=Memoria
void BM_MemoriaAposAbreDados(benchmark::State& state) {
    for (auto _ : state) {
        malloc_trim(0);
        const long antes = bench::RssKb();
        DLLMiniLexariaDB motor(MINI_BENCH_DB);
        benchmark::DoNotOptimize(motor.AbreDados());
        const long depois = bench::RssKb();
        state.counters["rss_processo_MB"] = static_cast<double>(depois) / 1024.0;
        state.counters["rss_motor_MB"] = static_cast<double>(depois - antes) / 1024.0;
    }
}
BENCHMARK(BM_MemoriaAposAbreDados)->Iterations(1)->Repetitions(1);

void BM_AbreDados(benchmark::State& state) {
    for (auto _ : state) {
        DLLMiniLexariaDB motor(MINI_BENCH_DB);
        benchmark::DoNotOptimize(motor.AbreDados());
    }
}
BENCHMARK(BM_AbreDados)->Unit(benchmark::kMillisecond);

void BM_LocalizaPalavra(benchmark::State& state) {
    auto& m = bench::Motor();
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(m.LocalizaPalavra(kPalavras[i++ % kPalavras.size()]));
}
BENCHMARK(BM_LocalizaPalavra)->Unit(benchmark::kMicrosecond);

void BM_ObtemVerbete(benchmark::State& state) {
    auto& m = bench::Motor();
    const auto ids = IdsDasPalavras();
    std::string html;
    size_t i = 0;
    for (auto _ : state) {
        int32_t id = ids[i++ % ids.size()];
        benchmark::DoNotOptimize(m.ObtemVerbete(id, html, mini::ValorChaveVerbete(mini::PosicaoChave(id))));
    }
}
BENCHMARK(BM_ObtemVerbete)->Unit(benchmark::kMicrosecond);

void BM_EhVerbo(benchmark::State& state) {
    auto& m = bench::Motor();
    auto ids = IdsDasPalavras();
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(m.EhVerbo(ids[i++ % ids.size()]));
}
BENCHMARK(BM_EhVerbo);

void BM_ObtemAbreviatura(benchmark::State& state) {
    auto& m = bench::Motor();
    std::vector<std::string> rotulos = {"v. t.", "Prov.", "lat.", "Bras. do N", "m. e adj.", "Gír."};
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(m.ObtemAbreviatura(rotulos[i++ % rotulos.size()]));
}
BENCHMARK(BM_ObtemAbreviatura)->Unit(benchmark::kMicrosecond);

void BM_PesquisaPalavra(benchmark::State& state) {
    auto& m = bench::Motor();
    m.LimiteResultados(300);
    std::string lista;
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(m.PesquisaPalavra(kPalavras[i++ % kPalavras.size()], 0, lista));
}
BENCHMARK(BM_PesquisaPalavra)->Unit(benchmark::kMicrosecond);

// What the letter list does for "a": the prefix search, then every chunk.
void BM_LetraInteira(benchmark::State& state) {
    auto& m = bench::Motor();
    m.LimiteResultados(300);
    std::string lista;
    int64_t verbetes = 0;
    for (auto _ : state) {
        verbetes = m.PesquisaMascara("a*", lista, 1);
        int32_t cursor = 0;
        while ((cursor = m.ObtemResultados(1, cursor, lista)) >= 0) benchmark::DoNotOptimize(lista.data());
    }
    state.counters["verbetes"] = static_cast<double>(verbetes);
}
BENCHMARK(BM_LetraInteira)->Unit(benchmark::kMillisecond);

void BM_PesquisaMascara(benchmark::State& state, const char* mascara) {
    auto& m = bench::Motor();
    m.LimiteResultados(300);
    std::string lista;
    int32_t total = 0;
    for (auto _ : state) total = m.PesquisaMascara(mascara, lista, 0);
    state.counters["resultados"] = total;
}
BENCHMARK_CAPTURE(BM_PesquisaMascara, cao, "*ção")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PesquisaMascara, des_ar, "des*ar")->Unit(benchmark::kMillisecond);

void BM_PesquisaReversa(benchmark::State& state, const char* consulta, int16_t filtro) {
    auto& m = bench::Motor();
    m.LimiteResultados(300);
    std::string lista, palavra;
    int32_t total = 0;
    for (auto _ : state) {
        palavra = consulta;
        m.PesquisaReversa(palavra, lista, 0, 0, total);
        if (filtro > 0) {
            m.DefineFiltro(0, 0);
            m.DefineFiltro(3, filtro);
            m.DefineFiltro(1, 0);
            total = m.ObtemTotalResultados();
        }
    }
    state.counters["resultados"] = total;
}
BENCHMARK_CAPTURE(BM_PesquisaReversa, agua, "água", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PesquisaReversa, pedra_e_agua, "pedra +água", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PesquisaReversa, mente, "*mente", 0)->Unit(benchmark::kMillisecond);
// "*" narrowed to verbs (engine filter 21).
BENCHMARK_CAPTURE(BM_PesquisaReversa, tudo_verbos, "*", 21)->Unit(benchmark::kMillisecond);

}  // namespace
