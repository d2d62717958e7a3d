// The engine's conjugation text (ObtemConjugacao) read back into whole forms.
// The viewer's conjugation box and "lexaria conjuga" both read it here, so a
// verb shows the same forms in both.
//
// The text: an ending rule, a no-break space, then 72 forms split by ";"
// (anything after a second no-break space is ignored).
// - Rule "E": the stem is the verb up to its last E; each form is the
//   ending appended to the stem.
// - Rule "L|E": the same stem, whose last L (one letter) changes from form to
//   form; each form is "R|ending", R taking the place of that L.
// - "/" is a form the verb lacks. An empty form is allowed only in the gerund
//   and participle slots, where it stands for an unused slot.
// Irregular verbs come with the whole headword as E and whole forms.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace mini {

constexpr int kFormasConjugacao = 72;
constexpr int kTemposConjugacao = 13;

// Tenses in the order the engine writes them.
enum Tempo : int {
    kPresenteIndicativo,
    kImperfeitoIndicativo,
    kPerfeito,
    kMaisQuePerfeito,
    kFuturoPresente,
    kFuturoPreterito,
    kPresenteSubjuntivo,
    kImperfeitoSubjuntivo,
    kFuturoSubjuntivo,
    kImperativo,
    kInfinitivoPessoal,
    kGerundio,
    kParticipio,
};

// Persons 0 to 5: "eu", "tu", "ele", "nós", "vós", "eles".
constexpr std::array<std::string_view, 6> kPessoas = {"eu", "tu", "ele", "nós", "vós", "eles"};

struct FormaConjugada {
    int pessoa = 0;     // index into kPessoas: the imperative starts at "tu", the gerund is "eles"
    std::string forma;  // the whole form; "/" when the verb lacks it; "" for an unused slot
};

struct Conjugacao {
    enum class Estado {
        Vazia,     // the engine has no table (empty text, blanks, a lone no-break space)
        Lida,      // tempos holds the 72 forms
        Invalida,  // the text cannot be read for this verb; erro says why
    };
    Estado estado = Estado::Vazia;
    // Indexed by Tempo: six forms each, five in the imperative, one gerund,
    // six participle slots.
    std::array<std::vector<FormaConjugada>, kTemposConjugacao> tempos;
    std::string erro;
};

// True when the engine's text holds no table: after trimming blanks it is
// empty or a lone no-break space.
bool SemConjugacao(std::string_view dados);

// verbo: the headword the text was asked for (a homonym number after its
// ending does no harm); dados: what ObtemConjugacao gave.
Conjugacao LeConjugacao(std::string_view verbo, std::string_view dados);

}  // namespace mini
