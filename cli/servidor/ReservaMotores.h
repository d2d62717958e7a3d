// Engines lent to connections one request at a time. An engine is not safe
// to use from two threads at once (it keeps its last search and prepared
// statements), so each is held by one request only; idle connections hold
// none, and a few engines serve any number of clients. Waiting requests are
// served in the order they asked, so a client that floods the server with
// commands cannot keep the others waiting.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
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
    // Requests waiting for an engine now.
    size_t esperando() const;

private:
    void Devolve(DLLMiniLexariaDB* motor);
    std::unique_ptr<DLLMiniLexariaDB> Novo() const;

    const std::string caminho_;
    // A request waiting for an engine; a returned engine is handed to the
    // first in line, and only that thread is woken.
    struct Espera {
        std::condition_variable vez;
        DLLMiniLexariaDB* motor = nullptr;
    };

    mutable std::mutex mutex_;
    std::vector<std::unique_ptr<DLLMiniLexariaDB>> todos_;
    std::vector<DLLMiniLexariaDB*> livres_;
    std::deque<Espera*> fila_;
    size_t abrindo_ = 0;  // engines being opened outside the lock
    size_t limite_;       // engines that may be open
};
