// One client's conversation with the dictionary server: takes a command line,
// gives the whole reply. Knows nothing of sockets, so every command can be
// tried without a network.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ContextoDict;

class SessaoDict {
public:
    explicit SessaoDict(ContextoDict& contexto);

    // The first line the server sends, with the capabilities and a msg-id.
    std::string Saudacao() const;
    // The reply to one command line (without its CRLF), status lines and
    // text bodies included.
    std::string Responde(std::string_view linha);
    // The reply to a line longer than the protocol allows.
    static std::string LinhaLonga();

    // True once QUIT was answered: the connection is to be closed.
    bool encerrada() const { return encerrada_; }
    bool mime() const { return mime_; }
    const std::string& cliente() const { return cliente_; }

    static constexpr size_t kMaximoComando = 1024;  // CRLF included
    static constexpr const char* kBase = "minilexaria";

private:
    std::string Define(const std::vector<std::string>& p);
    std::string Procura(const std::vector<std::string>& p);
    std::string Mostra(const std::vector<std::string>& p);
    std::string Ajuda() const;
    // The counters STATUS and SHOW SERVER report.
    std::string Estado() const;
    std::string SobreServidor() const;
    static bool BaseValida(const std::string& base);

    ContextoDict& contexto_;
    uint64_t numero_;
    bool mime_ = false;
    bool encerrada_ = false;
    std::string cliente_;
    // What follows the headword on every 151 line: the base and its description.
    const std::string baseDefinicao_;
};
