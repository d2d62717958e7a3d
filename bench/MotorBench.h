// What every benchmark file shares: the engine opened once on the database
// the build writes, and the process's resident memory.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "mini/DLLMiniLexariaDB.h"

namespace bench {

inline DLLMiniLexariaDB& Motor() {
    static std::unique_ptr<DLLMiniLexariaDB> motor = [] {
        auto m = std::make_unique<DLLMiniLexariaDB>(MINI_BENCH_DB);
        if (!m->AbreDados()) {
            std::fprintf(stderr, "bench: não foi possível abrir %s\n", MINI_BENCH_DB);
            std::exit(2);
        }
        return m;
    }();
    return *motor;
}

// VmRSS of this process in kB, 0 when /proc is not there.
inline long RssKb() {
    std::ifstream f("/proc/self/status");
    std::string linha;
    while (std::getline(f, linha))
        if (linha.rfind("VmRSS:", 0) == 0) return std::strtol(linha.c_str() + 6, nullptr, 10);
    return 0;
}

}  // namespace bench
