// Which verb a conjugation is asked for, against an engine that knows only
// the texts of a table.
#include "mini/PedidoConjugacao.h"

#include <gtest/gtest.h>

#include <map>

#include "ArquivoCasos.h"

TEST(PedeConjugacao, TabelaDePedidos) {
    const auto tabela = casos::Tabela("pedido-conjugacao.tsv");
    ASSERT_GE(tabela.size(), 10u);
    for (const auto& [linha, campos] : tabela) {
        ASSERT_EQ(campos.size(), 5u) << "linha " << linha;
        std::map<std::string, std::string> conhece;
        if (!campos[1].empty())
            for (const auto& par : casos::Divide(campos[1], ';')) {
                const std::size_t igual = par.find('=');
                conhece[par.substr(0, igual)] = par.substr(igual + 1);
            }
        std::string pedidos;
        const mini::ConjugacaoPedida r = mini::PedeConjugacao(campos[0], [&](std::string& verbo) {
            pedidos += (pedidos.empty() ? "" : ",") + verbo;
            const auto it = conhece.find(verbo);
            return it == conhece.end() ? std::string() : it->second;
        });
        EXPECT_EQ(pedidos, campos[2]) << "linha " << linha;
        EXPECT_EQ(r.verbo, campos[3]) << "linha " << linha;
        EXPECT_EQ(r.dados, campos[4]) << "linha " << linha;
    }
}
