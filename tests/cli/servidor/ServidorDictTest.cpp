// The server under many and unfriendly clients: lines past the limit, floods
// of commands, clients that never read, many idle connections, more clients
// than allowed, many clients at once, a stop with clients connected, and
// the `lexaria servidor` command itself.
// Each case checks that the others are still answered, and answered right.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <thread>

#include "ClienteTeste.h"
#include "ServidorComum.h"

namespace {

int Final(int porta, const std::string& comando) { return ClienteTeste(porta).Pede(comando).final(); }

// Sends without blocking as much as the socket takes; the bytes sent.
size_t EnviaSemEsperar(int fd, const std::string& bytes) {
    size_t enviados = 0;
    while (enviados < bytes.size()) {
        const ssize_t n =
            send(fd, bytes.data() + enviados, bytes.size() - enviados, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n <= 0) break;
        enviados += static_cast<size_t>(n);
    }
    return enviados;
}

}  // namespace

TEST(ServidorDict, LinesAtAndPastTheLimit) {
    const int porta = ServidorComum().porta();
    ClienteTeste c(porta);
    // 1024 bytes with the CRLF is a command; one more is not.
    EXPECT_EQ(c.Pede("STATUS" + std::string(1024 - 8, ' ')).final(), 210);
    EXPECT_EQ(c.Pede("STATUS" + std::string(1024 - 7, ' ')).final(), 500);
    // A very long line is answered once and the connection goes on.
    const auto longa = c.Pede("DEFINE minilexaria " + std::string(100000, 'a'));
    EXPECT_EQ(longa.codigos, std::vector<int>{500});
    EXPECT_EQ(c.Pede("DEFINE minilexaria casa").final(), 250);
    // Bare LF ends a command too; bytes that are not UTF-8 are just words.
    ASSERT_TRUE(c.EnviaBytes("STATUS\n"));
    EXPECT_EQ(c.LeResposta().final(), 210);
    EXPECT_EQ(c.Pede("MATCH minilexaria prefix \xff\xfe\x80").final(), 552);
    EXPECT_EQ(c.Pede(std::string("DEFINE minilexaria ca\0sa", 24)).codigos.size(), 1u);
}

TEST(ServidorDict, FloodOfCommandsIsAnsweredInOrder) {
    const int porta = ServidorComum().porta();
    ClienteTeste c(porta);
    // Thousands of commands in a few writes, read by another thread so
    // neither side waits on the other.
    const int n = 3000;
    std::string rajada;
    for (int i = 0; i < n; ++i)
        rajada += i % 3 == 2 ? "MATCH minilexaria exact xyzwq\r\n" : "DEFINE minilexaria casa\r\n";
    std::thread escritor([&] { c.EnviaBytes(rajada); });
    // Meanwhile another client is served.
    EXPECT_EQ(Final(porta, "DEFINE minilexaria efeito"), 250);
    int certos = 0;
    for (int i = 0; i < n; ++i) certos += c.LeResposta().final() == (i % 3 == 2 ? 552 : 250);
    escritor.join();
    EXPECT_EQ(certos, n);
}

TEST(ServidorDict, ClientThatNeverReadsLeavesOthersAnswered) {
    const int porta = ServidorComum().porta();
    ClienteTeste surdo(porta, false);
    // Long replies until the sockets' buffers are full both ways.
    std::string pedidos;
    for (int i = 0; i < 20000; ++i) pedidos += "DEFINE minilexaria a\r\n";
    EXPECT_GT(EnviaSemEsperar(surdo.fd(), pedidos), 0u);
    for (int i = 0; i < 3; ++i) {
        ClienteTeste outro(porta);
        const auto r = outro.Pede("DEFINE minilexaria casa");
        EXPECT_EQ(r.final(), 250);
        EXPECT_TRUE(r.TemLinha("f. 1. Edifício para habitação: uma casa moderna."));
    }
}

TEST(ServidorDict, ManyIdleConnectionsAndALimit) {
    ServidorDict::Opcoes opcoes;
    opcoes.maximoConexoes = 120;
    const auto servidor = NovoServidor(opcoes);
    const int porta = servidor->porta();
    std::vector<std::unique_ptr<ClienteTeste>> ociosos;
    for (int i = 0; i < 100; ++i) {
        ociosos.push_back(std::make_unique<ClienteTeste>(porta));
        ASSERT_EQ(ociosos.back()->saudacao().substr(0, 4), "220 ") << i;
    }
    ClienteTeste ativo(porta);
    EXPECT_EQ(ativo.Pede("DEFINE minilexaria casa").final(), 250);
    EXPECT_EQ(ativo.Pede("MATCH minilexaria prefix des").final(), 250);
    // Fill up to the limit: the next one is turned away with 420 and closed.
    while (ociosos.size() < 119) ociosos.push_back(std::make_unique<ClienteTeste>(porta));
    ClienteTeste demais(porta);
    EXPECT_EQ(demais.saudacao().substr(0, 4), "420 ");
    EXPECT_TRUE(demais.Fechada());
    // Those already in are still served, the idle ones too.
    EXPECT_EQ(ativo.Pede("STATUS").final(), 210);
    EXPECT_EQ(ociosos.front()->Pede("DEFINE minilexaria efeito").final(), 250);
}

TEST(ServidorDict, ClientsAtOnceGetTheSameAnswersAsAlone) {
    const int porta = ServidorComum().porta();
    const std::vector<std::string> comandos = {
        "DEFINE minilexaria casa",          "DEFINE * fiz",
        "MATCH minilexaria . efeito",       "MATCH minilexaria prefix desaf",
        "MATCH minilexaria word habitação", "MATCH minilexaria lev casa",
        "MATCH minilexaria re ^cas.o$",     "DEFINE minilexaria pharmacia",
        "MATCH minilexaria suffix sinho",   "DEFINE minilexaria xyzwq",
    };
    std::map<std::string, std::string> sozinho;
    {
        ClienteTeste c(porta);
        for (const auto& cmd : comandos) sozinho[cmd] = c.Pede(cmd).bruta;
    }
    const int clientes = 12, rodadas = 30;
    std::vector<int> diferentes(clientes, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < clientes; ++t) {
        threads.emplace_back([&, t] {
            ClienteTeste c(porta);
            for (int i = 0; i < rodadas; ++i) {
                const auto& cmd = comandos[static_cast<size_t>(i + t) % comandos.size()];
                diferentes[static_cast<size_t>(t)] += c.Pede(cmd).bruta != sozinho[cmd];
            }
        });
    }
    for (auto& t : threads) t.join();
    for (int t = 0; t < clientes; ++t) EXPECT_EQ(diferentes[static_cast<size_t>(t)], 0) << "cliente " << t;
}

TEST(ServidorDict, StopClosesEveryConnection) {
    auto servidor = NovoServidor();
    const int porta = servidor->porta();
    std::vector<std::unique_ptr<ClienteTeste>> clientes;
    for (int i = 0; i < 5; ++i) clientes.push_back(std::make_unique<ClienteTeste>(porta));
    ClienteTeste surdo(porta, false);
    std::string pedidos;
    for (int i = 0; i < 20000; ++i) pedidos += "DEFINE minilexaria a\r\n";
    EnviaSemEsperar(surdo.fd(), pedidos);
    EXPECT_EQ(clientes[0]->Pede("QUIT").final(), 221);
    servidor->Para();
    for (auto& c : clientes) EXPECT_TRUE(c->Fechada());
    // The port is closed: a new client cannot connect.
    EXPECT_FALSE(ClienteTeste(porta).conectado());
}

TEST(ServidorDict, StartFailuresAreReported) {
    ServidorDict::Opcoes semBanco;
    semBanco.banco = "/nao/existe.db";
    semBanco.porta = 0;
    ServidorDict a(semBanco);
    EXPECT_FALSE(a.Inicia());
    EXPECT_NE(a.erro().find("/nao/existe.db"), std::string::npos);

    ServidorDict::Opcoes ocupada;
    ocupada.banco = MINI_TEST_DB;
    ocupada.porta = static_cast<uint16_t>(ServidorComum().porta());
    ServidorDict b(ocupada);
    EXPECT_FALSE(b.Inicia());
    EXPECT_FALSE(b.erro().empty());

    ServidorDict::Opcoes endereco;
    endereco.banco = MINI_TEST_DB;
    endereco.endereco = "não é endereço";
    ServidorDict c(endereco);
    EXPECT_FALSE(c.Inicia());
    EXPECT_NE(c.erro().find("não é endereço"), std::string::npos);
}

TEST(ServidorDict, CommandLineServesUntilSigterm) {
    // Port 0 lets the system choose; the program says which on its first line.
    int saida[2];
    ASSERT_EQ(pipe(saida), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(saida[1], 1);
        close(saida[0]);
        execl(MINI_TEST_LEXARIA, "lexaria", "--banco", MINI_TEST_DB, "servidor", "--porta", "0", nullptr);
        _exit(127);
    }
    close(saida[1]);
    // Whatever fails below, the program does not outlive the test.
    struct Guarda {
        pid_t pid;
        ~Guarda() {
            if (pid > 0) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
            }
        }
    } guarda{pid};
    std::string linha;
    for (char c; linha.find('\n') == std::string::npos && read(saida[0], &c, 1) == 1;) linha += c;
    close(saida[0]);
    const size_t doisPontos = linha.find("127.0.0.1:");
    ASSERT_NE(doisPontos, std::string::npos) << linha;
    const int porta = std::atoi(linha.c_str() + doisPontos + 10);
    {
        ClienteTeste c(porta);
        EXPECT_EQ(c.Pede("DEFINE minilexaria casa").final(), 250);
        kill(pid, SIGTERM);
        // The open connection is closed by the stop.
        EXPECT_TRUE(c.Fechada());
    }
    int estado = 0;
    ASSERT_EQ(waitpid(pid, &estado, 0), pid);
    guarda.pid = 0;
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << estado;
}
