#include "ReservaMotores.h"

#include "mini/DLLMiniLexariaDB.h"

ReservaMotores::ReservaMotores(std::string caminhoBanco, size_t maximo)
    : caminho_(std::move(caminhoBanco)), limite_(maximo < 1 ? 1 : maximo) {}

ReservaMotores::~ReservaMotores() = default;

std::unique_ptr<DLLMiniLexariaDB> ReservaMotores::Novo() const {
    auto motor = caminho_.empty() ? std::make_unique<DLLMiniLexariaDB>()
                                  : std::make_unique<DLLMiniLexariaDB>(caminho_);
    if (!motor->AbreDados()) return nullptr;
    // Whole result lists are read at once; the largest chunk saves calls.
    motor->LimiteResultados(32000);
    return motor;
}

bool ReservaMotores::Abre() {
    auto motor = Novo();
    if (!motor) return false;
    std::lock_guard<std::mutex> trava(mutex_);
    livres_.push_back(motor.get());
    todos_.push_back(std::move(motor));
    return true;
}

ReservaMotores::Emprestimo ReservaMotores::Empresta() {
    std::unique_lock<std::mutex> trava(mutex_);
    const uint64_t senha = proximaSenha_++;
    while (true) {
        livre_.wait(trava, [&] {
            return senha == senhaAtendida_ && (!livres_.empty() || todos_.size() + abrindo_ < limite_);
        });
        if (!livres_.empty()) break;
        // Every engine is busy and there is room for one more: open it
        // without holding the lock, since opening reads the database.
        ++abrindo_;
        trava.unlock();
        auto motor = Novo();
        trava.lock();
        --abrindo_;
        if (motor) {
            livres_.push_back(motor.get());
            todos_.push_back(std::move(motor));
        } else {
            // Could not open another: make do with those there are.
            limite_ = todos_.size() + abrindo_;
        }
    }
    DLLMiniLexariaDB* motor = livres_.back();
    livres_.pop_back();
    ++senhaAtendida_;
    trava.unlock();
    livre_.notify_all();
    return Emprestimo(*this, motor);
}

void ReservaMotores::Devolve(DLLMiniLexariaDB* motor) {
    {
        std::lock_guard<std::mutex> trava(mutex_);
        livres_.push_back(motor);
    }
    livre_.notify_all();
}

ReservaMotores::Emprestimo::~Emprestimo() {
    if (motor_) reserva_->Devolve(motor_);
}

size_t ReservaMotores::abertos() const {
    std::lock_guard<std::mutex> trava(mutex_);
    return todos_.size();
}
