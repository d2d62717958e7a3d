#include "ServidorDict.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "ContextoDict.h"
#include "IndicePalavras.h"
#include "ReservaMotores.h"
#include "SessaoDict.h"
#include "mini/DLLMiniLexariaDB.h"

namespace {

// Writes the whole text; false when the client is gone or stopped reading
// for longer than the send timeout.
bool EnviaTudo(int fd, std::string_view texto) {
    while (!texto.empty()) {
        const ssize_t n = send(fd, texto.data(), texto.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        texto.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

void Prazo(int fd, int opcao, int segundos) {
    timeval t{};
    t.tv_sec = segundos;
    setsockopt(fd, SOL_SOCKET, opcao, &t, sizeof t);
}

// The reasons a bind fails in practice, in the user's language.
std::string Motivo(int erro) {
    switch (erro) {
        case EADDRINUSE: return "a porta já está em uso";
        case EACCES: return "sem permissão (portas abaixo de 1024 pedem privilégio)";
        case EADDRNOTAVAIL: return "o endereço não pertence a esta máquina";
        default: return std::strerror(erro);
    }
}

std::string NomeDaMaquina() {
    char nome[256] = {};
    if (gethostname(nome, sizeof nome - 1) != 0 || nome[0] == '\0') return "localhost";
    return nome;
}

// The two fields the engine gives about its data ("dados|editor|").
std::pair<std::string, std::string> Informacoes(DLLMiniLexariaDB& motor) {
    const std::string info = motor.ObtemInformacoes();
    const size_t barra = info.find('|');
    if (barra == std::string::npos) return {info, ""};
    std::string editor = info.substr(barra + 1);
    if (!editor.empty() && editor.back() == '|') editor.pop_back();
    return {info.substr(0, barra), editor};
}

}  // namespace

ServidorDict::ServidorDict(Opcoes opcoes) : opcoes_(std::move(opcoes)) {}

ServidorDict::~ServidorDict() { Para(); }

bool ServidorDict::Inicia() {
    size_t motores = opcoes_.motores;
    if (motores == 0) motores = std::max(2u, std::thread::hardware_concurrency());
    motores_ = std::make_unique<ReservaMotores>(opcoes_.banco, motores);
    if (!motores_->Abre()) {
        erro_ = "não foi possível ler o banco de dados do dicionário" +
                (opcoes_.banco.empty() ? std::string() : " (" + opcoes_.banco + ")");
        return false;
    }
    std::string descricao, informacao;
    {
        auto motor = motores_->Empresta();
        indice_ = std::make_unique<IndicePalavras>(*motor);
        const auto [dados, editor] = Informacoes(*motor);
        descricao = dados;
        informacao =
            dados + "\n" + editor + "\n" + std::to_string(indice_->tamanho()) +
            " verbetes, na grafia de 1913.\n"
            "DEFINE e a estratégia \".\" acham a palavra também na grafia de hoje\n"
            "(\"farmácia\" dá \"pharmácia\") e o verbete de uma forma flexionada (\"casas\" dá \"casa\").\n";
    }
    contexto_.reset(new ContextoDict{*indice_, *motores_, descricao, informacao, NomeDaMaquina()});
    if (!Escuta()) return false;
    if (pipe2(despertar_, O_CLOEXEC) != 0) {
        erro_ = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    aceitador_ = std::thread(&ServidorDict::Aceita, this);
    return true;
}

bool ServidorDict::Escuta() {
    addrinfo dicas{};
    dicas.ai_family = AF_UNSPEC;
    dicas.ai_socktype = SOCK_STREAM;
    dicas.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* lista = nullptr;
    const std::string porta = std::to_string(opcoes_.porta);
    if (const int e = getaddrinfo(opcoes_.endereco.c_str(), porta.c_str(), &dicas, &lista); e != 0) {
        erro_ = "endereço inválido \"" + opcoes_.endereco + "\": " + gai_strerror(e);
        return false;
    }
    for (addrinfo* a = lista; a && escuta_ < 0; a = a->ai_next) {
        const int fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0) continue;
        const int um = 1;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &um, sizeof um);
        if (bind(fd, a->ai_addr, a->ai_addrlen) == 0 && listen(fd, SOMAXCONN) == 0) {
            escuta_ = fd;
        } else {
            erro_ = "não foi possível escutar em " + opcoes_.endereco + ":" + porta + ": " + Motivo(errno);
            close(fd);
        }
    }
    freeaddrinfo(lista);
    if (escuta_ < 0) return false;
    sockaddr_storage endereco{};
    socklen_t tamanho = sizeof endereco;
    getsockname(escuta_, reinterpret_cast<sockaddr*>(&endereco), &tamanho);
    porta_ = ntohs(endereco.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&endereco)->sin6_port
                                                  : reinterpret_cast<sockaddr_in*>(&endereco)->sin_port);
    erro_.clear();
    return true;
}

void ServidorDict::Aceita() {
    pollfd fds[2] = {{escuta_, POLLIN, 0}, {despertar_[0], POLLIN, 0}};
    while (!parando_) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[1].revents) break;
        if (!(fds[0].revents & POLLIN)) continue;
        const int fd = accept4(escuta_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            // Out of descriptors: pause instead of spinning on the waiting client.
            if (errno == EMFILE || errno == ENFILE) poll(&fds[1], 1, 100);
            continue;
        }
        Recolhe(false);
        const int um = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &um, sizeof um);
        std::lock_guard<std::mutex> trava(mutex_);
        if (conexoes_.size() >= opcoes_.maximoConexoes) {
            Recusa(fd);
            continue;
        }
        Prazo(fd, SO_SNDTIMEO, opcoes_.esperaEnvio);
        Prazo(fd, SO_RCVTIMEO, opcoes_.esperaOcioso);
        Conexao& c = conexoes_.emplace_back();
        c.fd = fd;
        try {
            c.thread = std::thread(&ServidorDict::Atende, this, std::ref(c));
        } catch (const std::system_error&) {
            conexoes_.pop_back();
            Recusa(fd);
        }
    }
}

void ServidorDict::Recusa(int fd) {
    static const char kOcupado[] = "420 servidor ocupado, tente mais tarde\r\n";
    send(fd, kOcupado, sizeof kOcupado - 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    close(fd);
}

void ServidorDict::Atende(Conexao& conexao) {
    const int fd = conexao.fd;
    ++contexto_->conexoes;
    SessaoDict sessao(*contexto_);
    bool aberta = EnviaTudo(fd, sessao.Saudacao());
    std::string linha;
    bool longa = false;
    char buffer[4096];
    while (aberta && !parando_) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // closed, reset, or silent past the idle timeout
        std::string_view chegou(buffer, static_cast<size_t>(n));
        while (aberta && !chegou.empty()) {
            const size_t fim = chegou.find('\n');
            const std::string_view pedaco = chegou.substr(0, fim);
            // A line past the limit is dropped up to its end and answered once.
            if (!longa) {
                if (linha.size() + pedaco.size() >= SessaoDict::kMaximoComando) {
                    longa = true;
                    linha.clear();
                } else {
                    linha.append(pedaco);
                }
            }
            if (fim == std::string_view::npos) break;
            chegou.remove_prefix(fim + 1);
            if (!linha.empty() && linha.back() == '\r') linha.pop_back();
            aberta = EnviaTudo(fd, longa ? SessaoDict::LinhaLonga() : sessao.Responde(linha));
            linha.clear();
            longa = false;
            if (sessao.encerrada()) aberta = false;
        }
    }
    // The descriptor is closed when the thread is collected, so Para can
    // never shut down a number that was reused meanwhile.
    shutdown(fd, SHUT_RDWR);
    --contexto_->conexoes;
    conexao.terminou = true;
}

void ServidorDict::Recolhe(bool todas) {
    std::lock_guard<std::mutex> trava(mutex_);
    if (todas)
        for (auto& c : conexoes_) shutdown(c.fd, SHUT_RDWR);
    for (auto it = conexoes_.begin(); it != conexoes_.end();) {
        if (todas || it->terminou) {
            it->thread.join();
            close(it->fd);
            it = conexoes_.erase(it);
        } else {
            ++it;
        }
    }
}

void ServidorDict::Para() {
    if (aceitador_.joinable()) {
        parando_ = true;
        const char c = 0;
        if (write(despertar_[1], &c, 1) < 0) {
            // The pipe is ours and empty; a failed write leaves poll to the shutdown below.
        }
        shutdown(escuta_, SHUT_RDWR);
        aceitador_.join();
    }
    Recolhe(true);
    for (int* fd : {&escuta_, &despertar_[0], &despertar_[1]}) {
        if (*fd >= 0) close(*fd);
        *fd = -1;
    }
}
