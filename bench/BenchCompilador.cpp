// Time of a whole data compile (every entry, every index) into a temporary
// file, and the size of the database it writes. One run: it takes seconds.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "CompiladorDicionario.h"

namespace {

void BM_CompilaDicionario(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path saida = fs::temp_directory_path() / ("bench-compila-" + std::to_string(getpid()) + ".db");
    // With the build's caches of today's spellings and of the decompressed
    // sources: the time of a rebuild.
    mini::compilador::OpcoesCompilacao opcoes{
        MINI_BENCH_DATA_DIR,    MINI_BENCH_ABREVIATURAS,    saida.string(),          MINI_BENCH_HUNSPELL_BR,
        MINI_BENCH_HUNSPELL_PT, MINI_BENCH_PALAVRAS_ATUAIS, MINI_BENCH_CACHE_GRAFIA, MINI_BENCH_CACHE_XML};
    for (auto _ : state) {
        std::string erro;
        if (!mini::compilador::CompiladorDicionario::Compila(opcoes, erro, {})) {
            state.SkipWithError(erro.c_str());
            break;
        }
    }
    std::error_code ec;
    state.counters["banco_MB"] = static_cast<double>(fs::file_size(saida, ec)) / (1024.0 * 1024.0);
    fs::remove(saida, ec);
}
BENCHMARK(BM_CompilaDicionario)->Iterations(1)->Repetitions(1)->Unit(benchmark::kSecond);

}  // namespace
