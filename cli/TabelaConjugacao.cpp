#include "TabelaConjugacao.h"

#include <array>

namespace {

constexpr std::array<const char*, mini::kTemposConjugacao> kTempos = {"Presente do Indicativo",
                                                                      "Pretérito Imperfeito do Indicativo",
                                                                      "Pretérito Perfeito",
                                                                      "Pretérito Mais-que-Perfeito",
                                                                      "Futuro do Presente",
                                                                      "Futuro do Pretérito",
                                                                      "Presente do Subjuntivo",
                                                                      "Pretérito Imperfeito do Subjuntivo",
                                                                      "Futuro do Subjuntivo",
                                                                      "Imperativo Afirmativo",
                                                                      "Infinitivo Pessoal",
                                                                      "Gerúndio",
                                                                      "Particípio"};

}  // namespace

std::string TabelaConjugacao::Texto(const mini::Conjugacao& conjugacao) {
    if (conjugacao.estado != mini::Conjugacao::Estado::Lida) return {};
    std::string texto;
    for (int t = 0; t < mini::kTemposConjugacao; ++t) {
        texto += kTempos[static_cast<size_t>(t)];
        texto += '\n';
        for (const auto& f : conjugacao.tempos[static_cast<size_t>(t)]) {
            // Gerund and participle: the forms alone, unused slots left out.
            if (t >= mini::kGerundio) {
                if (!f.forma.empty()) texto += f.forma + "\n";
                continue;
            }
            texto += mini::kPessoas[static_cast<size_t>(f.pessoa)];
            texto += '\t';
            texto += f.forma;
            texto += '\n';
        }
    }
    return texto;
}
