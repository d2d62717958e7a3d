// The dictionary protocol server over TCP: one thread per connection, which
// reads its commands, asks the session for each reply and writes it whole.
// The engines come from a shared pool and are held only while a reply is
// made, so idle clients, slow readers and floods cost a thread each and
// never an engine.
#pragma once

#include <atomic>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class IndicePalavras;
class ReservaMotores;
struct ContextoDict;

class ServidorDict {
public:
    struct Opcoes {
        std::string endereco = "127.0.0.1";
        uint16_t porta = 2628;  // 0: any free port (see porta())
        std::string banco;      // empty: the database beside the executable
        size_t maximoConexoes = 256;
        size_t motores = 0;      // 0: one per processor, at least two
        int esperaEnvio = 30;    // seconds a client may go without reading before it is dropped
        int esperaOcioso = 600;  // seconds of silence before a client is dropped
    };

    explicit ServidorDict(Opcoes opcoes);
    ~ServidorDict();
    ServidorDict(const ServidorDict&) = delete;
    ServidorDict& operator=(const ServidorDict&) = delete;

    // Opens the database, binds and starts accepting. On failure, erro() says why.
    bool Inicia();
    // Closes every connection and waits for their threads.
    void Para();

    uint16_t porta() const { return porta_; }
    const std::string& erro() const { return erro_; }

private:
    struct Conexao {
        int fd;
        std::thread thread;
        std::atomic<bool> terminou{false};
    };

    bool Escuta();
    void Aceita();
    void Atende(Conexao& conexao);
    // Turns a client away with 420 (too many clients, or no thread for it).
    static void Recusa(int fd);
    void Recolhe(bool todas);

    Opcoes opcoes_;
    std::string erro_;
    uint16_t porta_ = 0;
    int escuta_ = -1;
    int despertar_[2] = {-1, -1};
    std::unique_ptr<ReservaMotores> motores_;
    std::unique_ptr<IndicePalavras> indice_;
    std::unique_ptr<ContextoDict> contexto_;
    std::thread aceitador_;
    std::mutex mutex_;
    std::list<Conexao> conexoes_;
    std::atomic<bool> parando_{false};
};
