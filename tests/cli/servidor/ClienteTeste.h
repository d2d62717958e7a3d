// A plain socket client of the dictionary protocol for the tests: sends
// command lines, reads whole replies and checks their framing as it goes
// (every line ends in CRLF, no line is longer than the protocol allows).
#pragma once

#include <string>
#include <string_view>
#include <vector>

class ClienteTeste {
public:
    struct Resposta {
        std::vector<int> codigos;                      // every status line's code, in order
        std::vector<std::vector<std::string>> textos;  // each text body, dots undone
        std::string bruta;                             // the bytes as they came
        std::string erro;                              // framing fault, or empty
        int final() const { return codigos.empty() ? -1 : codigos.back(); }
        bool TemLinha(std::string_view linha) const;
    };

    // Connects to 127.0.0.1:porta; lerSaudacao reads the first line.
    explicit ClienteTeste(int porta, bool lerSaudacao = true);
    ~ClienteTeste();
    ClienteTeste(const ClienteTeste&) = delete;
    ClienteTeste& operator=(const ClienteTeste&) = delete;

    bool conectado() const { return fd_ >= 0; }
    const std::string& saudacao() const { return saudacao_; }

    bool EnviaBytes(std::string_view bytes);
    // Sends the command with CRLF and reads the reply.
    Resposta Pede(std::string_view comando);
    Resposta LeResposta();
    // One line without its CRLF; false at the end of the stream or on a timeout.
    bool LeLinha(std::string& linha, std::string* bruta = nullptr);
    // True when the server closed the connection (nothing more to read).
    bool Fechada();

    int fd() const { return fd_; }

private:
    int fd_ = -1;
    std::string saudacao_;
    std::string buffer_;
};
