// Reading the engine's "palavra|id|" lists, from a table of texts and what
// they must give.
#include "mini/ListaResultados.h"

#include <gtest/gtest.h>

#include "ArquivoCasos.h"

TEST(LeResultados, TabelaDeListas) {
    const auto tabela = casos::Tabela("lista-resultados.tsv");
    ASSERT_GE(tabela.size(), 20u);
    for (const auto& [linha, campos] : tabela) {
        ASSERT_GE(campos.size(), 2u) << "linha " << linha;
        const mini::ListaResultados lida = mini::LeResultados(campos[0]);
        EXPECT_EQ(lida.Valida(), campos[1] == "ok") << "linha " << linha << ": " << lida.erro;
        std::vector<std::string> pares;
        for (const auto& r : lida.itens) pares.push_back(r.palavra + "=" + std::to_string(r.id));
        EXPECT_EQ(pares, std::vector<std::string>(campos.begin() + 2, campos.end())) << "linha " << linha;
    }
}

TEST(LeResultados, ErroDizOndeFalhou) {
    // The fault is located at the piece that is wrong, not at the list's end.
    const auto lida = mini::LeResultados("casa|12|caso|x1|cavalo|3|");
    ASSERT_FALSE(lida.Valida());
    EXPECT_NE(lida.erro.find("byte 13"), std::string::npos) << lida.erro;
    EXPECT_EQ(lida.itens.size(), 1u);
}
