#include "ClienteTeste.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

// Codes whose status line is followed by a text body.
bool TemTexto(int codigo) { return (codigo >= 110 && codigo <= 114) || codigo == 151 || codigo == 152; }

}  // namespace

bool ClienteTeste::Resposta::TemLinha(std::string_view linha) const {
    for (const auto& t : textos)
        if (std::find(t.begin(), t.end(), linha) != t.end()) return true;
    return false;
}

ClienteTeste::ClienteTeste(int porta, bool lerSaudacao) {
    fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return;
    // A server that stops answering fails the test instead of hanging it.
    timeval t{};
    t.tv_sec = 60;
    setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &t, sizeof t);
    setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &t, sizeof t);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(porta));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        close(fd_);
        fd_ = -1;
        return;
    }
    if (lerSaudacao) LeLinha(saudacao_);
}

ClienteTeste::~ClienteTeste() {
    if (fd_ >= 0) close(fd_);
}

bool ClienteTeste::EnviaBytes(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool ClienteTeste::LeLinha(std::string& linha, std::string* bruta) {
    while (true) {
        const size_t fim = buffer_.find("\r\n");
        if (fim != std::string::npos) {
            linha = buffer_.substr(0, fim);
            if (bruta) bruta->append(buffer_, 0, fim + 2);
            buffer_.erase(0, fim + 2);
            return true;
        }
        char b[65536];
        const ssize_t n = recv(fd_, b, sizeof b, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        buffer_.append(b, static_cast<size_t>(n));
    }
}

bool ClienteTeste::Fechada() {
    if (!buffer_.empty()) return false;
    char b;
    return recv(fd_, &b, 1, 0) == 0;
}

ClienteTeste::Resposta ClienteTeste::Pede(std::string_view comando) {
    if (!EnviaBytes(std::string(comando) + "\r\n")) return {{}, {}, {}, "envio falhou"};
    return LeResposta();
}

ClienteTeste::Resposta ClienteTeste::LeResposta() {
    Resposta r;
    std::string linha;
    while (true) {
        if (!LeLinha(linha, &r.bruta)) {
            r.erro = "a resposta acabou antes do fim";
            return r;
        }
        if (linha.size() + 2 > 1024) r.erro = "linha longa demais";
        if (linha.find_first_of("\r\n") != std::string::npos) r.erro = "CR ou LF solto numa linha";
        if (linha.size() < 3 || !std::all_of(linha.begin(), linha.begin() + 3, ::isdigit)) {
            r.erro = "linha de estado sem código: " + linha;
            return r;
        }
        const int codigo = std::stoi(linha.substr(0, 3));
        r.codigos.push_back(codigo);
        if (TemTexto(codigo)) {
            auto& texto = r.textos.emplace_back();
            while (true) {
                if (!LeLinha(linha, &r.bruta)) {
                    r.erro = "o texto acabou antes do ponto";
                    return r;
                }
                if (linha.size() + 2 > 1024) r.erro = "linha longa demais";
                if (linha == ".") break;
                if (!linha.empty() && linha[0] == '.') {
                    if (linha.size() < 2 || linha[1] != '.') r.erro = "ponto inicial não dobrado";
                    linha.erase(0, 1);
                }
                texto.push_back(linha);
            }
        }
        // Preliminary replies (1xx) are followed by more; any other ends it.
        if (codigo >= 200) return r;
    }
}
