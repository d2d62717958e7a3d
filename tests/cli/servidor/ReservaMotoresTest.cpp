// The pool of engines: engines opened only when all are busy, never more
// than allowed, and a returned engine going to the request that has waited
// longest, whatever order the threads happen to run in.
#include <gtest/gtest.h>

#include <mutex>
#include <thread>

#include "ReservaMotores.h"
#include "mini/DLLMiniLexariaDB.h"

namespace {

void EsperaFila(const ReservaMotores& reserva, size_t n) {
    while (reserva.esperando() < n) std::this_thread::yield();
}

}  // namespace

TEST(ReservaMotores, OpensOnDemandAndServesInOrder) {
    ReservaMotores reserva(MINI_TEST_DB, 2);
    ASSERT_TRUE(reserva.Abre());
    EXPECT_EQ(reserva.abertos(), 1u);
    {
        // One at a time never needs a second engine.
        for (int i = 0; i < 3; ++i) EXPECT_GE(reserva.Empresta()->LocalizaPalavra("casa"), 0);
        EXPECT_EQ(reserva.abertos(), 1u);
    }
    auto primeiro = reserva.Empresta();
    auto segundo = reserva.Empresta();
    EXPECT_EQ(reserva.abertos(), 2u);
    EXPECT_NE(&*primeiro, &*segundo);

    // Both are taken: three requests queue, each started once the one
    // before it is in line, and they must be served in that order.
    std::mutex m;
    std::vector<int> ordem;
    std::vector<std::thread> threads;
    for (int i = 0; i < 3; ++i) {
        threads.emplace_back([&, i] {
            auto motor = reserva.Empresta();
            std::lock_guard<std::mutex> trava(m);
            ordem.push_back(i);
        });
        EsperaFila(reserva, static_cast<size_t>(i) + 1);
    }
    EXPECT_EQ(reserva.abertos(), 2u);
    { auto devolvido = std::move(primeiro); }
    for (auto& t : threads) t.join();
    EXPECT_EQ(ordem, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(reserva.esperando(), 0u);
}

TEST(ReservaMotores, UnreadableDatabase) {
    ReservaMotores reserva("/nao/existe.db", 2);
    EXPECT_FALSE(reserva.Abre());
}
