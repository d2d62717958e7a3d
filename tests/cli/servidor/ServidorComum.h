// The server the tests talk to: on loopback, on a free port, over the
// build's database; started once per test program and stopped when the
// tests end, before the engine's own statics are destroyed at exit.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "ServidorDict.h"

inline std::unique_ptr<ServidorDict> NovoServidor(ServidorDict::Opcoes opcoes = {}) {
    opcoes.endereco = "127.0.0.1";
    opcoes.porta = 0;
    opcoes.banco = MINI_TEST_DB;
    auto servidor = std::make_unique<ServidorDict>(opcoes);
    EXPECT_TRUE(servidor->Inicia()) << servidor->erro();
    return servidor;
}

class AmbienteServidor : public ::testing::Environment {
public:
    static ServidorDict& Servidor() {
        if (!servidor_) servidor_ = NovoServidor();
        return *servidor_;
    }
    void TearDown() override { servidor_.reset(); }

private:
    static inline std::unique_ptr<ServidorDict> servidor_;
};

inline ServidorDict& ServidorComum() { return AmbienteServidor::Servidor(); }
