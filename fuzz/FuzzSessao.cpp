// Feeds arbitrary bytes to one session of the dictionary server, a line at a
// time, as a client would send them. Besides crashes and sanitizer reports,
// it traps when a reply breaks the protocol's framing: no reply, a line not
// ended by CRLF, a status line without a three-digit code, a text line past
// 1,024 bytes, or a text without its closing dot.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "ContextoDict.h"
#include "IndicePalavras.h"
#include "ReservaMotores.h"
#include "SessaoDict.h"

namespace {

ContextoDict& Contexto() {
    static ContextoDict* contexto = [] {
        auto* motores = new ReservaMotores(MINI_FUZZ_DB, 1);
        if (!motores->Abre()) {
            std::fprintf(stderr, "fuzz_sessao: não foi possível abrir %s\n", MINI_FUZZ_DB);
            std::abort();
        }
        IndicePalavras* indice = nullptr;
        {
            auto motor = motores->Empresta();
            indice = new IndicePalavras(*motor);
        }
        return new ContextoDict{*indice, *motores, "d", "i", "h"};
    }();
    return *contexto;
}

void Exige(bool condicao) {
    if (!condicao) __builtin_trap();
}

bool Digito(char c) { return c >= '0' && c <= '9'; }

void ConfereResposta(std::string_view r) {
    Exige(r.size() >= 5 && r.ends_with("\r\n"));
    bool texto = false;
    while (!r.empty()) {
        const size_t fim = r.find("\r\n");
        Exige(fim != std::string_view::npos);
        const std::string_view linha = r.substr(0, fim);
        Exige(linha.find('\n') == std::string_view::npos && linha.find('\r') == std::string_view::npos);
        Exige(fim + 2 <= 1024);
        r.remove_prefix(fim + 2);
        if (texto) {
            texto = linha != ".";
            continue;
        }
        Exige(linha.size() >= 3 && Digito(linha[0]) && Digito(linha[1]) && Digito(linha[2]));
        const int codigo = (linha[0] - '0') * 100 + (linha[1] - '0') * 10 + (linha[2] - '0');
        texto = (codigo >= 110 && codigo <= 114) || codigo == 151 || codigo == 152;
    }
    Exige(!texto);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    SessaoDict sessao(Contexto());
    std::string_view entrada(reinterpret_cast<const char*>(dados), tamanho);
    for (int n = 0; n < 16 && !entrada.empty() && !sessao.encerrada(); ++n) {
        const size_t fim = entrada.find('\n');
        std::string_view linha = entrada.substr(0, fim);
        entrada.remove_prefix(fim == std::string_view::npos ? entrada.size() : fim + 1);
        if (linha.size() + 2 > SessaoDict::kMaximoComando) continue;  // the server answers these itself
        ConfereResposta(sessao.Responde(linha));
    }
    return 0;
}
