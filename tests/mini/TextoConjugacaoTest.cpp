// Reading the engine's conjugation text back into forms, from a file of
// texts and the tables they must give.
#include "mini/TextoConjugacao.h"

#include <gtest/gtest.h>

#include <map>

#include "ArquivoCasos.h"

namespace {

// The record's text: its own, or an earlier record's with its rule or forms
// replaced, forms removed or text appended.
std::string Dados(const casos::Registro& r, const std::map<std::string, std::string>& anteriores) {
    if (!r.Tem("de")) return r.Campo("dados");
    const auto base = anteriores.find(r.Campo("de"));
    EXPECT_NE(base, anteriores.end()) << "linha " << r.linha << ": sem o caso " << r.Campo("de");
    if (base == anteriores.end()) return {};
    const std::size_t nbsp = base->second.find("\xC2\xA0");
    std::vector<std::string> formas = casos::Divide(base->second.substr(nbsp + 2), ';');
    std::vector<bool> apagar(formas.size(), false);
    const auto [inicio, fim] = r.campos.equal_range("troca");
    for (auto it = inicio; it != fim; ++it) {
        const auto partes = casos::Divide(it->second, '\t');
        const std::size_t k = std::stoul(partes.at(0)) - 1;
        if (partes.at(1) == "{apaga}")
            apagar.at(k) = true;
        else
            formas.at(k) = casos::Valor(partes.at(1));
    }
    std::string texto = (r.Tem("regra") ? r.Campo("regra") : base->second.substr(0, nbsp)) + "\xC2\xA0";
    bool primeira = true;
    for (std::size_t k = 0; k < formas.size(); ++k) {
        if (apagar[k]) continue;
        texto += (primeira ? "" : ";") + formas[k];
        primeira = false;
    }
    return texto + r.Campo("acrescenta");
}

// The forms read, written like the file's tables.
std::string Tabela(const mini::Conjugacao& c) {
    std::string t;
    for (int k = 0; k < mini::kTemposConjugacao; ++k) {
        if (k > 0) t += " |";
        for (const auto& f : c.tempos[static_cast<std::size_t>(k)])
            t += " " + (f.forma.empty() ? "-" : f.forma);
    }
    return t.substr(1);
}

}  // namespace

TEST(LeConjugacao, TabelaDeTextos) {
    const auto registros = casos::Registros("texto-conjugacao.txt");
    ASSERT_GE(registros.size(), 25u);
    std::map<std::string, std::string> textos;
    for (const auto& r : registros) {
        const std::string caso = r.Campo("caso");
        const std::string dados = Dados(r, textos);
        textos[caso] = dados;
        const mini::Conjugacao c = mini::LeConjugacao(r.Campo("verbo"), dados);
        const std::string espera = r.Campo("espera");
        if (espera == "vazia") {
            EXPECT_EQ(c.estado, mini::Conjugacao::Estado::Vazia) << caso << ": " << c.erro;
        } else if (espera == "invalida") {
            ASSERT_EQ(c.estado, mini::Conjugacao::Estado::Invalida) << caso;
            EXPECT_NE(c.erro.find(r.Campo("erro")), std::string::npos) << caso << ": " << c.erro;
        } else {
            ASSERT_EQ(c.estado, mini::Conjugacao::Estado::Lida) << caso << ": " << c.erro;
            EXPECT_EQ(Tabela(c), espera) << caso;
        }
    }
}

TEST(LeConjugacao, PessoaDeCadaForma) {
    std::string dados = "ar\xC2\xA0";
    for (int k = 0; k < mini::kFormasConjugacao; ++k) dados += k ? ";o" : "o";
    const mini::Conjugacao c = mini::LeConjugacao("amar", dados);
    ASSERT_EQ(c.estado, mini::Conjugacao::Estado::Lida) << c.erro;
    std::string pessoas;
    for (const auto& tempo : c.tempos) {
        for (const auto& f : tempo) pessoas += std::to_string(f.pessoa);
        pessoas += ' ';
    }
    // No "eu" in the imperative; the gerund's one slot is the last person's.
    EXPECT_EQ(pessoas,
              "012345 012345 012345 012345 012345 012345 012345 012345 012345 12345 012345 5 012345 ");
}

TEST(SemConjugacao, SoBrancosEEspacoRigido) {
    for (const char* nada : {"", " ", "\xC2\xA0", "  \xC2\xA0  "})
        EXPECT_TRUE(mini::SemConjugacao(nada)) << nada;
    for (const char* algo : {"ar", "\xC2\xA0\xC2\xA0", "ar\xC2\xA0o", " x "})
        EXPECT_FALSE(mini::SemConjugacao(algo)) << algo;
}
