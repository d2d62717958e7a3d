// Hostile input: every operation that takes text gets empty, huge, broken
// UTF-8, quotes, SQL wildcards and FTS syntax; databases that are missing,
// cut off or of another program; ids out of range. Nothing may throw, and
// every answer must keep the engine's own format.
#include <sqlite3.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>

#include "MotorTeste.h"
#include "mini/Normaliza.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kVerbetes = 128524;

const std::vector<std::string>& EntradasRuins() {
    // clang-format off
    static const std::vector<std::string> entradas = {
        "", " ", "\t\n", std::string(100000, 'a'), std::string(100000, '*'),
        "a*" + std::string(50000, '?'), std::string("ca\0sa", 5), "\xC3", "\xFF\xFE\xFD",
        "\xED\xA0\x80", "\xC0\xAF", "a\xE7\xE3o", "\"", "'", "\"casa\"", "casa\"", "%", "_", "\\",
        "%a%", "c_sa", "\\%", "\\\\", "NEAR", "casa NEAR agua", "NEAR(casa agua, 2)", "(", ")", "-",
        "-casa", "casa OR agua", "casa AND", "NOT casa", "^casa", "col:casa", "{casa}", "*", "?",
        "**??**", "* + *", "+", "++ +", "'; DROP TABLE verbete; --", "a\u00A02", "\u00A0"};
    // clang-format on
    return entradas;
}

// A "word|id|" list of at most `limite` pairs whose words are the headwords of their ids.
void ConfereLista(DLLMiniLexariaDB& m, const std::string& lista, size_t limite, const std::string& entrada) {
    const auto pares = LePares(lista);
    EXPECT_LE(pares.size(), limite) << entrada.substr(0, 40);
    std::string soma;
    for (auto p : pares) {
        std::string html;
        EXPECT_EQ(m.ObtemVerbete(p.id, html, 0), p.palavra) << entrada.substr(0, 40);
        soma += p.palavra + "|" + std::to_string(p.id) + "|";
    }
    EXPECT_EQ(soma, lista) << entrada.substr(0, 40);
}

// Every text operation on one input; `vazio` when the input has no letters
// and must find nothing.
void TodasAsOperacoes(DLLMiniLexariaDB& m, const std::string& entrada, bool vazio) {
    std::string lista, texto = entrada, formas;
    const auto rotulo = entrada.substr(0, 40);
    m.LimiteResultados(300);

    const int32_t id = m.LocalizaPalavra(entrada);
    EXPECT_LT(id, kVerbetes) << rotulo;
    EXPECT_TRUE(!vazio || id < 0) << rotulo;

    const int32_t palavra = m.PesquisaPalavra(entrada, 0, lista);
    EXPECT_GE(palavra, 0) << rotulo;
    ConfereLista(m, lista, 300, entrada);
    EXPECT_TRUE(!vazio || palavra == 0) << rotulo;

    for (int32_t lugar : {0, 1}) {
        const int32_t n = m.PesquisaMascara(entrada, lista, lugar);
        EXPECT_TRUE(n >= 0 && n <= kVerbetes) << rotulo;
        ConfereLista(m, lista, 300, entrada);
        EXPECT_TRUE(!vazio || n == 0) << rotulo;
    }

    int32_t total = -1;
    m.PesquisaReversa(texto, lista, 0, 0, total);
    EXPECT_TRUE(total >= 0 && total <= kVerbetes) << rotulo;
    EXPECT_EQ(m.ObtemTotalResultados(), total) << rotulo;
    ConfereLista(m, lista, 300, entrada);
    EXPECT_TRUE(!vazio || total == 0) << rotulo;

    texto = entrada;
    const std::string abrev = m.ObtemAbreviatura(texto);
    EXPECT_TRUE(abrev.empty() || abrev.back() == '|') << rotulo;
    EXPECT_TRUE(!vazio || abrev.empty()) << rotulo;

    texto = entrada;
    EXPECT_NO_THROW(m.ObtemConjugacao(texto)) << rotulo;
    EXPECT_NO_THROW(m.ObtemFlexoes(entrada, formas)) << rotulo;
}

struct PastaTemporaria {
    PastaTemporaria() : caminho(fs::temp_directory_path() / ("mini-teste-" + std::to_string(::getpid()))) {
        fs::create_directories(caminho);
    }
    ~PastaTemporaria() { fs::remove_all(caminho); }
    fs::path caminho;
};

void ExecutaSql(const fs::path& banco, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(banco.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

}  // namespace

using EntradaInvalida = MotorReal;

TEST_F(EntradaInvalida, EveryTextOperationTakesAnyText) {
    for (const auto& e : EntradasRuins()) {
        // Inputs without a single letter or digit find nothing.
        bool semLetra = true;
        for (unsigned char c : e) semLetra = semLetra && !std::isalnum(c) && c < 0x80;
        const bool soCuringas = e.find_first_not_of("*?+ ") == std::string::npos && !e.empty() &&
                                e.find_first_of("*?") != std::string::npos;
        EXPECT_NO_THROW(TodasAsOperacoes(M(), e, semLetra && !soCuringas)) << e.substr(0, 40);
    }
}

TEST_F(EntradaInvalida, WildcardsAloneMeanEverythingOrOneLetter) {
    std::string lista, consulta;
    EXPECT_EQ(M().PesquisaMascara("*", lista, 0), kVerbetes);
    EXPECT_EQ(M().PesquisaMascara("***", lista, 0), kVerbetes);
    // "?": the one-letter headwords ("a" 1 to 4, "á", "b" ...), in their own
    // spelling or in today's ("ph." is "f").
    EXPECT_GE(M().PesquisaMascara("?", lista, 0), 26);
    for (const auto& p : TodosResultados()) {
        const std::string k = mini::ChaveDobrada(p.palavra.substr(0, p.palavra.find("\u00A0")));
        EXPECT_TRUE(mini::DecodificaUtf8(k).size() == 1 || mini::ChaveOrtografica(k).size() == 1)
            << p.palavra;
    }
    for (const char* c : {"*", "**", "* + *"}) {
        int32_t total = 0;
        consulta = c;
        M().PesquisaReversa(consulta, lista, 0, 0, total);
        EXPECT_EQ(total, kVerbetes) << c;
    }
}

TEST_F(EntradaInvalida, IdsAndCursorsOutOfRangeGiveEmptyAnswers) {
    for (int32_t id : {-1, kVerbetes, INT32_MAX, INT32_MIN}) {
        std::string texto = "antes";
        int32_t i = id;
        EXPECT_EQ(M().ObtemVerbete(i, texto, 0), "") << id;
        EXPECT_EQ(texto, "") << id;
        i = id;
        EXPECT_EQ(M().ObtemVerbete(i, texto, mini::ValorChaveVerbete(mini::PosicaoChave(id))), "") << id;
        EXPECT_FALSE(M().EhVerbo(i)) << id;
    }
    std::string lista, consulta = "pedra";
    int32_t total = 0;
    M().PesquisaReversa(consulta, lista, 0, 0, total);
    M().PesquisaMascara("b*", lista, 1);
    for (int16_t origem : {0, 1}) {
        int32_t cursor = INT32_MAX;
        EXPECT_EQ(M().ObtemResultados(origem, cursor, lista), -1);
        EXPECT_EQ(lista, "");
    }
    // Odd filter operations and codes change nothing and break nothing.
    M().DefineFiltro(7, 9);
    M().DefineFiltro(-1, -1);
    M().DefineFiltro(1, 0);
    EXPECT_EQ(M().ObtemTotalResultados(), total);
    M().DefineFiltro(0, 0);
    M().DefineFiltro(3, -32768);
    M().DefineFiltro(2, 32767);
    M().DefineFiltro(1, 0);
    EXPECT_EQ(M().ObtemTotalResultados(), 0);
    // A chunk size of zero or less still gives chunks.
    for (int16_t limite : {0, -5}) {
        M().LimiteResultados(limite);
        M().PesquisaReversa(consulta, lista, 0, 0, total);
        EXPECT_FALSE(lista.empty());
    }
    M().LimiteResultados(300);
}

TEST(BancoInvalido, MissingCutOrForeignDatabaseIsRefused) {
    PastaTemporaria pasta;
    const fs::path vazio = pasta.caminho / "vazio.db", cortado = pasta.caminho / "cortado.db",
                   alheio = pasta.caminho / "alheio.db", outraVersao = pasta.caminho / "versao.db",
                   lixo = pasta.caminho / "lixo.db";
    std::ofstream(vazio).flush();
    {
        std::ifstream in(MINI_TEST_DB, std::ios::binary);
        std::string metade(static_cast<size_t>(fs::file_size(MINI_TEST_DB) / 2), '\0');
        in.read(metade.data(), static_cast<std::streamsize>(metade.size()));
        std::ofstream(cortado, std::ios::binary) << metade;
    }
    ExecutaSql(alheio, "CREATE TABLE contatos(nome TEXT); INSERT INTO contatos VALUES('x');");
    fs::copy_file(MINI_TEST_DB, outraVersao);
    ExecutaSql(outraVersao, "UPDATE info SET valor = 'outro-formato' WHERE chave = 'formato';");
    {
        // A header that claims two pages, followed by noise.
        std::string bytes(8192, '\x5A');
        const std::string cabecalho("SQLite format 3\0\x10\x00", 18);
        bytes.replace(0, cabecalho.size(), cabecalho);
        bytes[28] = 0, bytes[29] = 0, bytes[30] = 0, bytes[31] = 2;
        std::ofstream(lixo, std::ios::binary) << bytes;
    }
    for (const fs::path& p :
         {pasta.caminho / "nao-existe.db", pasta.caminho, vazio, cortado, alheio, outraVersao, lixo}) {
        DLLMiniLexariaDB m(p.string());
        EXPECT_FALSE(m.AbreDados()) << p;
        // A closed engine answers every call with "nothing".
        EXPECT_EQ(m.ObtemInformacoes(), "");
        EXPECT_LT(m.LocalizaPalavra("casa"), 0);
        TodasAsOperacoes(m, "casa", true);
        int32_t id = 0, cursor = 0;
        std::string lista;
        EXPECT_EQ(m.ObtemVerbete(id, lista, 0), "");
        EXPECT_EQ(m.ObtemResultados(0, cursor, lista), -1);
        EXPECT_EQ(m.ObtemResultados(1, cursor, lista), -1);
        m.DefineFiltro(3, 9);
        m.DefineFiltro(1, 0);
        EXPECT_EQ(m.ObtemTotalResultados(), 0);
    }
    // The copy with the right format opens, twice in a row.
    fs::remove(outraVersao);
    fs::copy_file(MINI_TEST_DB, outraVersao);
    DLLMiniLexariaDB m(outraVersao.string());
    EXPECT_TRUE(m.AbreDados());
    EXPECT_TRUE(m.AbreDados());
    EXPECT_GE(m.LocalizaPalavra("casa"), 0);
}
