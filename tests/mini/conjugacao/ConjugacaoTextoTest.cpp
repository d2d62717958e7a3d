// The compact text read back the way the entry page reads it, the 1913
// spellings, and words that are not verbs.
#include "TabelaEsperada.h"

#include "Conjugador.h"
#include "mini/TextoConjugacao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using mini::Conjugador;

namespace {

const std::string kEspacoDuro = "\xC2\xA0";

std::vector<std::string> Divide(const std::string& texto, const std::string& separador) {
    std::vector<std::string> partes;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t fim = texto.find(separador, inicio);
        partes.push_back(texto.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio));
        if (fim == std::string::npos) return partes;
        inicio = fim + separador.size();
    }
}

// The forms as the entry page and lexaria read the text back.
std::vector<std::string> LeComoAPagina(const std::string& verbo, const std::string& texto) {
    const mini::Conjugacao c = mini::LeConjugacao(verbo, texto);
    EXPECT_EQ(c.estado, mini::Conjugacao::Estado::Lida) << verbo << ": " << c.erro;
    std::vector<std::string> lidas;
    for (const auto& tempo : c.tempos)
        for (const auto& f : tempo) lidas.push_back(f.forma);
    return lidas;
}

const std::vector<std::string> kVerbos = {
    "amar", "vender", "partir", "cantar", "trabalhar", "estudar", "lavar", "comer", "beber", "correr", "viver",
    "aprender", "meter", "dever", "abater", "decidir", "unir", "assumir", "ficar", "chegar", "começar",
    "averiguar", "conhecer", "proteger", "erguer", "dirigir", "distinguir", "dançar", "abraçar", "alcançar",
    "tocar", "explicar", "ligar", "jogar", "enxaguar", "apaziguar", "merecer", "vencer", "torcer", "esquecer",
    "reger", "abranger", "soerguer", "fingir", "extinguir", "ressarcir", "passear", "odiar", "copiar",
    "atribuir", "construir", "sair", "moer", "produzir", "nomear", "recear", "ansiar", "remediar", "mediar",
    "incendiar", "anunciar", "voar", "abençoar", "continuar", "destruir", "possuir", "incluir", "concluir",
    "cair", "trair", "atrair", "distrair", "abstrair", "roer", "doer", "corroer", "conduzir", "traduzir",
    "reduzir", "introduzir", "luzir", "sentir", "seguir", "vestir", "ferir", "mentir", "preferir", "repetir",
    "despir", "aderir", "advertir", "divertir", "sugerir", "conseguir", "perseguir", "convergir", "inserir",
    "dormir", "cobrir", "tossir", "engolir", "descobrir", "encobrir", "subir", "fugir", "acudir", "sacudir",
    "cuspir", "sumir", "consumir", "bulir", "escapulir", "polir", "progredir", "sortir", "agredir",
    "transgredir", "prevenir", "saudar", "proibir", "reunir", "enraizar", "faiscar", "cuidar", "ser", "estar",
    "ter", "haver", "ir", "vir", "ver", "dar", "pôr", "fazer", "dizer", "trazer", "poder", "querer", "saber",
    "caber", "ler", "crer", "rir", "ouvir", "perder", "prover", "requerer", "frigir", "valer", "medir",
    "pedir", "jazer", "aprazer", "comprazer", "parir", "aceitar", "entregar", "expressar", "limpar", "matar",
    "salvar", "ganhar", "gastar", "pagar", "eleger", "prender", "acender", "morrer", "suspender", "imprimir",
    "tingir", "benzer", "abrir", "escrever", "descrever", "reabrir", "conter", "manter", "obter", "deter",
    "reter", "ater", "entreter", "suster", "abster", "convir", "intervir", "provir", "advir", "sobrevir",
    "compor", "dispor", "supor", "propor", "repor", "impor", "expor", "depor", "opor", "transpor", "prever",
    "rever", "antever", "desprover", "satisfazer", "desfazer", "refazer", "perfazer", "bendizer", "maldizer",
    "contradizer", "predizer", "reler", "descrer", "sorrir", "despedir", "impedir", "expedir", "equivaler",
    "malquerer", "bater", "prometer", "mover", "absolver", "colher", "servir", "circundar", "competir",
    "chover", "nevar", "trovejar", "gear", "abolir", "colorir", "demolir", "banir", "explodir", "falir",
    "reaver", "precaver", "florir", "remir", "têr", "vêr", "lêr", "crêr", "sêr", "effectuar", "analysar",
    "sahir", "prohibir", "rehaver", "attrahir", "commover", "interpôr", "colhêr", "Fazer", "Amar", "contra-indicar",
    "bem-querer", "circum-navegar", "auto-suggestionar", "recém-ferir", "arguir", "anãzar"};

}  // namespace

TEST(ConjugacaoTexto, LidoPelaRegraDoRadicalDaAsMesmasFormas) {
    EXPECT_GE(kVerbos.size(), 150u);
    for (const auto& verbo : kVerbos) {
        const std::string texto = Conjugador::TextoConjugacao(verbo);
        ASSERT_FALSE(texto.empty()) << verbo;
        const auto completas = Conjugador::FormasCompletas(verbo);
        ASSERT_EQ(completas.size(), 72u) << verbo;
        const auto lidas = LeComoAPagina(verbo, texto);
        ASSERT_EQ(lidas.size(), 72u) << verbo;
        for (std::size_t i = 0; i < 72; ++i)
            EXPECT_EQ(lidas[i], completas[i]) << verbo << ": " << teste::NomeDaPosicao(i);
    }
}

TEST(ConjugacaoTexto, FormaCurtaParaVerbosRegulares) {
    const auto amar = Divide(Conjugador::TextoConjugacao("amar"), kEspacoDuro);
    ASSERT_EQ(amar.size(), 2u);
    EXPECT_EQ(amar[0], "ar");
    EXPECT_EQ(amar[1].substr(0, 30), "o;as;a;amos;ais;am;ava;avas;av");
    EXPECT_EQ(Divide(amar[1], ";")[71], "");

    // One letter of the stem changes: the ending rule names it.
    const auto ficar = Divide(Conjugador::TextoConjugacao("ficar"), kEspacoDuro);
    ASSERT_EQ(ficar.size(), 2u);
    EXPECT_EQ(ficar[0], "c|ar");
    const auto formasFicar = Divide(ficar[1], ";");
    ASSERT_EQ(formasFicar.size(), 72u);
    EXPECT_EQ(formasFicar[0], "c|o");
    EXPECT_EQ(formasFicar[12], "qu|ei");
    EXPECT_EQ(formasFicar[36], "qu|e");

    const auto dormir = Divide(Conjugador::TextoConjugacao("dormir"), kEspacoDuro);
    ASSERT_EQ(dormir.size(), 2u);
    EXPECT_EQ(dormir[0], "o|ir");
    const auto formasDormir = Divide(dormir[1], ";");
    ASSERT_EQ(formasDormir.size(), 72u);
    EXPECT_EQ(formasDormir[0], "u|o");
    EXPECT_EQ(formasDormir[1], "o|es");

    // Irregular: the whole headword, then whole forms.
    const auto fazer = Divide(Conjugador::TextoConjugacao("fazer"), kEspacoDuro);
    ASSERT_EQ(fazer.size(), 2u);
    EXPECT_EQ(fazer[0], "fazer");
    EXPECT_EQ(Divide(fazer[1], ";")[0], "faço");
}

TEST(ConjugacaoTexto, GrafiaDe1913ConjugaComoOVerboDeHoje) {
    const std::pair<const char*, const char*> pares[] = {
        {"têr", "ter"}, {"vêr", "ver"}, {"lêr", "ler"}, {"crêr", "crer"}, {"sêr", "ser"},
        {"rehaver", "reaver"}, {"sahir", "sair"}, {"prohibir", "proibir"}, {"attrahir", "atrair"},
        {"commover", "comover"}, {"interpôr", "interpor"}, {"analysar", "analisar"}, {"colhêr", "colher"},
        {"Fazer", "fazer"}, {"abbreviar", "abreviar"}, {"asphyxiar", "asfixiar"}, {"exhaurir", "exaurir"},
        {"acquiescer", "aquiescer"}, {"rhythmar", "ritmar"}, {"chrystallizar", "cristalizar"}};
    for (const auto& [antigo, moderno] : pares)
        EXPECT_EQ(Conjugador::FormasCompletas(antigo), Conjugador::FormasCompletas(moderno)) << antigo;

    const auto ter = Divide(Conjugador::TextoConjugacao("têr"), kEspacoDuro);
    ASSERT_EQ(ter.size(), 2u);
    EXPECT_EQ(ter[0], "têr");
    EXPECT_EQ(Divide(ter[1], ";")[0], "tenho");
    EXPECT_EQ(Divide(ter[1], ";")[2], "tem");

    // A silent c stays: nothing in the old spelling says it is silent.
    const auto efetuar = Conjugador::FormasCompletas("effectuar");
    ASSERT_EQ(efetuar.size(), 72u);
    EXPECT_EQ(efetuar[0], "efectuo");
    EXPECT_EQ(efetuar[12], "efectuei");
    EXPECT_EQ(efetuar[66], "efectuado");
    EXPECT_EQ(Divide(Conjugador::TextoConjugacao("effectuar"), kEspacoDuro)[0], "effectuar");

    const auto por = Divide(Conjugador::TextoConjugacao("pôr"), kEspacoDuro);
    ASSERT_EQ(por.size(), 2u);
    EXPECT_EQ(por[0], "pôr");
}

TEST(ConjugacaoTexto, VerboDepoisDoHifen) {
    // The first word stays, the verb after the hyphen is conjugated.
    const auto indicar = Conjugador::FormasCompletas("contra-indicar");
    ASSERT_EQ(indicar.size(), 72u);
    EXPECT_EQ(indicar[0], "contra-indico");
    EXPECT_EQ(indicar[12], "contra-indiquei");
    EXPECT_EQ(indicar[66], "contra-indicado");
    EXPECT_EQ(indicar[67], "");
    const auto querer = Conjugador::FormasCompletas("bem-querer");
    ASSERT_EQ(querer.size(), 72u);
    EXPECT_EQ(querer[2], "bem-quer");
    EXPECT_EQ(querer[12], "bem-quis");
    const auto sugestionar = Conjugador::FormasCompletas("auto-suggestionar");
    ASSERT_EQ(sugestionar.size(), 72u);
    EXPECT_EQ(sugestionar[0], "auto-sugestiono");
    const auto ferir = Conjugador::FormasCompletas("recém-ferir");
    ASSERT_EQ(ferir.size(), 72u);
    EXPECT_EQ(ferir[0], "recém-firo");

    // A pronoun after the hyphen: nothing, so that the page asks for the verb.
    for (const char* pronominal : {"lavar-se", "abelhuar-se", "pôr-se", "dar-lhe", "vê-lo", "-ar", "ar-", "a-b-ar"}) {
        EXPECT_EQ(Conjugador::TextoConjugacao(pronominal), "") << pronominal;
        EXPECT_TRUE(Conjugador::FormasCompletas(pronominal).empty()) << pronominal;
    }
    EXPECT_FALSE(Conjugador::TextoConjugacao("lavar").empty());
}

TEST(ConjugacaoTexto, PalavrasQueNaoSaoVerbosDaoVazio) {
    const std::string longa(10000, 'a');
    const std::vector<std::string> palavras = {
        "lavar-se", "casa", "", "ar", "xyz", "caer", "compoer", "amar ", " amar", "ter\xC2\xA0" "2", "fĩir",
        "\xff\xfe", "ama\xc3", "\xc0\xafmar", "am\xed\xa0\x80r", longa, longa + "ar", "12ar", "a'ar", "amar;"};
    for (const auto& p : palavras) {
        EXPECT_EQ(Conjugador::TextoConjugacao(p), "") << p.substr(0, 20);
        EXPECT_TRUE(Conjugador::Formas(p).empty()) << p.substr(0, 20);
        EXPECT_TRUE(Conjugador::FormasCompletas(p).empty()) << p.substr(0, 20);
    }
}

TEST(ConjugacaoTexto, FormasDistintasParaOIndiceInverso) {
    for (const char* verbo : {"fazer", "pôr", "ter", "chover", "aceitar", "abolir"}) {
        const auto formas = Conjugador::Formas(verbo);
        const std::set<std::string> unicas(formas.begin(), formas.end());
        EXPECT_EQ(unicas.size(), formas.size()) << verbo;
        EXPECT_EQ(unicas.count("/"), 0u) << verbo;
        EXPECT_EQ(unicas.count(""), 0u) << verbo;
        const auto completas = Conjugador::FormasCompletas(verbo);
        for (const auto& f : completas) {
            if (!f.empty() && f != "/") {
                EXPECT_EQ(unicas.count(f), 1u) << verbo << ": " << f;
            }
        }
    }
    const auto fazer = Conjugador::Formas("fazer");
    for (const char* f : {"fiz", "feito", "faço", "fez", "farei"})
        EXPECT_NE(std::find(fazer.begin(), fazer.end(), f), fazer.end()) << f;
    const auto por = Conjugador::Formas("pôr");
    EXPECT_NE(std::find(por.begin(), por.end(), "pus"), por.end());
    const auto ter = Conjugador::Formas("têr");
    EXPECT_NE(std::find(ter.begin(), ter.end(), "tenho"), ter.end());
    const auto aceitar = Conjugador::Formas("aceitar");
    EXPECT_NE(std::find(aceitar.begin(), aceitar.end(), "aceito"), aceitar.end());
    EXPECT_NE(std::find(aceitar.begin(), aceitar.end(), "aceitado"), aceitar.end());
}
