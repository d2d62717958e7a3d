// A fixture that opens the real database once for a whole test suite, and
// small helpers to read the engine's "word|id|" lists.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "mini/ChaveVerbete.h"
#include "mini/DLLMiniLexariaDB.h"
#include "mini/ListaResultados.h"

using Par = mini::Resultado;

// A list that does not read whole fails the test.
inline std::vector<Par> LePares(const std::string& lista) {
    mini::ListaResultados r = mini::LeResultados(lista);
    EXPECT_TRUE(r.Valida()) << r.erro;
    return std::move(r.itens);
}

class MotorReal : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        motor_ = std::make_unique<DLLMiniLexariaDB>(MINI_TEST_DB);
        ASSERT_TRUE(motor_->AbreDados());
    }
    static void TearDownTestSuite() { motor_.reset(); }

    static DLLMiniLexariaDB& M() { return *motor_; }

    // Headword of an id (without the entry text).
    static std::string Titulo(int32_t id) {
        std::string html;
        return M().ObtemVerbete(id, html, 0);
    }
    static std::string Html(int32_t id) {
        std::string html;
        M().ObtemVerbete(id, html, mini::ValorChaveVerbete(mini::PosicaoChave(id)));
        return html;
    }
    // Every result of the last search, read chunk by chunk as the lists do;
    // a cursor that does not move forward fails instead of looping.
    static std::vector<Par> TodosResultados() {
        std::vector<Par> r;
        std::string pedaco;
        int32_t cursor = 0, proximo = 0;
        while ((proximo = M().ObtemResultados(0, cursor, pedaco)) >= 0) {
            if (proximo <= cursor) {
                ADD_FAILURE() << "cursor " << cursor << " gave " << proximo;
                break;
            }
            cursor = proximo;
            for (auto& p : LePares(pedaco)) r.push_back(std::move(p));
        }
        return r;
    }

    static inline std::unique_ptr<DLLMiniLexariaDB> motor_;
};
