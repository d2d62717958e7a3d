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
    // A free engine, unless others are waiting for one.
    auto livre = [this]() -> DLLMiniLexariaDB* {
        if (!fila_.empty() || livres_.empty()) return nullptr;
        DLLMiniLexariaDB* motor = livres_.back();
        livres_.pop_back();
        return motor;
    };
    if (DLLMiniLexariaDB* motor = livre()) return Emprestimo(*this, motor);
    if (todos_.size() + abrindo_ < limite_) {
        // Every engine is busy and there is room for one more: open it
        // without holding the lock, since opening reads the database.
        ++abrindo_;
        trava.unlock();
        auto novo = Novo();
        trava.lock();
        --abrindo_;
        if (novo) {
            DLLMiniLexariaDB* motor = novo.get();
            todos_.push_back(std::move(novo));
            return Emprestimo(*this, motor);
        }
        // Could not open another: make do with those there are.
        limite_ = todos_.size() + abrindo_;
        if (DLLMiniLexariaDB* motor = livre()) return Emprestimo(*this, motor);
    }
    Espera espera;
    fila_.push_back(&espera);
    espera.vez.wait(trava, [&] { return espera.motor != nullptr; });
    return Emprestimo(*this, espera.motor);
}

void ReservaMotores::Devolve(DLLMiniLexariaDB* motor) {
    std::lock_guard<std::mutex> trava(mutex_);
    if (fila_.empty()) {
        livres_.push_back(motor);
        return;
    }
    Espera* primeiro = fila_.front();
    fila_.pop_front();
    primeiro->motor = motor;
    primeiro->vez.notify_one();
}

ReservaMotores::Emprestimo::~Emprestimo() {
    if (motor_) reserva_->Devolve(motor_);
}

size_t ReservaMotores::abertos() const {
    std::lock_guard<std::mutex> trava(mutex_);
    return todos_.size();
}

size_t ReservaMotores::esperando() const {
    std::lock_guard<std::mutex> trava(mutex_);
    return fila_.size();
}
