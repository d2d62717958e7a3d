#include "LinhaComando.h"

bool LinhaComando::Divide(std::string_view linha, std::vector<std::string>& palavras) {
    palavras.clear();
    size_t i = 0;
    const size_t n = linha.size();
    auto branco = [](char c) { return c == ' ' || c == '\t'; };
    while (true) {
        while (i < n && branco(linha[i])) ++i;
        if (i >= n) return true;
        std::string palavra;
        char aspa = 0;
        // A word runs to the next blank outside quotes; quoted and unquoted
        // pieces next to each other make one word, as in a shell.
        while (i < n && (aspa || !branco(linha[i]))) {
            const char c = linha[i++];
            if (c == '\\') {
                if (i >= n) return false;
                palavra += linha[i++];
            } else if (aspa && c == aspa) {
                aspa = 0;
            } else if (!aspa && (c == '"' || c == '\'')) {
                aspa = c;
            } else {
                palavra += c;
            }
        }
        if (aspa) return false;
        palavras.push_back(std::move(palavra));
    }
}
