// Expected conjugations written by hand: thirteen groups split by "|" (nine
// tenses of six persons, the imperative of five, the personal infinitive of
// six, the gerund, the participles), forms split by spaces.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace teste {

// The 72 slots of a full table; participle slots not written stay empty.
std::vector<std::string> Tabela72(std::string_view texto);

// Compares the verb's 72 forms with a full table, naming each wrong slot.
void ConfereTabela(std::string_view verbo, std::string_view esperado);

// Compares the present indicative, the first and third persons of the
// perfect, the first person of the present subjunctive and the participles:
// "p1 p2 p3 p4 p5 p6 | perf1 perf3 | subj1 | part [part2]".
void ConfereFormasChave(std::string_view verbo, std::string_view esperado);

// Name of slot i ("Pretérito Perfeito, eu").
std::string NomeDaPosicao(std::size_t i);

}  // namespace teste
