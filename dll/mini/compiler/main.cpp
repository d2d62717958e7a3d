// The data compiler: reads the dictionary's XML files and writes the
// engine's database. Run by the build whenever the data or this program
// changes.
#include <malloc.h>

#include <cstdio>
#include <string>

#include "CompiladorDicionario.h"

int main(int argc, char** argv) {
    // A compile allocates and frees some hundred megabytes over and over:
    // freed memory is kept for the next use instead of going back to the
    // system and faulting in again.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_TOP_PAD, 64 << 20);
    mini::compilador::OpcoesCompilacao opcoes;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--dados")
            opcoes.pastaDados = argv[i + 1];
        else if (a == "--abreviaturas")
            opcoes.arquivoAbreviaturas = argv[i + 1];
        else if (a == "--saida")
            opcoes.saida = argv[i + 1];
        else if (a == "--hunspell-br")
            opcoes.hunspellBrasil = argv[i + 1];
        else if (a == "--hunspell-pt")
            opcoes.hunspellPortugal = argv[i + 1];
        else if (a == "--palavras-atuais")
            opcoes.palavrasAtuais = argv[i + 1];
        else if (a == "--cache-grafia")
            opcoes.cacheGrafia = argv[i + 1];
        else if (a == "--cache-xml")
            opcoes.cacheXml = argv[i + 1];
    }
    if (opcoes.pastaDados.empty() || opcoes.arquivoAbreviaturas.empty() || opcoes.saida.empty()) {
        std::fprintf(stderr,
                     "uso: %s --dados PASTA --abreviaturas ARQUIVO.tsv --saida BANCO.db\n"
                     "        [--hunspell-br BASE --hunspell-pt BASE --palavras-atuais ARQUIVO\n"
                     "         --cache-grafia ARQUIVO --cache-xml PASTA]\n",
                     argv[0]);
        return 2;
    }
    std::string erro;
    const bool ok = mini::compilador::CompiladorDicionario::Compila(opcoes, erro, [](const std::string& m) {
        std::printf("compila-dicionario: %s\n", m.c_str());
        std::fflush(stdout);
    });
    if (!ok) {
        std::fprintf(stderr, "compila-dicionario: erro: %s\n", erro.c_str());
        return 1;
    }
    return 0;
}
