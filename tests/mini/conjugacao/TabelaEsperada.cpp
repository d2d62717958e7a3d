#include "TabelaEsperada.h"

#include <gtest/gtest.h>

#include <sstream>

#include "../ArquivoCasos.h"

namespace teste {

namespace {

struct Tempo {
    const char* chave;
    const char* nome;
    std::size_t inicio, pessoas;
};

constexpr Tempo kTempos[] = {
    {"presente-indicativo", "Presente do Indicativo", 0, 6},
    {"imperfeito-indicativo", "Pretérito Imperfeito do Indicativo", 6, 6},
    {"perfeito", "Pretérito Perfeito", 12, 6},
    {"mais-que-perfeito", "Pretérito Mais-que-Perfeito", 18, 6},
    {"futuro-presente", "Futuro do Presente", 24, 6},
    {"futuro-pretérito", "Futuro do Pretérito", 30, 6},
    {"presente-subjuntivo", "Presente do Subjuntivo", 36, 6},
    {"imperfeito-subjuntivo", "Pretérito Imperfeito do Subjuntivo", 42, 6},
    {"futuro-subjuntivo", "Futuro do Subjuntivo", 48, 6},
    {"imperativo", "Imperativo", 54, 5},
    {"infinitivo-pessoal", "Infinitivo Pessoal", 59, 6},
    {"gerúndio", "Gerúndio", 65, 1},
    {"particípio", "Particípio", 66, 6},
    {"regra", "Regra", kRegra, 1},
};

const char* const kPessoas[] = {"eu", "tu", "ele", "nós", "vós", "eles"};

std::string Arquivo(const std::string& nome) { return "conjugacao/" + nome + ".tsv"; }

std::vector<std::string> Palavras(const std::string& texto) {
    std::istringstream in(texto);
    std::vector<std::string> palavras;
    for (std::string p; in >> p;) palavras.push_back(p);
    return palavras;
}

}  // namespace

const std::vector<std::string>& Grupos() {
    static const std::vector<std::string> grupos = {"regular",   "alternancia", "irregular",
                                                    "compostos", "defectivos",  "hifen-e-grafia-antiga"};
    return grupos;
}

std::vector<FormaEsperada> LeTabela(const std::string& nome) {
    std::vector<FormaEsperada> r;
    std::set<std::pair<std::string, std::size_t>> vistas;
    for (const auto& [linha, c] : casos::Tabela(Arquivo(nome))) {
        const std::string onde = nome + ".tsv:" + std::to_string(linha);
        if (c.size() != 4) {
            ADD_FAILURE() << onde << ": " << c.size() << " colunas";
            continue;
        }
        const Tempo* tempo = nullptr;
        for (const auto& t : kTempos)
            if (c[1] == t.chave) tempo = &t;
        if (!tempo) {
            ADD_FAILURE() << onde << ": tempo " << c[1];
            continue;
        }
        auto formas = Palavras(c[3]);
        std::size_t inicio = tempo->inicio;
        if (c[2] == "*") {
            // A participle slot the verb does not fill stays empty.
            if (tempo->inicio == 66 && !formas.empty() && formas.size() <= 6) formas.resize(6);
            if (formas.size() != tempo->pessoas) {
                ADD_FAILURE() << onde << ": " << formas.size() << " formas";
                continue;
            }
        } else {
            std::size_t p = 0;
            while (p < 6 && c[2] != kPessoas[p]) ++p;
            // The imperative has no "eu".
            const std::size_t primeira = tempo->pessoas == 5 ? 1 : 0;
            if (tempo->pessoas == 1 || p < primeira || p == 6 || formas.size() != 1) {
                ADD_FAILURE() << onde << ": pessoa " << c[2] << " com " << formas.size() << " formas";
                continue;
            }
            inicio += p - primeira;
        }
        bool repetida = false;
        for (std::size_t i = 0; i < formas.size(); ++i) {
            repetida = !vistas.emplace(c[0], inicio + i).second || repetida;
            r.push_back({linha, c[0], inicio + i, formas[i]});
        }
        EXPECT_FALSE(repetida) << onde << ": forma já dada antes";
    }
    return r;
}

std::string NomeDaPosicao(std::size_t posicao) {
    for (const auto& t : kTempos) {
        if (posicao < t.inicio || posicao >= t.inicio + t.pessoas) continue;
        if (t.inicio == 66) return std::string(t.nome) + " " + std::to_string(posicao - 65);
        if (t.pessoas == 1) return t.nome;
        return std::string(t.nome) + ", " + kPessoas[posicao - t.inicio + (t.pessoas == 5 ? 1 : 0)];
    }
    return "posição " + std::to_string(posicao);
}

std::string Onde(const std::string& nome, const FormaEsperada& e) {
    return nome + ".tsv:" + std::to_string(e.linha) + " " + e.verbo + ", " + NomeDaPosicao(e.posicao);
}

std::set<std::string> VerbosDasTabelas() {
    std::set<std::string> verbos;
    for (const auto& g : Grupos())
        for (const auto& e : LeTabela(g)) verbos.insert(e.verbo);
    for (const auto& e : LeTabela("texto-compacto")) verbos.insert(e.verbo);
    for (const auto& [linha, c] : casos::Tabela(Arquivo("mesmo-verbo"))) verbos.insert(c.begin(), c.end());
    return verbos;
}

}  // namespace teste
