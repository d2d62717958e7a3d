// The dictionary server as a client on this machine sees it: one DEFINE and
// one MATCH prefix "des" on an open connection (the time from sending the
// command to reading the end of its reply), the same replies made without
// the network (the server's own work), and 50 clients of 1,000 queries each.
//   bench_engine --benchmark_filter=Servidor
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ContextoDict.h"
#include "IndicePalavras.h"
#include "ReservaMotores.h"
#include "ServidorDict.h"
#include "SessaoDict.h"

namespace {

ServidorDict& Servidor() {
    static const std::unique_ptr<ServidorDict> servidor = [] {
        ServidorDict::Opcoes opcoes;
        opcoes.porta = 0;
        opcoes.banco = MINI_BENCH_DB;
        auto s = std::make_unique<ServidorDict>(opcoes);
        if (!s->Inicia()) {
            std::fprintf(stderr, "bench: %s\n", s->erro().c_str());
            std::exit(2);
        }
        return s;
    }();
    return *servidor;
}

// A lean client: reads a reply up to its final status line, following text
// bodies only far enough to find their closing dot.
class Conexao {
public:
    explicit Conexao(int porta) {
        fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int um = 1;
        setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &um, sizeof um);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<uint16_t>(porta));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ok_ = connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && Linha().starts_with("220");
    }
    ~Conexao() { close(fd_); }
    Conexao(const Conexao&) = delete;
    Conexao& operator=(const Conexao&) = delete;

    // The final code of the reply, or -1 when the connection failed.
    int Pede(const std::string& comando) {
        if (!ok_ ||
            send(fd_, comando.data(), comando.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(comando.size()))
            return -1;
        bool texto = false;
        while (true) {
            const std::string_view l = Linha();
            if (l.empty() && !ok_) return -1;
            if (texto) {
                texto = l != ".";
                continue;
            }
            if (l.size() < 3) return -1;
            const int codigo = (l[0] - '0') * 100 + (l[1] - '0') * 10 + (l[2] - '0');
            if (codigo >= 200) return codigo;
            texto = codigo != 150;
        }
    }

private:
    std::string_view Linha() {
        while (true) {
            const size_t fim = buffer_.find("\r\n", inicio_);
            if (fim != std::string::npos) {
                const std::string_view l(buffer_.data() + inicio_, fim - inicio_);
                inicio_ = fim + 2;
                return l;
            }
            buffer_.erase(0, inicio_);
            inicio_ = 0;
            char b[65536];
            const ssize_t n = recv(fd_, b, sizeof b, 0);
            if (n <= 0) {
                ok_ = false;
                return {};
            }
            buffer_.append(b, static_cast<size_t>(n));
        }
    }

    int fd_ = -1;
    bool ok_ = false;
    std::string buffer_;
    size_t inicio_ = 0;
};

void Pergunta(benchmark::State& state, const std::string& comando) {
    Conexao c(Servidor().porta());
    for (auto _ : state)
        if (c.Pede(comando) != 250) state.SkipWithError("resposta inesperada");
}

void BM_ServidorDefine(benchmark::State& state) { Pergunta(state, "DEFINE minilexaria casa\r\n"); }
BENCHMARK(BM_ServidorDefine)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ServidorMatchPrefixoDes(benchmark::State& state) {
    Pergunta(state, "MATCH minilexaria prefix des\r\n");
}
BENCHMARK(BM_ServidorMatchPrefixoDes)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The reply made by a session alone, with no socket: the server's own work.
void Sessao(benchmark::State& state, const std::string& comando) {
    ReservaMotores motores(MINI_BENCH_DB, 1);
    if (!motores.Abre()) {
        state.SkipWithError("banco ilegível");
        return;
    }
    std::unique_ptr<IndicePalavras> indice;
    {
        auto motor = motores.Empresta();
        indice = std::make_unique<IndicePalavras>(*motor);
    }
    ContextoDict contexto{*indice, motores, "d", "i", "h"};
    SessaoDict sessao(contexto);
    size_t bytes = 0;
    for (auto _ : state) bytes += sessao.Responde(comando).size();
    state.counters["bytes"] = static_cast<double>(bytes) / static_cast<double>(state.iterations());
}

void BM_ServidorSessaoDefine(benchmark::State& state) { Sessao(state, "DEFINE minilexaria casa"); }
BENCHMARK(BM_ServidorSessaoDefine)->Unit(benchmark::kMicrosecond);

void BM_ServidorSessaoMatchPrefixoDes(benchmark::State& state) {
    Sessao(state, "MATCH minilexaria prefix des");
}
BENCHMARK(BM_ServidorSessaoMatchPrefixoDes)->Unit(benchmark::kMicrosecond);

// 50 clients at once, 1,000 queries each, mixing definitions, misses and
// matches; "erros" counts replies other than the expected one.
void BM_ServidorCinquentaClientes(benchmark::State& state) {
    const std::vector<std::pair<std::string, int>> pedidos = {
        {"DEFINE minilexaria casa\r\n", 250},        {"DEFINE * fiz\r\n", 250},
        {"MATCH minilexaria prefix desaf\r\n", 250}, {"DEFINE minilexaria xyzwq\r\n", 552},
        {"MATCH minilexaria . efeito\r\n", 250},     {"DEFINE ! pharmacia\r\n", 250},
        {"MATCH minilexaria exact casa\r\n", 250},   {"STATUS\r\n", 210},
    };
    const int porta = Servidor().porta();
    for (auto _ : state) {
        std::atomic<int> erros{0};
        std::vector<std::thread> clientes;
        for (int t = 0; t < 50; ++t) {
            clientes.emplace_back([&, t] {
                Conexao c(porta);
                for (int i = 0; i < 1000; ++i) {
                    const auto& [comando, esperado] = pedidos[static_cast<size_t>(i + t) % pedidos.size()];
                    if (c.Pede(comando) != esperado) ++erros;
                }
            });
        }
        for (auto& c : clientes) c.join();
        state.counters["erros"] = erros.load();
        if (erros.load() > 0) state.SkipWithError("respostas erradas");
    }
    state.counters["consultas"] = 50'000;
}
BENCHMARK(BM_ServidorCinquentaClientes)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
