// The terminal tool where input is hostile or the output cannot be written:
// a word is always a word, limits are said instead of cut silently, control
// characters never reach the terminal raw, a full disk is an error.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "ComandoLexaria.h"
#include "CopiaDanificada.h"

namespace {

struct Saida {
    int codigo;
    std::string saida, erros;
};

Saida Roda(const std::vector<std::string>& args, const std::string& banco = MINI_TEST_DB) {
    std::ostringstream saida, erros;
    const int codigo = ComandoLexaria().Executa(args, saida, erros, banco);
    return {codigo, saida.str(), erros.str()};
}

// A stream buffer that refuses every byte, as /dev/full does.
class Cheio : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

}  // namespace

TEST(ComandoErros, WordsStayWordsAndLimitsAreSaid) {
    // "ajuda" is a headword like any other.
    const auto ajuda = Roda({"verbete", "ajuda"});
    EXPECT_EQ(ajuda.codigo, 0);
    EXPECT_EQ(ajuda.saida.find("uso:"), std::string::npos);
    EXPECT_NE(ajuda.saida.find("\tajuda\n"), std::string::npos) << ajuda.saida.substr(0, 80);
    // After "--" an option is a word: no help, no such headword.
    const auto depois = Roda({"verbete", "--", "--help"});
    EXPECT_EQ(depois.codigo, 1);
    EXPECT_EQ(depois.saida.find("uso:"), std::string::npos);
    EXPECT_EQ(Roda({"--help"}).codigo, 0);

    // 33 words are refused whatever their order, never answered as 32.
    std::string muitas;
    for (int i = 0; i < 32; ++i) muitas += "de ";
    for (const std::string& q : {muitas + "xyzzyqq", "xyzzyqq " + muitas}) {
        std::string distintas;
        for (int i = 0; i < 33; ++i)
            distintas += "p" + std::string(1, static_cast<char>('a' + i % 26)) +
                         std::string(1, static_cast<char>('a' + i / 26)) + " ";
        const auto r = Roda({"texto", distintas + q});
        EXPECT_EQ(r.codigo, 2);
        EXPECT_NE(r.erros.find("máximo"), std::string::npos) << r.erros;
        EXPECT_TRUE(r.saida.empty());
    }
    // Commas and quotes cut words as the text index does.
    EXPECT_EQ(Roda({"texto", "pedra, \"água\"", "--total"}).saida,
              Roda({"texto", "pedra água", "--total"}).saida);

    // A filter of thousands of steps is refused at once.
    std::string filtro;
    for (int i = 0; i < 65535; ++i) filtro += "1;";
    const auto f = Roda({"texto", "*", "--filtro", filtro});
    EXPECT_EQ(f.codigo, 2);
    EXPECT_LT(f.erros.size(), 2000u);
}

TEST(ComandoErros, ControlCharactersAreEscapedAndFullOutputFails) {
    const auto r = Roda({"traduz\x1b[2J\x07", "casa"});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.erros.find('\x1b'), std::string::npos);
    EXPECT_EQ(r.erros.find('\x07'), std::string::npos);
    EXPECT_NE(r.erros.find("traduz\\x1B[2J\\x07"), std::string::npos) << r.erros;
    EXPECT_EQ(ComandoLexaria::Visivel("a\xC2\x9B"
                                      "b\x7F"
                                      "ção"),
              "a\\x9Bb\\x7Fção");

    Cheio cheio;
    std::ostream saida(&cheio);
    std::ostringstream erros;
    EXPECT_EQ(ComandoLexaria().Executa({"texto", "*"}, saida, erros, MINI_TEST_DB), 2);
    EXPECT_NE(erros.str().find("escrever"), std::string::npos);

    // Both directions of today's spelling.
    const auto acao = Roda({"grafia", "ação"});
    EXPECT_EQ(acao.codigo, 0);
    EXPECT_NE(acao.saida.find("ação ← acção"), std::string::npos) << acao.saida;
    EXPECT_NE(Roda({"grafia", "acção"}).saida.find("acção → ação"), std::string::npos);
    EXPECT_NE(Roda({"verbete", "acção"}).saida.find("Grafia atual: ação"), std::string::npos);
    EXPECT_EQ(Roda({"grafia", "xyzwq"}).codigo, 1);
}

// A file damaged under the entries and the indexes: every command that meets
// the damage says so and exits 2, none answers "nothing" or guesses.
TEST(ComandoErros, DamagedFileIsAnErrorInEveryCommand) {
    // Every page past the first hundred, so that no command's reads can miss
    // the damage however the compiler lays the file out.
    const CopiaDanificada copia("lexaria.db");
    copia.Danifica(100, SIZE_MAX, 1);
    const std::vector<std::vector<std::string>> comandos = {
        {"localiza", "casa"}, {"verbete", "casa"}, {"palavra", "casa"},
        {"busca", "des*ar"},  {"texto", "pedra"},  {"conjuga", "cantar"},
        {"flexoes", "casas"}, {"grafia", "acção"}, {"abrev", "adj."},
    };
    for (const auto& args : comandos) {
        const Saida r = Roda(args, copia.Caminho());
        EXPECT_EQ(r.codigo, 2) << args[0] << " " << args[1] << ": " << r.saida;
        EXPECT_NE(r.erros.find("banco de dados"), std::string::npos) << args[0] << ": " << r.erros;
    }
}
