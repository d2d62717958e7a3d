// Every command of the table in tests/data/servidor/comandos.tsv sent to a
// running server over a socket: the status codes it gives, lines its text
// must and must not hold, and the framing rules every reply keeps.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "../../mini/ArquivoCasos.h"
#include "ClienteTeste.h"
#include "ServidorComum.h"

namespace {

std::vector<std::string> Divide(const std::string& texto, const std::string& sep) {
    std::vector<std::string> partes;
    if (texto.empty()) return partes;
    size_t i = 0;
    while (true) {
        const size_t fim = texto.find(sep, i);
        partes.push_back(texto.substr(i, fim - i));
        if (fim == std::string::npos) return partes;
        i = fim + sep.size();
    }
}

bool Tem(const ClienteTeste::Resposta& r, const std::string& esperada) {
    if (esperada.starts_with("~")) {
        for (const auto& t : r.textos)
            for (const auto& l : t)
                if (l.starts_with(esperada.substr(1))) return true;
        return false;
    }
    return r.TemLinha(esperada);
}

// Codes as the table writes them: "151+" is one or more 151 lines.
bool CodigosConferem(const std::vector<int>& codigos, const std::vector<std::string>& esperados) {
    size_t i = 0;
    for (const auto& e : esperados) {
        const bool varios = e.ends_with("+");
        const int codigo = std::stoi(e);
        if (i >= codigos.size() || codigos[i] != codigo) return false;
        while (varios && i < codigos.size() && codigos[i] == codigo) ++i;
        if (!varios) ++i;
    }
    return i == codigos.size();
}

// What holds for every reply, whatever the command.
void ConfereForma(const std::string& comando, const ClienteTeste::Resposta& r) {
    EXPECT_EQ(r.erro, "") << comando;
    for (size_t i = 0; i < r.bruta.size(); ++i)
        if (r.bruta[i] == '\n') {
            ASSERT_TRUE(i > 0 && r.bruta[i - 1] == '\r') << comando << ": LF sem CR";
        }
    const std::regex contagem("^(150|152|110|111) ([0-9]+) .*");
    std::smatch m;
    const std::string primeira = r.bruta.substr(0, r.bruta.find("\r\n"));
    if (!std::regex_match(primeira, m, contagem)) return;
    const size_t n = std::stoul(m[2]);
    if (m[1] == "150") {
        EXPECT_EQ(n, static_cast<size_t>(std::count(r.codigos.begin(), r.codigos.end(), 151))) << comando;
        const std::regex cabeca("151 \"[^\"]+\" minilexaria \"[^\"]+\"");
        for (const auto& linha : Divide(r.bruta, "\r\n"))
            if (linha.starts_with("151 ")) {
                EXPECT_TRUE(std::regex_match(linha, cabeca)) << linha;
            }
        return;
    }
    ASSERT_EQ(r.textos.size(), 1u) << comando;
    EXPECT_EQ(n, r.textos[0].size()) << comando;
    if (m[1] == "152") {
        const std::regex item("minilexaria \"[^\"]+\"");
        std::set<std::string> vistas;
        for (const auto& l : r.textos[0]) {
            EXPECT_TRUE(std::regex_match(l, item)) << comando << ": " << l;
            EXPECT_TRUE(vistas.insert(l).second) << comando << ": repetida " << l;
        }
    }
}

}  // namespace

TEST(ComandosDict, TableOfCommandsAndReplies) {
    const auto tabela = casos::Tabela("servidor/comandos.tsv");
    EXPECT_GT(tabela.size(), 60u);
    ClienteTeste cliente(ServidorComum().porta());
    ASSERT_TRUE(cliente.conectado());
    for (auto [n, campos] : tabela) {
        campos.resize(4);
        const std::string comando = campos[0] == "<vazia>" ? "" : campos[0];
        const auto r = cliente.Pede(comando);
        SCOPED_TRACE("comandos.tsv:" + std::to_string(n));
        EXPECT_TRUE(CodigosConferem(r.codigos, Divide(campos[1], " ")))
            << comando << " -> " << r.bruta.substr(0, 300);
        for (const auto& l : Divide(campos[2], " | ")) EXPECT_TRUE(Tem(r, l)) << comando << ": falta " << l;
        for (const auto& l : Divide(campos[3], " | ")) EXPECT_FALSE(Tem(r, l)) << comando << ": sobra " << l;
        ConfereForma(comando, r);
    }
    // After all of that, the same connection still answers and closes on QUIT.
    EXPECT_EQ(cliente.Pede("QUIT").final(), 221);
    EXPECT_TRUE(cliente.Fechada());
}

TEST(ComandosDict, BannerAndMime) {
    ClienteTeste cliente(ServidorComum().porta());
    // 220, the text, the capabilities and a msg-id in angle brackets.
    EXPECT_TRUE(std::regex_match(cliente.saudacao(), std::regex("220 .* <mime> <[^<>@ ]+@[^<> ]+>")))
        << cliente.saudacao();
    const auto semMime = cliente.Pede("DEFINE minilexaria casa");
    ASSERT_EQ(cliente.Pede("OPTION MIME").final(), 250);
    const auto comMime = cliente.Pede("DEFINE minilexaria casa");
    ASSERT_EQ(comMime.textos.size(), semMime.textos.size());
    ASSERT_FALSE(comMime.textos.empty());
    for (size_t i = 0; i < comMime.textos.size(); ++i) {
        // The MIME header, a blank line, then the same text as before.
        const auto& t = comMime.textos[i];
        const auto branca = std::find(t.begin(), t.end(), "");
        ASSERT_NE(branca, t.end());
        EXPECT_TRUE(std::any_of(t.begin(), branca, [](const std::string& l) {
            return l.rfind("Content-type: text/plain; charset=utf-8", 0) == 0;
        }));
        EXPECT_EQ(std::vector<std::string>(branca + 1, t.end()), semMime.textos[i]);
    }
    // Every text reply carries it once MIME is on.
    const auto db = cliente.Pede("SHOW DB");
    ASSERT_EQ(db.textos.size(), 1u);
    EXPECT_EQ(db.textos[0].at(0).rfind("Content-type:", 0), 0u);
}

namespace {
// Stops the shared server after the last test.
[[maybe_unused]] ::testing::Environment* const kAmbiente =
    ::testing::AddGlobalTestEnvironment(new AmbienteServidor);
}  // namespace
