// The server the tests talk to: on loopback, on a free port, over the
// build's database; started once per test program and stopped at its end.
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

inline ServidorDict& ServidorComum() {
    static const std::unique_ptr<ServidorDict> servidor = NovoServidor();
    return *servidor;
}
