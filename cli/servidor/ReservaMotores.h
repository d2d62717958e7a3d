// Engines lent to connections one request at a time. An engine is not safe
// to use from two threads at once (it keeps its last search and prepared
// statements), so each is held by one request only; idle connections hold
// none, and a few engines serve any number of clients. Waiting requests are
// served in the order they asked, so a client that floods the server with
// commands cannot keep the others waiting.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class DLLMiniLexariaDB;

class ReservaMotores {
public:
    // At most `maximo` engines are opened, the first by Abre, the others when
    // every open one is in use.
    ReservaMotores(std::string caminhoBanco, size_t maximo);
    ~ReservaMotores();
    ReservaMotores(const ReservaMotores&) = delete;
    ReservaMotores& operator=(const ReservaMotores&) = delete;

    // False when the database cannot be read.
    bool Abre();

    class Emprestimo {
    public:
        Emprestimo(ReservaMotores& reserva, DLLMiniLexariaDB* motor) : reserva_(&reserva), motor_(motor) {}
        Emprestimo(Emprestimo&& outro) noexcept : reserva_(outro.reserva_), motor_(outro.motor_) {
            outro.motor_ = nullptr;
        }
        Emprestimo& operator=(Emprestimo&&) = delete;
        ~Emprestimo();
        DLLMiniLexariaDB& operator*() const { return *motor_; }
        DLLMiniLexariaDB* operator->() const { return motor_; }

    private:
        ReservaMotores* reserva_;
        DLLMiniLexariaDB* motor_;
    };

    // Waits for an engine (Abre must have succeeded).
    Emprestimo Empresta();

    size_t abertos() const;

private:
    void Devolve(DLLMiniLexariaDB* motor);
    std::unique_ptr<DLLMiniLexariaDB> Novo() const;

    const std::string caminho_;
    mutable std::mutex mutex_;
    std::condition_variable livre_;
    std::vector<std::unique_ptr<DLLMiniLexariaDB>> todos_;
    std::vector<DLLMiniLexariaDB*> livres_;
    uint64_t proximaSenha_ = 0;   // ticket of the next request to arrive
    uint64_t senhaAtendida_ = 0;  // ticket of the next request to be served
    size_t abrindo_ = 0;          // engines being opened outside the lock
    size_t limite_;               // engines that may be open
};
