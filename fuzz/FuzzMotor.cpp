// Feeds arbitrary bytes to the engine. The first byte picks the operation
// (its value mod 9; the letters "H" to "P" give 0 to 8, which keeps the seed
// files readable), the second a chunk size or filter, the rest is the text.
// Besides crashes and sanitizer reports, it traps when an answer breaks the
// contract: malformed "word|id|" lists, ids out of range, chunks larger than
// asked or a cursor that does not move forward.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "mini/ChaveVerbete.h"
#include "mini/DLLMiniLexariaDB.h"
#include "mini/ListaResultados.h"

namespace {

DLLMiniLexariaDB& Motor() {
    static DLLMiniLexariaDB* motor = [] {
        auto* m = new DLLMiniLexariaDB(MINI_FUZZ_DB);
        if (!m->AbreDados()) {
            std::fprintf(stderr, "fuzz_motor: não foi possível abrir %s\n", MINI_FUZZ_DB);
            std::abort();
        }
        return m;
    }();
    return *motor;
}

void Exige(bool condicao) {
    if (!condicao) __builtin_trap();
}

// Checks a "word|id|" list and returns how many pairs it holds.
int32_t ConfereLista(const std::string& lista) {
    Exige(lista.empty() || lista.back() == '|');
    const mini::ListaResultados lida = mini::LeResultados(lista);
    Exige(lida.Valida());
    for (const auto& r : lida.itens) {
        Exige(r.id < 1'000'000);
        int32_t id = r.id;
        std::string html;
        Exige(Motor().ObtemVerbete(id, html, 0) == r.palavra);
    }
    return static_cast<int32_t>(lida.itens.size());
}

// Reads a few chunks of a result set, as the lists do.
void LeResultados(int16_t origem, int32_t cursor, int16_t limite) {
    std::string lista;
    for (int n = 0; n < 4; ++n) {
        const int32_t proximo = Motor().ObtemResultados(origem, cursor, lista);
        if (proximo < 0) {
            Exige(lista.empty());
            return;
        }
        const int32_t pares = ConfereLista(lista);
        Exige(pares > 0 && pares <= limite);
        Exige(proximo > cursor);
        cursor = proximo;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    if (tamanho < 2) return 0;
    auto& m = Motor();
    const int operacao = dados[0] % 9;
    const uint8_t parametro = dados[1];
    std::string texto(reinterpret_cast<const char*>(dados + 2), tamanho - 2);
    const auto limite = static_cast<int16_t>(parametro % 16 == 0 ? 300 : parametro % 16);
    m.LimiteResultados(limite);

    std::string lista, saida;
    int32_t total = -1;
    switch (operacao) {
        case 0: {
            int32_t id = m.LocalizaPalavra(texto);
            if (id >= 0) {
                std::string html;
                Exige(!m.ObtemVerbete(id, html, mini::ValorChaveVerbete(mini::PosicaoChave(id))).empty());
                Exige(!html.empty());
                m.EhVerbo(id);
            }
            return 0;
        }
        case 1: total = m.PesquisaPalavra(texto, 0, lista); break;
        case 2: total = m.PesquisaMascara(texto, lista, 0); break;
        case 3: {
            const int32_t n = m.PesquisaMascara(texto, lista, 1);
            Exige(n >= 0);
            LeResultados(1, static_cast<int32_t>(parametro) * 500, limite);
            return 0;
        }
        case 4: m.PesquisaReversa(texto, lista, 0, 0, total); break;
        case 5: {
            // The second byte also chooses the filter and how it joins.
            m.PesquisaReversa(texto, lista, 0, 0, total);
            m.DefineFiltro(0, 0);
            m.DefineFiltro(3, static_cast<int16_t>(parametro % 32));
            m.DefineFiltro(parametro & 0x80 ? 3 : 2, static_cast<int16_t>(9 + parametro % 15));
            m.DefineFiltro(1, 0);
            total = m.ObtemTotalResultados();
            lista.clear();
            break;
        }
        case 6:
            saida = m.ObtemAbreviatura(texto);
            Exige(saida.empty() || saida.back() == '|');
            return 0;
        case 7: saida = m.ObtemConjugacao(texto); return 0;
        default: m.ObtemFlexoes(texto, saida); return 0;
    }
    Exige(total >= 0 && total == m.ObtemTotalResultados());
    if (!lista.empty()) Exige(ConfereLista(lista) <= limite);
    LeResultados(0, 0, limite);
    return 0;
}
