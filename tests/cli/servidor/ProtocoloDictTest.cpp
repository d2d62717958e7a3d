// The protocol's text rules without a network: how a command line splits into
// words (cases in tests/data/servidor/linha-comando.tsv), and how a reply's
// text is framed: CRLF, doubled leading dots, the closing dot, long lines
// broken without losing or splitting a character.
#include <gtest/gtest.h>

#include "../../mini/ArquivoCasos.h"
#include "LinhaComando.h"
#include "RespostaDict.h"
#include "mini/Normaliza.h"

namespace {

std::vector<std::string> Linhas(const std::string& texto) {
    std::vector<std::string> r;
    size_t i = 0;
    while (i < texto.size()) {
        const size_t fim = texto.find("\r\n", i);
        if (fim == std::string::npos) {
            r.push_back("<sem CRLF>" + texto.substr(i));
            break;
        }
        r.push_back(texto.substr(i, fim - i));
        i = fim + 2;
    }
    return r;
}

}  // namespace

TEST(ProtocoloDict, CommandLinesSplitIntoWords) {
    // The last tab ends the command line: a line may hold tabs of its own.
    const auto linhas = casos::Linhas("servidor/linha-comando.tsv");
    EXPECT_GT(linhas.size(), 15u);
    for (const auto& [n, linha] : linhas) {
        const size_t tab = linha.rfind('\t');
        ASSERT_NE(tab, std::string::npos) << "linha-comando.tsv:" << n;
        const std::string entrada = linha.substr(0, tab), esperado = linha.substr(tab + 1);
        std::vector<std::string> palavras;
        const bool aceita = LinhaComando::Divide(entrada, palavras);
        if (esperado == "!") {
            EXPECT_FALSE(aceita) << entrada;
            continue;
        }
        ASSERT_TRUE(aceita) << entrada;
        std::string juntas;
        for (const auto& p : palavras) juntas += (juntas.empty() ? "" : " | ") + (p.empty() ? "<>" : p);
        EXPECT_EQ(juntas, esperado) << entrada;
    }
}

TEST(ProtocoloDict, TextBodiesAreFramed) {
    // Status lines end in CRLF; a body's lines starting with "." get a second
    // one, and the body ends with a line of one dot.
    RespostaDict r;
    r.Estado("150 1 definição encontrada");
    r.Texto("a\n.b\n..c\n.\nfim\r\n\n");
    r.Estado("250 ok");
    EXPECT_EQ(Linhas(r.texto()), (std::vector<std::string>{"150 1 definição encontrada", "a", "..b", "...c",
                                                           "..", "fim", ".", "250 ok"}));

    RespostaDict vazio;
    vazio.Texto("");
    EXPECT_EQ(vazio.texto(), ".\r\n");

    RespostaDict mime(true);
    mime.Texto("x");
    EXPECT_EQ(Linhas(mime.texto()),
              (std::vector<std::string>{"Content-type: text/plain; charset=utf-8",
                                        "Content-transfer-encoding: 8bit", "", "x", "."}));

    EXPECT_EQ(RespostaDict::Aspas("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(RespostaDict::Aspas("a\r\nb"), "\"a  b\"");
}

TEST(ProtocoloDict, LongLinesAreBrokenWithinTheLimit) {
    std::string palavras;
    for (int i = 0; i < 600; ++i) palavras += "palavra" + std::to_string(i) + " ";
    palavras.pop_back();
    std::string letras;
    for (int i = 0; i < 1500; ++i) letras += "ã";
    const std::string pontuada = "." + letras;
    for (const std::string& original : {palavras, letras, pontuada}) {
        RespostaDict r;
        r.Texto(original);
        auto linhas = Linhas(r.texto());
        ASSERT_EQ(linhas.back(), ".");
        linhas.pop_back();
        ASSERT_GT(linhas.size(), 1u);
        const std::string separador = original == palavras ? " " : "";
        std::string junto;
        for (auto& l : linhas) {
            EXPECT_LE(l.size() + 2, 1024u);
            if (l[0] == '.') l.erase(0, 1);
            // A piece never starts inside a character.
            EXPECT_EQ(mini::CodificaUtf8(mini::DecodificaUtf8(l)), l);
            // Broken at a blank, the blank is not kept; elsewhere nothing is lost.
            junto += (junto.empty() ? "" : separador) + l;
        }
        EXPECT_EQ(junto, original);
    }
}
