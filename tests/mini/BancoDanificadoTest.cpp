// A database damaged after the engine opened it, and files that are no
// database: every read error is an error, never an empty answer.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "mini/ChaveVerbete.h"
#include "mini/DLLMiniLexariaDB.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kPagina = 4096;

fs::path Temporario(const std::string& nome) {
    return fs::temp_directory_path() / ("mini-" + nome + "-" + std::to_string(getpid()));
}

// 40 bytes of 0xFF over the start of every seventh page of a region.
void Danifica(const fs::path& arquivo, size_t primeira, size_t ultima) {
    std::fstream f(arquivo, std::ios::in | std::ios::out | std::ios::binary);
    const std::string lixo(40, '\xFF');
    for (size_t p = primeira; p <= ultima; p += 7) {
        f.seekp(static_cast<std::streamoff>(p * kPagina));
        f.write(lixo.data(), static_cast<std::streamsize>(lixo.size()));
    }
}

}  // namespace

TEST(BancoDanificado, DamageAfterOpeningIsReportedNotTakenForNothing) {
    const fs::path copia = Temporario("danificado.db");
    fs::copy_file(MINI_TEST_DB, copia, fs::copy_options::overwrite_existing);
    DLLMiniLexariaDB motor(copia.string());
    ASSERT_TRUE(motor.AbreDados());
    EXPECT_EQ(motor.ObtemUltimoErro(), "");
    // The entry pages come first in the file; the indexes follow.
    Danifica(copia, 100, static_cast<size_t>(fs::file_size(copia) / kPagina) - 2);

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
    fs::remove(copia);
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
    const fs::path copia = Temporario("verifica.db");
    fs::copy_file(MINI_TEST_DB, copia, fs::copy_options::overwrite_existing);
    {
        std::fstream f(copia, std::ios::in | std::ios::out | std::ios::binary);
        std::string pagina(kPagina, '\0');
        f.seekg(static_cast<std::streamoff>(2000 * kPagina));
        f.read(pagina.data(), static_cast<std::streamsize>(pagina.size()));
        const size_t span = pagina.find("<span");
        ASSERT_NE(span, std::string::npos);
        f.seekp(static_cast<std::streamoff>(2000 * kPagina + span + 1));
        f.put('S');
    }
    DLLMiniLexariaDB mudado(copia.string());
    ASSERT_TRUE(mudado.AbreDados());
    EXPECT_NE(mudado.VerificaDados().find("difere"), std::string::npos);

    Danifica(copia, 100, 200);
    DLLMiniLexariaDB danificado(copia.string());
    ASSERT_TRUE(danificado.AbreDados());
    EXPECT_FALSE(danificado.VerificaDados().empty());
    fs::remove(copia);
    EXPECT_FALSE(DLLMiniLexariaDB("/nao/existe.db").VerificaDados().empty());
}
