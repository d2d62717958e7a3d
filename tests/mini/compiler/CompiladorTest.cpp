// The data compiler: class labels, XML reading, entry rendering and the text
// index on small inputs, then a whole compile, which must give the very
// bytes of the database the build wrote.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "../ArquivoCasos.h"
#include "../VerificaHtml.h"
#include "ClassesGramaticais.h"
#include "CompiladorDicionario.h"
#include "GeradorHtml.h"
#include "GravadorBanco.h"
#include "HashConteudo.h"
#include "IndiceTexto.h"
#include "LeitorDicionario.h"

using namespace mini::compilador;
namespace fs = std::filesystem;

namespace {

std::string LeArquivo(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

FonteVerbete Verbete(const std::string& classe, std::vector<Rotulo> rotulos = {},
                     std::vector<std::string> etimologias = {}) {
    FonteVerbete v;
    v.orth = "Teste";
    v.sentidos.push_back({classe, std::move(rotulos), {"Definição."}, false});
    for (auto& e : etimologias) v.etimologias.push_back({e, ""});
    return v;
}

}  // namespace

TEST(ClassesGramaticais, LabelsNameTheirClasses) {
    const std::map<std::string, int> classes = {
        {"substantivo", kSubstantivo}, {"adjetivo", kAdjetivo},   {"verbo", kVerbo},
        {"advérbio", kAdverbio},       {"pronome", kPronome},     {"interjeição", kInterjeicao},
        {"elemento", kElemento},       {"conjunção", kConjuncao}, {"preposição", kPreposicao},
        {"artigo", kArtigo},           {"numeral", kNumeral}};
    const auto tabela = casos::Tabela("compilador/classes.tsv");
    ASSERT_GE(tabela.size(), 15u);
    for (const auto& [linha, c] : tabela) {
        uint16_t bits = 0;
        if (c.size() > 1)
            for (const auto& nome : casos::Divide(c[1], ' ')) {
                ASSERT_EQ(classes.count(nome), 1u) << "classes.tsv:" << linha << " " << nome;
                bits |= Bit(classes.at(nome));
            }
        EXPECT_EQ(ClassesGramaticais::DoRotulo(c[0]), bits) << "classes.tsv:" << linha << " " << c[0];
    }
    EXPECT_EQ(ClassesGramaticais::Partes("m. ,  f.  e  adj."),
              (std::vector<std::string>{"m.", "f.", "adj."}));
}

TEST(ClassesGramaticais, SlangForeignAndNumeralsComeFromLabelsEtymologyAndDefinition) {
    EXPECT_TRUE(ClassesGramaticais::DoVerbete(Verbete("v. t.", {{"style", "Gír."}})) & Bit(kGiria));
    EXPECT_FALSE(ClassesGramaticais::DoVerbete(Verbete("v. t.", {{"style", "Prov."}})) & Bit(kGiria));
    EXPECT_TRUE(ClassesGramaticais::DoVerbete(Verbete("m.", {}, {"(T. fr.)"})) & Bit(kEstrangeira));
    EXPECT_TRUE(ClassesGramaticais::DoVerbete(Verbete("adv.", {}, {"(T. it.)"})) & Bit(kEstrangeira));
    EXPECT_FALSE(ClassesGramaticais::DoVerbete(Verbete("m.", {}, {"(Do fr. _garage_)"})) & Bit(kEstrangeira));
    FonteVerbete chaveta = Verbete("m.");
    chaveta.estrangeiro = true;
    EXPECT_TRUE(ClassesGramaticais::DoVerbete(chaveta) & Bit(kEstrangeira));
    FonteVerbete tres = Verbete("adj.");
    tres.sentidos[0].linhas = {"Diz-se do número que se segue a dois."};
    EXPECT_EQ(ClassesGramaticais::DoVerbete(tres), Bit(kAdjetivo) | Bit(kNumeral));
}

TEST(LeitorDicionario, ReadsEntriesSensesLabelsTermsAndEtymology) {
    const std::string xml =
        "<dic><entry id=\"manga:2\" n=\"2\" type=\"hom\"><form><orth>Manga</orth><phon>man-ga</phon></form>\n"
        "<sense ast=\"1\"><gramGrp>f.   e\n adj.</gramGrp><usg type=\"style\">Gír.</usg><def>\n"
        "Primeira   linha, como <term>casa</term>.\n\n  Segunda _linha_.\n</def></sense>\n"
        "<etym ori=\"lat\">(Do lat. _manica_)</etym></entry>\n"
        "<entry><form><orth> </orth></form></entry></dic>";
    std::vector<FonteVerbete> v;
    std::string erro;
    ASSERT_TRUE(LeitorDicionario::Analisa(xml, "M.xml.bz2", v, erro)) << erro;
    ASSERT_EQ(v.size(), 1u);  // an entry without a headword is left out
    EXPECT_EQ(v[0].orth, "Manga");
    EXPECT_EQ(v[0].pronuncia, "man-ga");
    EXPECT_EQ(v[0].homonimo, 2);
    ASSERT_EQ(v[0].sentidos.size(), 1u);
    const Sentido& s = v[0].sentidos[0];
    EXPECT_EQ(s.classe, "f. e adj.");
    EXPECT_TRUE(s.acrescimo);
    ASSERT_EQ(s.rotulos.size(), 1u);
    EXPECT_EQ(s.rotulos[0].tipo, "style");
    EXPECT_EQ(s.rotulos[0].texto, "Gír.");
    EXPECT_EQ(s.linhas, (std::vector<std::string>{
                            std::string("Primeira linha, como ") + kInicioTermo + "casa" + kFimTermo + ".",
                            "Segunda _linha_."}));
    ASSERT_EQ(v[0].etimologias.size(), 1u);
    EXPECT_EQ(v[0].etimologias[0].texto, "(Do lat. _manica_)");
    EXPECT_EQ(v[0].etimologias[0].origem, "lat");

    EXPECT_FALSE(LeitorDicionario::Analisa("<dic><entry>", "X.xml.bz2", v, erro));
    EXPECT_NE(erro.find("X.xml.bz2"), std::string::npos);
}

TEST(GeradorHtml, LinksLabelsAndCrossReferencesAndNumbersSenses) {
    mini::Abreviaturas abrev;
    abrev.Define({{"m.", "Masculino"}, {"adj.", "Adjetivo"}, {"lat.", "Latim"}, {"Prov.", "Provincianismo"}});
    GeradorHtml g(abrev, [](std::string_view p) { return p == "casa"; });
    EXPECT_EQ(g.Rotulo("m. e adj.", true),
              "<a href=\"goto://m.\" title=\"Masculino\">m.</a> e <a href=\"goto://adj.\" "
              "title=\"Adjetivo\">adj.</a>");
    EXPECT_EQ(g.Rotulo("Prov", false), "<a href=\"goto://Prov.\" title=\"Provincianismo\">Prov.</a>");
    EXPECT_EQ(g.Rotulo("Bot.", false), "Bot.");  // unknown: plain text
    EXPECT_EQ(g.Texto("ver _casa_ e _rua_ <x>", false),
              "ver <i><a href=\"goto://casa\">casa</a></i> e <i>rua</i> &lt;x&gt;");
    EXPECT_EQ(
        g.Texto("(Do lat. _casa_)", true),
        "(Do <a href=\"goto://lat.\" title=\"Latim\">lat.</a> <i><a href=\"goto://casa\">casa</a></i>)");

    std::string_view loc, resto;
    EXPECT_TRUE(GeradorHtml::SeparaLocucao("_Pedra angular_, base.", loc, resto));
    EXPECT_EQ(loc, "Pedra angular");
    EXPECT_EQ(resto, ", base.");
    EXPECT_FALSE(GeradorHtml::SeparaLocucao("_casa_ nova", loc, resto));

    // One sense is not numbered; two are.
    FonteVerbete v = Verbete("m.");
    v.homonimo = 3;
    const std::string um = g.Gera(v);
    EXPECT_TRUE(um.starts_with("<span id=\"D_TIT\">Teste<span id=\"D_SUP_TIT\"><sup>3</sup></span></span>"))
        << um;
    EXPECT_EQ(um.find("D_N_NUM"), std::string::npos);
    v.sentidos[0].linhas.push_back("Outra.");
    const std::string dois = g.Gera(v);
    EXPECT_NE(dois.find("<span id=\"D_N_NUM\">2.</span> <span id=\"D_DEF\">Outra.</span>"),
              std::string::npos);
}

namespace {

// "\\n" in the expected texts stands for the line break of the page.
std::string ComQuebras(std::string s) {
    for (size_t p; (p = s.find("\\n")) != std::string::npos;) s.replace(p, 2, "\n");
    return s;
}

}  // namespace

TEST(GeradorHtml, SourcePiecesGiveTheirPages) {
    std::vector<std::pair<std::string, std::string>> tabela;
    std::string erro;
    ASSERT_TRUE(mini::Abreviaturas::LeArquivo(MINI_TEST_ABREVIATURAS, tabela, erro)) << erro;
    mini::Abreviaturas abrev;
    abrev.Define(tabela);
    const auto registros = casos::Registros("gerador-html.txt");
    EXPECT_GE(registros.size(), 25u);
    for (const auto& r : registros) {
        SCOPED_TRACE("gerador-html.txt:" + std::to_string(r.linha) + " " + r.Campo("caso"));
        std::string xml = "<dic>";
        for (auto [a, b] = r.campos.equal_range("xml"); a != b; ++a) xml += a->second + "\n";
        xml += "</dic>";
        std::set<std::string, std::less<>> verbetes;
        std::istringstream palavras(r.Campo("verbetes"));
        for (std::string p; palavras >> p;) verbetes.insert(p);
        GeradorHtml g(abrev, [&](std::string_view p) { return verbetes.count(p) > 0; });

        std::vector<FonteVerbete> v;
        ASSERT_TRUE(LeitorDicionario::Analisa(xml, "T.xml.bz2", v, erro)) << erro;
        ASSERT_EQ(v.size(), 1u);
        const std::string html = g.Gera(v[0]);
        EXPECT_EQ(verifica::Problema(html), "") << html;
        for (auto [a, b] = r.campos.equal_range("contem"); a != b; ++a)
            EXPECT_NE(html.find(ComQuebras(a->second)), std::string::npos) << a->second << "\n" << html;
        for (auto [a, b] = r.campos.equal_range("ausente"); a != b; ++a)
            EXPECT_EQ(html.find(ComQuebras(a->second)), std::string::npos) << a->second << "\n" << html;
    }
}

// The checker that walks the whole dictionary must see each kind of fault.
TEST(VerificaHtml, FindsEachKindOfFault) {
    const auto linhas = casos::Tabela("html-defeituoso.tsv");
    EXPECT_GE(linhas.size(), 12u);
    for (const auto& [n, campos] : linhas) {
        ASSERT_EQ(campos.size(), 2u) << "html-defeituoso.tsv:" << n;
        const std::string problema = verifica::Problema(ComQuebras(campos[1]));
        if (campos[0] == "bom")
            EXPECT_EQ(problema, "") << "html-defeituoso.tsv:" << n;
        else
            EXPECT_TRUE(problema.starts_with(campos[0])) << "html-defeituoso.tsv:" << n << ": " << problema;
    }
}

TEST(IndiceTexto, HyphenatedWordsGiveTheWholeAndTheParts) {
    EXPECT_EQ(
        IndiceTexto::Palavras("Guarda-chuva, d'água; 1913 -x"),
        (std::vector<std::string>{"Guarda-chuva", "Guarda", "chuva", "d'água", "d", "água", "1913", "x"}));
    // A word is filed under its own spelling: accents and case aside, 1913's
    // "pharmácia" is not today's "farmácia" (the index adds that key itself).
    EXPECT_EQ(IndiceTexto::Chave("Pharmácia"), IndiceTexto::Chave("pharmacia"));
    EXPECT_NE(IndiceTexto::Chave("Pharmácia"), IndiceTexto::Chave("farmacia"));
}

TEST(CompiladorDicionario, SameInputGivesTheSameBytes) {
    // With the build's caches: the build wrote them, this compile reads them.
    const fs::path saida = fs::temp_directory_path() / ("mini-compila-" + std::to_string(getpid()) + ".db");
    std::string erro;
    std::vector<std::string> mensagens;
    ASSERT_TRUE(CompiladorDicionario::Compila(
        {MINI_TEST_DATA_DIR, MINI_TEST_ABREVIATURAS, saida.string(), MINI_TEST_HUNSPELL_BR,
         MINI_TEST_HUNSPELL_PT, MINI_TEST_PALAVRAS_ATUAIS, MINI_TEST_CACHE_GRAFIA, MINI_TEST_CACHE_XML},
        erro, [&](const std::string& m) { mensagens.push_back(m); }))
        << erro;
    EXPECT_GT(mensagens.size(), 26u);  // progress: every file read, then each stage
    const bool iguais = LeArquivo(saida) == LeArquivo(MINI_TEST_DB);
    fs::remove(saida);
    EXPECT_TRUE(iguais) << "a new compile differs from " << MINI_TEST_DB;

    // A missing data folder fails with a message and writes nothing.
    EXPECT_FALSE(CompiladorDicionario::Compila(
        {"/nao/existe", MINI_TEST_ABREVIATURAS, saida.string(), "", "", "", "", ""}, erro, {}));
    EXPECT_FALSE(erro.empty());
    EXPECT_FALSE(fs::exists(saida));
}

TEST(GravadorBanco, RecordedHashIsTheHashOfWhatWasWritten) {
    // The hash is built as rows go in; rows out of its order, a replaced
    // abbreviation or a key out of place must still leave the hash that
    // reading the file back gives.
    struct Caso {
        const char* nome;
        std::vector<const char*> vocabulario;
        bool verbeteDepois;  // an entry written after the tables
    };
    const std::vector<Caso> casos = {
        {"in order", {"abc", "abd", "b"}, false},
        {"vocabulary out of order", {"b", "abc"}, false},
        {"entry after the tables", {"abc"}, true},
    };
    const fs::path saida = fs::temp_directory_path() / ("mini-gravador-" + std::to_string(getpid()) + ".db");
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        std::string erro;
        {
            GravadorBanco banco;
            ASSERT_TRUE(banco.Abre(saida.string(), erro)) << erro;
            ASSERT_TRUE(banco.Verbete(0, "casa", "casa", "<b>casa</b>"));
            ASSERT_TRUE(banco.Verbete(1, "pharmácia", "pharmacia", ""));
            ASSERT_TRUE(banco.Tabela("zeta", std::string("\0\1", 2)));
            ASSERT_TRUE(banco.Tabela("alfa", "dados"));
            if (c.verbeteDepois) {
                ASSERT_TRUE(banco.Verbete(2, "tarde", "tarde", "x"));
            }
            ASSERT_TRUE(banco.Abreviatura("v.", "veja"));
            ASSERT_TRUE(banco.Abreviatura("lat.", "latim"));
            ASSERT_TRUE(banco.Abreviatura("v.", "vide"));
            for (const char* k : c.vocabulario) {
                ASSERT_TRUE(banco.Vocabulario(k, k, {1, 2}));
            }
            ASSERT_TRUE(banco.Flexao("casas", {0}));
            ASSERT_TRUE(banco.Conclui(erro)) << erro;
        }
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(saida.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        std::string lido, erroHash, gravado;
        EXPECT_TRUE(mini::HashConteudo(db, lido, erroHash)) << erroHash;
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT valor FROM info WHERE chave = 'conteudo'", -1, &st, nullptr);
        if (sqlite3_step(st) == SQLITE_ROW)
            gravado = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        sqlite3_finalize(st);
        sqlite3_close(db);
        EXPECT_EQ(gravado, lido);
    }
    fs::remove(saida);
}
