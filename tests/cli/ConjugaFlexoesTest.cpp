// "lexaria conjuga" and "lexaria flexoes", and the reading of the engine's
// compact conjugation text that the first one relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "ComandoLexaria.h"
#include "TabelaConjugacao.h"

namespace {

struct Saida {
    int codigo;
    std::vector<std::string> linhas;
};

Saida Roda(const std::vector<std::string>& args) {
    std::ostringstream saida, erros;
    Saida r{ComandoLexaria().Executa(args, saida, erros, MINI_TEST_DB), {}};
    std::istringstream in(saida.str());
    for (std::string l; std::getline(in, l);) r.linhas.push_back(l);
    return r;
}

const std::vector<std::string> kTempos = {
    "Presente do Indicativo", "Pretérito Imperfeito do Indicativo", "Pretérito Perfeito",
    "Pretérito Mais-que-Perfeito", "Futuro do Presente", "Futuro do Pretérito",
    "Presente do Subjuntivo", "Pretérito Imperfeito do Subjuntivo", "Futuro do Subjuntivo",
    "Imperativo Afirmativo", "Infinitivo Pessoal", "Gerúndio", "Particípio"};

// The lines that follow a tense's name, up to the next name.
std::vector<std::string> Bloco(const std::vector<std::string>& linhas, const std::string& tempo) {
    auto it = std::find(linhas.begin(), linhas.end(), tempo);
    std::vector<std::string> r;
    if (it == linhas.end()) return r;
    for (++it; it != linhas.end() && std::find(kTempos.begin(), kTempos.end(), *it) == kTempos.end(); ++it)
        r.push_back(*it);
    return r;
}

std::string Textos72(const std::string& regra, std::vector<std::string> formas) {
    formas.resize(72, formas.back());
    std::string t = regra + "\xC2\xA0";
    for (size_t i = 0; i < formas.size(); ++i) t += (i ? ";" : "") + formas[i];
    return t;
}

}  // namespace

TEST(TabelaConjugacao, LeARegraDoRadical) {
    // Plain endings after the stem; "/" kept, empty participle slots kept.
    std::vector<std::string> f(72, "o");
    f[1] = "as";
    f[2] = "/";
    f[66] = "ado";
    f[67] = "";
    auto formas = TabelaConjugacao::Formas("amar", Textos72("ar", f));
    ASSERT_EQ(formas.size(), 72u);
    EXPECT_EQ(formas[0], "amo");
    EXPECT_EQ(formas[1], "amas");
    EXPECT_EQ(formas[2], "/");
    EXPECT_EQ(formas[66], "amado");
    EXPECT_EQ(formas[67], "");

    // A variable stem: the stem's last "c" becomes each form's own letters.
    f.assign(72, "c|a");
    f[0] = "c|o";
    f[12] = "qu|ei";
    formas = TabelaConjugacao::Formas("ficar", Textos72("c|ar", f));
    ASSERT_EQ(formas.size(), 72u);
    EXPECT_EQ(formas[0], "fico");
    EXPECT_EQ(formas[12], "fiquei");
    EXPECT_EQ(formas[5], "fica");

    // The whole headword as the ending: forms written whole.
    f.assign(72, "fiz");
    formas = TabelaConjugacao::Formas("fazer\u00A01", Textos72("fazer", f));
    ASSERT_EQ(formas.size(), 72u);
    EXPECT_EQ(formas[0], "fiz");

    // Unreadable text: nothing rather than a wrong table.
    EXPECT_TRUE(TabelaConjugacao::Formas("amar", Textos72("er", f)).empty());
    EXPECT_TRUE(TabelaConjugacao::Formas("amar", "ar\xC2\xA0o;as").empty());
    EXPECT_TRUE(TabelaConjugacao::Formas("amar", "").empty());
    EXPECT_EQ(TabelaConjugacao::Texto("amar", ""), "");
}

TEST(ComandoConjuga, TempoDepoisPessoaEForma) {
    const auto r = Roda({"conjuga", "amar"});
    ASSERT_EQ(r.codigo, 0);
    // Every tense in order, each name on its own line.
    std::vector<std::string> nomes;
    for (const auto& l : r.linhas)
        if (std::find(kTempos.begin(), kTempos.end(), l) != kTempos.end()) nomes.push_back(l);
    EXPECT_EQ(nomes, kTempos);
    EXPECT_EQ(Bloco(r.linhas, "Presente do Indicativo"),
              (std::vector<std::string>{"eu\tamo", "tu\tamas", "ele\tama", "nós\tamamos", "vós\tamais",
                                        "eles\tamam"}));
    EXPECT_EQ(Bloco(r.linhas, "Pretérito Perfeito").front(), "eu\tamei");
    EXPECT_EQ(Bloco(r.linhas, "Imperativo Afirmativo"),
              (std::vector<std::string>{"tu\tama", "ele\tame", "nós\tamemos", "vós\tamai", "eles\tamem"}));
    EXPECT_EQ(Bloco(r.linhas, "Gerúndio"), std::vector<std::string>{"amando"});
    EXPECT_EQ(Bloco(r.linhas, "Particípio"), std::vector<std::string>{"amado"});
    EXPECT_EQ(r.linhas.size(), 13u + 9 * 6 + 5 + 6 + 1 + 1);
}

TEST(ComandoConjuga, QualVerboSeConjuga) {
    const struct {
        const char* palavra;
        int codigo;
        const char* presente1;  // first line after the present's name
        const char* participio;
    } casos[] = {
        {"têr", 0, "eu\ttenho", "tido"},
        {"ter", 0, "eu\ttenho", "tido"},         // today's spelling of the headword
        {"tenho", 0, "eu\ttenho", "tido"},       // a form: its verb
        {"lavar-se", 0, "eu\tlavo", "lavado"},   // pronominal: the verb before the hyphen
        {"abelhuar-se", 0, "eu\tabelhuo", "abelhuado"},
        {"aceitar", 0, "eu\taceito", "aceitado"},
        {"chover", 0, "eu\t/", "chovido"},
        {"casa", 1, "", ""},                     // a headword that is no verb
        {"xyzwq", 1, "", ""},
    };
    for (const auto& c : casos) {
        const auto r = Roda({"conjuga", c.palavra});
        EXPECT_EQ(r.codigo, c.codigo) << c.palavra;
        if (c.codigo != 0) {
            EXPECT_TRUE(r.linhas.empty()) << c.palavra;
            continue;
        }
        const auto presente = Bloco(r.linhas, "Presente do Indicativo");
        ASSERT_FALSE(presente.empty()) << c.palavra;
        EXPECT_EQ(presente.front(), c.presente1) << c.palavra;
        const auto participio = Bloco(r.linhas, "Particípio");
        ASSERT_FALSE(participio.empty()) << c.palavra;
        EXPECT_EQ(participio.front(), c.participio) << c.palavra;
    }
    // Double participle: both lines.
    EXPECT_EQ(Bloco(Roda({"conjuga", "aceitar"}).linhas, "Particípio"),
              (std::vector<std::string>{"aceitado", "aceito"}));
}

TEST(ComandoFlexoes, UmaFormaPorLinha) {
    const auto leao = Roda({"flexoes", "leão"});
    EXPECT_EQ(leao.codigo, 0);
    for (const char* f : {"leões", "leoa", "leoas"})
        EXPECT_NE(std::find(leao.linhas.begin(), leao.linhas.end(), f), leao.linhas.end()) << f;
    const auto fiz = Roda({"flexoes", "fiz"});
    EXPECT_EQ(fiz.codigo, 0);
    EXPECT_NE(std::find(fiz.linhas.begin(), fiz.linhas.end(), "fazer"), fiz.linhas.end());
    EXPECT_EQ(Roda({"flexoes", "xyzwq"}).codigo, 1);
    EXPECT_EQ(Roda({"flexoes", "lápis"}).codigo, 1);

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"conjuga"}, {"flexoes"}, {"conjuga", "amar", "vender"}})
        EXPECT_EQ(Roda(args).codigo, 2) << args.size();
    std::ostringstream ajuda, erros;
    ComandoLexaria().Executa({"--help"}, ajuda, erros, MINI_TEST_DB);
    EXPECT_NE(ajuda.str().find("conjuga VERBO"), std::string::npos);
    EXPECT_NE(ajuda.str().find("flexoes PALAVRA"), std::string::npos);
}
