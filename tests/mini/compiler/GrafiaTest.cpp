// Today's spelling: the derivation on a small hand-made word list (the
// expected table is tests/data/grafia/derivacoes.tsv), the stress rule
// (tonica.tsv), the hunspell adapter on a tiny dictionary, and the cache.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "../ArquivoCasos.h"
#include "GrafiaModerna.h"
#include "RegrasGrafia.h"
#include "TabelaGrafias.h"
#include "VerificadorHunspell.h"
#include "mini/Normaliza.h"

using namespace mini::compilador;
namespace fs = std::filesystem;

namespace {

class ListaFixa : public VerificadorOrtografico {
public:
    explicit ListaFixa(const std::string& arquivo) {
        for (const auto& [n, l] : casos::Linhas(arquivo)) palavras_.insert(l);
    }
    bool Aceita(const std::string& p) override {
        ++consultas;
        return palavras_.count(p) > 0;
    }
    size_t consultas = 0;

private:
    std::set<std::string> palavras_;
};

std::string Junta(const std::vector<std::string>& v) {
    std::string r;
    for (const auto& s : v) r += (r.empty() ? "" : "|") + s;
    return r;
}

const std::string kMini = std::string(MINI_TEST_CASOS) + "/grafia/mini";

}  // namespace

TEST(GrafiaModerna, HandMadeListGivesTheExpectedSpellings) {
    ListaFixa brasil("grafia/lista-br.txt"), portugal("grafia/lista-pt.txt");
    GrafiaModerna grafia(brasil, &portugal);
    for (const auto& [linha, campos] : casos::Tabela("grafia/derivacoes.tsv")) {
        ASSERT_EQ(campos.size(), 2u) << "linha " << linha;
        EXPECT_EQ(Junta(grafia.Deriva(campos[0])), campos[1]) << campos[0] << " (linha " << linha << ")";
    }
    // Without the European list, only Brazil's form.
    GrafiaModerna soBrasil(brasil, nullptr);
    EXPECT_EQ(Junta(soBrasil.Deriva("architecto")), "arquitecto");
    EXPECT_TRUE(soBrasil.Deriva("excepção").empty());
}

TEST(GrafiaModerna, OnlyWordsOfLettersAreLookedAtAndTheWorkIsBounded) {
    for (const char* p : {"", "-", "a-", "-a", "a--b", "casa nova", "d'água", "1913", "cAsa"})
        EXPECT_FALSE(GrafiaModerna::Derivavel(p)) << p;
    for (const char* p : {"casa", "guarda-chuva", "Lisboa", "acção"})
        EXPECT_TRUE(GrafiaModerna::Derivavel(p)) << p;
    // A long word no list knows costs a bounded number of questions.
    ListaFixa brasil("grafia/lista-br.txt");
    GrafiaModerna grafia(brasil, nullptr);
    EXPECT_TRUE(grafia.Deriva("phthisiophthalmorrhyppocampphyllyphthongys").empty());
    EXPECT_LT(brasil.consultas, 400u);
}

TEST(RegrasGrafia, StressedVowelFromTheEnd) {
    const auto tabela = casos::Tabela("grafia/tonica.tsv");
    ASSERT_GE(tabela.size(), 15u);
    for (const auto& [linha, c] : tabela) {
        ASSERT_GE(c.size(), 2u) << "tonica.tsv:" << linha;
        const auto t = RegrasGrafia::Tonica(mini::DecodificaUtf8(c[0]));
        EXPECT_EQ(t.first, std::stoi(c[1])) << "tonica.tsv:" << linha << " " << c[0];
        const char32_t vogal = c.size() > 2 ? mini::DecodificaUtf8(c[2]).at(0) : 0;
        EXPECT_EQ(t.second, vogal) << "tonica.tsv:" << linha << " " << c[0];
    }
}

TEST(VerificadorHunspell, ReadsADictionaryAndTheCacheKeepsItsAnswers) {
    ASSERT_TRUE(VerificadorHunspell::Existe(kMini));
    EXPECT_FALSE(VerificadorHunspell::Existe(kMini + "-nao-existe"));
    VerificadorHunspell v(kMini);
    EXPECT_TRUE(v.Aceita("ação"));
    EXPECT_FALSE(v.Aceita("acção"));
    EXPECT_FALSE(v.Aceita(""));

    const fs::path cache = fs::temp_directory_path() / ("grafias-" + std::to_string(getpid()) + ".cache");
    const std::vector<std::string> palavras{"acção", "effeito", "guarda", "rhythmo", "xyzwq"};
    std::string erro;
    TabelaGrafias primeira;
    ASSERT_TRUE(primeira.Prepara(palavras, kMini, "", "", cache.string(), erro)) << erro;
    EXPECT_FALSE(primeira.DoCache());
    EXPECT_EQ(Junta(primeira.De("acção")), "ação");
    EXPECT_EQ(Junta(primeira.De("rhythmo")), "ritmo");
    EXPECT_TRUE(primeira.De("guarda").empty());
    EXPECT_FALSE(primeira.SemGrafiaAtual("guarda"));
    EXPECT_TRUE(primeira.SemGrafiaAtual("xyzwq"));

    TabelaGrafias segunda;
    ASSERT_TRUE(segunda.Prepara(palavras, kMini, "", "", cache.string(), erro));
    EXPECT_TRUE(segunda.DoCache());
    EXPECT_EQ(segunda.mapa(), primeira.mapa());
    // Other words: the cache no longer fits and the work is done again.
    TabelaGrafias outra;
    ASSERT_TRUE(outra.Prepara({"acção"}, kMini, "", "", cache.string(), erro));
    EXPECT_FALSE(outra.DoCache());
    fs::remove(cache);

    TabelaGrafias semDicionario;
    EXPECT_FALSE(semDicionario.Prepara(palavras, kMini + "-nao-existe", "", "", "", erro));
    EXPECT_NE(erro.find("nao-existe"), std::string::npos);
}
