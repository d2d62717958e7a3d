// Expected conjugations written by hand in tests/data/conjugacao: one line a
// verb, tense, person and form, or a whole tense ("*") in person order.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace teste {

// The slots of the engine's table: nine tenses of six persons, the
// imperative of five, the personal infinitive of six, the gerund, six
// participle slots; kRegra is the ending rule of the compact text.
constexpr std::size_t kPosicoes = 72;
constexpr std::size_t kRegra = kPosicoes;

struct FormaEsperada {
    int linha = 0;
    std::string verbo;
    std::size_t posicao = 0;
    std::string forma;
};

// The tables of whole forms, by group ("regular", "irregular" ...).
const std::vector<std::string>& Grupos();

// The table tests/data/conjugacao/<nome>.tsv slot by slot; a malformed line
// or a slot given twice fails the test.
std::vector<FormaEsperada> LeTabela(const std::string& nome);

// Name of a slot ("Pretérito Perfeito, eu").
std::string NomeDaPosicao(std::size_t posicao);

// Where a failure is: "regular.tsv:12 amar, Pretérito Perfeito, eu".
std::string Onde(const std::string& nome, const FormaEsperada& e);

// The verbs of every table and pair list of tests/data/conjugacao.
std::set<std::string> VerbosDasTabelas();

}  // namespace teste
