// Inflected forms on the real dictionary: a form leads to its lemma's
// entries (tests/data/flexoes/forma-lema.tsv), a word lists its forms
// (formas.tsv), and every verb entry has a table.
#include <algorithm>

#include "ArquivoCasos.h"
#include "Esquema.h"
#include "FlexoesVerbete.h"
#include "MotorTeste.h"
#include "mini/PedidoConjugacao.h"
#include "mini/TextoConjugacao.h"

namespace {

std::string SemHomonimo(const std::string& titulo) { return titulo.substr(0, titulo.find("\u00A0")); }

std::vector<std::string> Titulos(const std::vector<Par>& pares) {
    std::vector<std::string> r;
    for (const auto& p : pares) r.push_back(SemHomonimo(p.palavra));
    return r;
}

bool Contem(const std::vector<std::string>& lista, const std::string& s) {
    return std::find(lista.begin(), lista.end(), s) != lista.end();
}

class Flexoes : public MotorReal {
protected:
    void SetUp() override { M().LimiteResultados(300); }

    static std::vector<std::string> Pesquisa(const std::string& palavra) {
        std::string lista;
        const int32_t n = M().PesquisaPalavra(palavra, 0, lista);
        auto r = TodosResultados();
        EXPECT_EQ(static_cast<int32_t>(r.size()), n) << palavra;
        return Titulos(r);
    }
    // The forms, read as the highlighting reads them: pieces 0, 2, 4 ...
    static std::vector<std::string> Formas(const std::string& palavra) {
        std::string formas;
        const int32_t n = M().ObtemFlexoes(palavra, formas);
        EXPECT_TRUE(formas.empty() || formas.back() == '|') << palavra << ": every piece ends with |";
        std::vector<std::string> r;
        for (const auto& p : LePares(formas)) {
            r.push_back(p.palavra);
            EXPECT_FALSE(Titulo(p.id).empty()) << palavra << ": " << p.id;
        }
        EXPECT_EQ(n, r.empty() ? -1 : static_cast<int32_t>(r.size())) << palavra;
        return r;
    }
};

TEST_F(Flexoes, FormaLevaAoLema) {
    const auto tabela = casos::Tabela("flexoes/forma-lema.tsv");
    ASSERT_GE(tabela.size(), 40u);
    for (const auto& [linha, c] : tabela) {
        ASSERT_EQ(c.size(), 2u) << "forma-lema.tsv:" << linha;
        EXPECT_TRUE(Contem(Pesquisa(c[0]), c[1]))
            << "forma-lema.tsv:" << linha << " " << c[0] << " -> " << c[1];
    }
}

TEST_F(Flexoes, VerbetesDaPropriaPalavraVemPrimeiro) {
    // "pus" (matter) and "era" (age) are headwords; the verbs come after them.
    for (const auto& [palavra, verbo] : {std::pair{"pus", "pôr"}, {"era", "sêr"}, {"para", "parar"}}) {
        const auto r = Pesquisa(palavra);
        ASSERT_FALSE(r.empty()) << palavra;
        EXPECT_EQ(r.front(), palavra);
        const auto v = std::find(r.begin(), r.end(), verbo);
        ASSERT_NE(v, r.end()) << palavra;
        EXPECT_EQ(std::count(r.begin(), r.end(), verbo), 1) << palavra;
        EXPECT_TRUE(std::all_of(r.begin(), v, [&](const std::string& t) { return t != verbo; }));
    }
}

TEST_F(Flexoes, PalavraQueEhVerbeteSoTrazVerboDeFormaEscritaIgual) {
    // "e" and "de" are headwords; "é" and "dê" only fold to them.
    EXPECT_FALSE(Contem(Pesquisa("e"), "sêr"));
    EXPECT_TRUE(Contem(Pesquisa("é"), "sêr"));
    EXPECT_FALSE(Contem(Pesquisa("de"), "dar"));
    EXPECT_TRUE(Contem(Pesquisa("dê"), "dar"));
    EXPECT_TRUE(Pesquisa("xyzwq").empty());
    EXPECT_TRUE(Pesquisa("").empty());
}

TEST_F(Flexoes, FormasDeUmaPalavra) {
    const auto tabela = casos::Tabela("flexoes/formas.tsv");
    ASSERT_GE(tabela.size(), 15u);
    for (const auto& [linha, c] : tabela) {
        ASSERT_EQ(c.size(), 2u) << "formas.tsv:" << linha;
        const auto formas = Formas(c[0]);
        if (c[1].empty()) {
            EXPECT_TRUE(formas.empty()) << "formas.tsv:" << linha << " " << c[0];
        }
        for (const auto& f : casos::Divide(c[1], ' ')) {
            if (!f.empty()) {
                EXPECT_TRUE(Contem(formas, f)) << "formas.tsv:" << linha << " " << c[0] << ": " << f;
            }
        }
        EXPECT_FALSE(Contem(formas, c[0])) << "formas.tsv:" << linha;
    }
    for (const char* nada : {"", "   ", "\xff\xfe"}) EXPECT_TRUE(Formas(nada).empty()) << nada;
}

TEST_F(Flexoes, TodoVerboDoDicionarioTemTabela) {
    // Only archaic spellings with no model of today and a few entries whose
    // class in the source is misprinted may lack one.
    int verbos = 0, semTabela = 0;
    for (int32_t id = 0;; ++id) {
        const std::string titulo = Titulo(id);
        if (titulo.empty()) break;
        int32_t i = id;
        if (!M().EhVerbo(i)) continue;
        ++verbos;
        const mini::ConjugacaoPedida pedida =
            mini::PedeConjugacao(titulo, [](std::string& v) { return M().ObtemConjugacao(v); });
        // Every table the engine gives reads back for the verb it belongs to.
        const mini::Conjugacao c = mini::LeConjugacao(pedida.verbo, pedida.dados);
        if (c.estado == mini::Conjugacao::Estado::Vazia) ++semTabela;
        EXPECT_NE(c.estado, mini::Conjugacao::Estado::Invalida) << titulo << ": " << c.erro;
    }
    EXPECT_GT(verbos, 13000);
    EXPECT_LT(semTabela, 50);

    // The class written at the start of a definition counts ("_v. t._").
    for (const char* v : {"efectuar", "fazer", "abelhuar-se", "têr"}) {
        int32_t id = M().LocalizaPalavra(v);
        EXPECT_TRUE(M().EhVerbo(id)) << v;
    }
    for (const char* nao : {"casa", "pedra", "alemão"}) {
        int32_t id = M().LocalizaPalavra(nao);
        EXPECT_FALSE(M().EhVerbo(id)) << nao;
    }
}

TEST_F(Flexoes, ConjugacaoPeloTituloComoAPaginaPassa) {
    std::string arguir = "arguir", homonimo = "arguir\u00A01", pronominal = "lavar-se", lavar = "lavar";
    EXPECT_FALSE(M().ObtemConjugacao(arguir).empty());
    EXPECT_EQ(M().ObtemConjugacao(homonimo), M().ObtemConjugacao(arguir));
    // A pronominal headword has no table of its own: the page asks for the verb.
    EXPECT_EQ(M().ObtemConjugacao(pronominal), "");
    EXPECT_FALSE(M().ObtemConjugacao(lavar).empty());
}

// The quick membership test the lemma search uses says of every word what
// the full list of forms says: the forms of verbs, nouns, adjectives and
// their mixtures, the headword (never a form of itself), and the forms of
// other words.
TEST(FlexoesVerbete, TemFormaDizOQueAListaDiz) {
    namespace e = mini::esquema;
    auto bit = [](int filtro) { return static_cast<uint16_t>(1u << (filtro - e::kPrimeiroFiltro)); };
    const uint16_t verbo = bit(e::kFiltroVerbo), nome = bit(e::kFiltroSubstantivo),
                   adj = bit(e::kFiltroAdjetivo), numeral = bit(e::kFiltroNumeral);
    const std::pair<const char*, uint16_t> entradas[] = {
        {"fazer", verbo},
        {"têr", verbo},
        {"casar", verbo},
        {"lavar-se", verbo},
        {"arguir\u00A01", verbo},
        {"pôr", verbo},
        {"casa", nome},
        {"leão", static_cast<uint16_t>(nome | adj)},
        {"alemão", static_cast<uint16_t>(nome | adj)},
        {"fácil", adj},
        {"cinco", static_cast<uint16_t>(adj | numeral)},
        {"Lisboa", nome},
        {"feito", static_cast<uint16_t>(verbo | adj | nome)},
        {"amar", static_cast<uint16_t>(verbo | nome)},
        {"xyzwq", 0},
    };
    std::vector<std::string> candidatas = {"", "xyzwq", "casá", "Casa", "faco"};
    for (const auto& [palavra, classes] : entradas) {
        candidatas.push_back(palavra);
        candidatas.push_back(std::string(mini::FlexoesVerbete::SemHomonimo(palavra)));
        for (const auto& f : mini::FlexoesVerbete::Formas(palavra, classes)) candidatas.push_back(f);
    }
    for (const auto& [palavra, classes] : entradas) {
        const auto formas = mini::FlexoesVerbete::Formas(palavra, classes);
        for (const auto& c : candidatas)
            EXPECT_EQ(mini::FlexoesVerbete::TemForma(palavra, classes, c), Contem(formas, c))
                << palavra << " / " << c;
    }
}

}  // namespace
