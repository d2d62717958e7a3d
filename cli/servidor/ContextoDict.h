// What every connection of the dictionary server shares: the headword index,
// the engines, the text about the database, the entries lately defined, and
// the counters that STATUS and SHOW SERVER report.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

#include "CacheDefinicoes.h"

class IndicePalavras;
class ReservaMotores;

struct ContextoDict {
    const IndicePalavras& indice;
    ReservaMotores& motores;
    std::string descricao;   // one line, the database in SHOW DB
    std::string informacao;  // the text of SHOW INFO
    std::string hospedeiro;  // this machine's name, for the banner
    std::chrono::steady_clock::time_point inicio = std::chrono::steady_clock::now();
    std::atomic<int> conexoes{0};
    std::atomic<uint64_t> pedidos{0};
    std::atomic<uint64_t> sessoes{0};
    CacheDefinicoes definicoes{};
};
