// Reads the expected-data tables of tests/data: one record per line or per
// block of "campo<TAB>valor" lines, "#" starts a comment line. In values,
// "{nbsp}" stands for the no-break space and "{vazio}" for an empty text,
// so the files stay readable and free of invisible characters.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace casos {

inline std::string Caminho(const std::string& nome) { return std::string(MINI_TEST_CASOS) + "/" + nome; }

inline std::string Valor(std::string texto) {
    if (texto == "{vazio}") return {};
    for (std::size_t p; (p = texto.find("{nbsp}")) != std::string::npos;) texto.replace(p, 6, "\xC2\xA0");
    return texto;
}

inline std::vector<std::string> Divide(const std::string& texto, char separador) {
    std::vector<std::string> partes;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t fim = texto.find(separador, inicio);
        partes.push_back(texto.substr(inicio, fim == std::string::npos ? fim : fim - inicio));
        if (fim == std::string::npos) return partes;
        inicio = fim + 1;
    }
}

// Lines that are neither blank nor comments, with their line numbers.
inline std::vector<std::pair<int, std::string>> Linhas(const std::string& nome) {
    std::ifstream in(Caminho(nome));
    EXPECT_TRUE(in.good()) << "não abriu " << Caminho(nome);
    std::vector<std::pair<int, std::string>> linhas;
    int n = 0;
    for (std::string l; std::getline(in, l);) {
        ++n;
        if (l.empty() || l[0] == '#') continue;
        linhas.emplace_back(n, l);
    }
    return linhas;
}

// Tab-separated fields of each line, values decoded.
inline std::vector<std::pair<int, std::vector<std::string>>> Tabela(const std::string& nome) {
    std::vector<std::pair<int, std::vector<std::string>>> r;
    for (const auto& [n, l] : Linhas(nome)) {
        std::vector<std::string> campos = Divide(l, '\t');
        for (auto& c : campos) c = Valor(c);
        r.emplace_back(n, std::move(campos));
    }
    return r;
}

// Records of "campo<TAB>valor" lines, separated by a line "--". A field may
// repeat; its values are kept in order.
struct Registro {
    int linha = 0;
    std::multimap<std::string, std::string> campos;

    std::string Campo(const std::string& nome) const {
        const auto it = campos.find(nome);
        return it == campos.end() ? std::string() : it->second;
    }
    bool Tem(const std::string& nome) const { return campos.count(nome) > 0; }
};

inline std::vector<Registro> Registros(const std::string& nome) {
    std::vector<Registro> r(1);
    for (const auto& [n, l] : Linhas(nome)) {
        if (l == "--") {
            r.emplace_back();
            continue;
        }
        if (r.back().linha == 0) r.back().linha = n;
        const std::size_t tab = l.find('\t');
        EXPECT_NE(tab, std::string::npos) << nome << ":" << n << ": sem tabulação";
        if (tab == std::string::npos) continue;
        r.back().campos.emplace(l.substr(0, tab), Valor(l.substr(tab + 1)));
    }
    if (r.back().campos.empty()) r.pop_back();
    return r;
}

}  // namespace casos
