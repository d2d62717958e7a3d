// A database damaged after the engine opened it, and files that are no
// database: every read error is an error, never an empty answer.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "CopiaDanificada.h"
#include "mini/ChaveVerbete.h"
#include "mini/DLLMiniLexariaDB.h"

namespace fs = std::filesystem;

namespace {

fs::path Temporario(const std::string& nome) {
    return fs::temp_directory_path() / ("mini-" + nome + "-" + std::to_string(getpid()));
}

}  // namespace

TEST(BancoDanificado, DamageAfterOpeningIsReportedNotTakenForNothing) {
    const CopiaDanificada copia("danificado.db");
    DLLMiniLexariaDB motor(copia.Caminho());
    ASSERT_TRUE(motor.AbreDados());
    EXPECT_EQ(motor.ObtemUltimoErro(), "");
    // The entry pages come first in the file; the indexes follow.
    copia.Danifica(100, SIZE_MAX);

    int erros = 0, lidos = 0;
    for (int32_t id = 0; id < 128000; id += 97) {
        std::string html;
        int32_t i = id;
        const std::string titulo =
            motor.ObtemVerbete(i, html, mini::ValorChaveVerbete(mini::PosicaoChave(id)));
        if (motor.ObtemUltimoErro().empty()) {
            EXPECT_FALSE(titulo.empty()) << id;
            EXPECT_FALSE(html.empty()) << id;
            ++lidos;
        } else {
            EXPECT_TRUE(html.empty()) << id;
            ++erros;
        }
    }
    EXPECT_GT(erros, 0);
    EXPECT_GT(lidos, 0);

    // Searches in the text meet the damaged index: empty and an error, or an answer.
    int buscasComErro = 0;
    for (std::string q : {"pedra", "água", "*mente", "casa +pedra", "des*ar", "efeito"}) {
        std::string lista;
        int32_t total = 0;
        motor.PesquisaReversa(q, lista, 0, 0, total);
        if (!motor.ObtemUltimoErro().empty()) {
            ++buscasComErro;
            EXPECT_EQ(total, 0) << q;
        }
    }
    EXPECT_GT(buscasComErro, 0);
}

TEST(BancoDanificado, OnlyRegularFilesAreOpened) {
    const fs::path fifo = Temporario("fifo.db");
    fs::remove(fifo);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    DLLMiniLexariaDB motor(fifo.string());
    EXPECT_FALSE(motor.AbreDados());  // at once: nobody writes to the FIFO
    EXPECT_NE(motor.ObtemUltimoErro().find("arquivo comum"), std::string::npos) << motor.ObtemUltimoErro();
    fs::remove(fifo);

    DLLMiniLexariaDB nada("/nao/existe.db");
    EXPECT_FALSE(nada.AbreDados());
    EXPECT_FALSE(nada.ObtemUltimoErro().empty());
}

TEST(BancoDanificado, VerificationReadsTheWholeFile) {
    DLLMiniLexariaDB inteiro(MINI_TEST_DB);
    ASSERT_TRUE(inteiro.AbreDados());
    EXPECT_EQ(inteiro.VerificaDados(), "");

    // One changed byte inside an entry's text: SQLite sees nothing wrong, the hash does.
    const CopiaDanificada copia("verifica.db");
    constexpr size_t kPagina = CopiaDanificada::kPagina;
    {
        std::fstream f(copia.Caminho(), std::ios::in | std::ios::out | std::ios::binary);
        std::string pagina(kPagina, '\0');
        f.seekg(static_cast<std::streamoff>(2000 * kPagina));
        f.read(pagina.data(), static_cast<std::streamsize>(pagina.size()));
        const size_t span = pagina.find("<span");
        ASSERT_NE(span, std::string::npos);
        f.seekp(static_cast<std::streamoff>(2000 * kPagina + span + 1));
        f.put('S');
    }
    DLLMiniLexariaDB mudado(copia.Caminho());
    ASSERT_TRUE(mudado.AbreDados());
    EXPECT_NE(mudado.VerificaDados().find("difere"), std::string::npos);

    copia.Danifica(100, 200);
    DLLMiniLexariaDB danificado(copia.Caminho());
    ASSERT_TRUE(danificado.AbreDados());
    EXPECT_FALSE(danificado.VerificaDados().empty());
    EXPECT_FALSE(DLLMiniLexariaDB("/nao/existe.db").VerificaDados().empty());
}
