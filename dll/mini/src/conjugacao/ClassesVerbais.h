// What the grammar says verb by verb, beyond the endings: which verbs change
// the stem vowel and how, which lack forms, which have an irregular
// participle. Lists of infinitives in today's spelling.
#pragma once

#include <string>
#include <string_view>

namespace mini {

class ClassesVerbais {
public:
    enum class Alternancia {
        Nenhuma,
        EparaI,        // sentir: sinto, sentes; sinta (first person and subjunctive)
        OparaU,        // dormir: durmo, dormes; durma
        UparaO,        // subir: subo, sobes, sobe, sobem
        EparaITonica,  // progredir: progrido, progrides ... progridem; progrida
        OparaUTonica,  // polir: pulo, pules ... pulem; pula
        Ear,           // passear: passeio; passeie
        Iar,           // odiar: odeio; odeie
        Hiato,         // saudar: saúdo; saúde
    };
    enum class Defeito {
        Nenhum,
        Impessoal,        // chover: third persons only, no imperative
        SemOA,            // abolir: no form whose ending starts with o or a
        SoArrizotonicas,  // falir: only the forms stressed on the ending
    };

    // The alternation a list gives the verb; Nenhuma when it is in none (the
    // general rules for -ear and for e in -ir verbs are applied elsewhere).
    static Alternancia AlternanciaListada(std::u32string_view verbo);
    static Defeito DefeitoDe(std::u32string_view verbo);
    static bool ComoConstruir(std::u32string_view verbo);
    // The second participle of a verb that has two (aceitar: aceito), or "".
    static std::u32string SegundoParticipio(std::u32string_view verbo);
    // The participle of a verb whose only participle is irregular
    // (abrir: aberto, descobrir: descoberto, escrever: escrito), or "".
    static std::u32string ParticipioUnico(std::u32string_view verbo);
};

}  // namespace mini
