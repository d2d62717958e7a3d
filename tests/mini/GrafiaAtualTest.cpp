// Today's spelling in the real dictionary: pairs that must meet and pairs
// that must stay apart (tests/data/grafia/pares.tsv) in lookup, word search,
// masks and text search, and the line the entry page shows.
#include <algorithm>
#include <set>

#include "ArquivoCasos.h"
#include "MotorTeste.h"
#include "mini/Normaliza.h"

namespace {

class GrafiaAtual : public MotorReal {
protected:
    static std::string Chave(const std::string& p) {
        return mini::ChaveDobrada(p.substr(0, p.find("\u00A0")));
    }
    static std::vector<Par> Palavra(const std::string& p) {
        std::string lista;
        M().PesquisaPalavra(p, 0, lista);
        return TodosResultados();
    }
    static std::vector<Par> Mascara(const std::string& p) {
        std::string lista;
        M().PesquisaMascara(p, lista, 0);
        return TodosResultados();
    }
    static std::set<int32_t> Texto(std::string p) {
        std::string lista;
        int32_t total = 0;
        M().PesquisaReversa(p, lista, 0, 0, total);
        std::set<int32_t> ids;
        for (const auto& r : TodosResultados()) ids.insert(r.id);
        return ids;
    }
    static bool Tem(const std::vector<Par>& r, const std::string& palavra) {
        return std::any_of(r.begin(), r.end(),
                           [&](const Par& p) { return Chave(p.palavra) == Chave(palavra); });
    }
    static bool Contem(const std::set<int32_t>& maior, const std::set<int32_t>& menor) {
        return std::includes(maior.begin(), maior.end(), menor.begin(), menor.end());
    }
    // The same word with its last letter as "?", so it is a mask.
    static std::string ComCuringa(const std::string& p) {
        std::u32string u = mini::DecodificaUtf8(p);
        u.back() = U'?';
        return mini::CodificaUtf8(u);
    }
};

}  // namespace

TEST_F(GrafiaAtual, PairsMeetOrStayApartInEverySearch) {
    for (const auto& [linha, c] : casos::Tabela("grafia/pares.tsv")) {
        ASSERT_EQ(c.size(), 3u) << "linha " << linha;
        const std::string &a = c[1], &b = c[2];
        if (c[0] == "juntos") {
            const auto palavra = Palavra(a);
            EXPECT_TRUE(Tem(palavra, b)) << a << " -> " << b;
            // The word's own entries come before those of its old spelling.
            const auto primeiroAntigo = std::find_if(
                palavra.begin(), palavra.end(), [&](const Par& p) { return Chave(p.palavra) == Chave(b); });
            if (Chave(a) != Chave(b)) {
                EXPECT_TRUE(std::none_of(primeiroAntigo, palavra.end(), [&](const Par& p) {
                    return Chave(p.palavra) == Chave(a);
                })) << a;
            }
            const int32_t id = M().LocalizaPalavra(a);
            EXPECT_TRUE(Chave(Titulo(id)) == Chave(a) || Chave(Titulo(id)) == Chave(b))
                << a << ": " << Titulo(id);
            EXPECT_TRUE(Tem(Mascara(a), b)) << a;
            EXPECT_TRUE(Tem(Mascara(ComCuringa(a)), b)) << ComCuringa(a);
            const auto textoA = Texto(a), textoB = Texto(b);
            EXPECT_FALSE(textoB.empty()) << b;
            EXPECT_TRUE(Contem(textoA, textoB)) << a << " in the text";
        } else {
            ASSERT_EQ(c[0], "separados") << "linha " << linha;
            for (auto [x, y] : {std::pair{a, b}, std::pair{b, a}}) {
                EXPECT_FALSE(Tem(Palavra(x), y)) << x << " gave " << y;
                EXPECT_FALSE(Tem(Mascara(x), y)) << x << " gave " << y;
                EXPECT_FALSE(Tem(Mascara(ComCuringa(x)), y)) << ComCuringa(x) << " gave " << y;
                EXPECT_NE(Chave(Titulo(M().LocalizaPalavra(x))), Chave(y)) << x;
                const auto tx = Texto(x), ty = Texto(y);
                if (!ty.empty()) {
                    EXPECT_FALSE(Contem(tx, ty)) << x << " finds every text of " << y;
                }
            }
        }
    }
}

TEST_F(GrafiaAtual, EntryPageAndBothDirections) {
    const int32_t acao = M().LocalizaPalavra("acção");
    ASSERT_EQ(Titulo(acao), "acção");
    EXPECT_EQ(M().ObtemGrafiaAtual(acao), "ação|");
    const std::string html = Html(acao);
    const std::string linha =
        "<span id=\"D_GRAFIA\">Grafia atual: <span class=\"grafiaatual\">ação</span></span>";
    // Right after the title line.
    EXPECT_EQ(html.find(linha), html.find("<BR>") + 5) << html.substr(0, 200);

    std::string lista;
    EXPECT_EQ(M().PesquisaGrafia("ação", lista), 1);
    EXPECT_EQ(LePares(lista).at(0).id, acao);
    // A word of today has no line and no other spelling.
    const int32_t casa = M().LocalizaPalavra("casa");
    EXPECT_EQ(M().ObtemGrafiaAtual(casa), "");
    EXPECT_EQ(Html(casa).find("D_GRAFIA"), std::string::npos);
    EXPECT_EQ(M().ObtemGrafiaAtual(-1), "");
    // Two forms: Brazil's first, then Portugal's of today.
    EXPECT_EQ(M().ObtemGrafiaAtual(M().LocalizaPalavra("architecto")), "arquitecto|arquiteto|");
    // A 1913 spelling typed as it stands finds exactly itself in the text.
    const auto pharmacia = Texto("pharmácia"), farmacia = Texto("farmácia");
    EXPECT_TRUE(Contem(farmacia, pharmacia));
    EXPECT_LT(pharmacia.size(), farmacia.size());
}
