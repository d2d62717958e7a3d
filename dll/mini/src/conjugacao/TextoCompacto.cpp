#include "TextoCompacto.h"

#include "Utf8Estrito.h"

#include <array>
#include <optional>

namespace mini {

namespace {

constexpr std::string_view kEspacoDuro = "\xC2\xA0";

bool ComecaCom(std::u32string_view s, std::u32string_view inicio) {
    return s.size() >= inicio.size() && s.substr(0, inicio.size()) == inicio;
}

bool Vazia(const std::u32string& forma) { return forma.empty() || forma == U"/"; }

std::string Junta(std::string_view regra, const Formas72& partes) {
    std::string texto(regra);
    texto += kEspacoDuro;
    for (std::size_t i = 0; i < partes.size(); ++i) {
        if (i > 0) texto += ';';
        texto += Utf8Estrito::Codifica(partes[i]);
    }
    return texto;
}

// Every form as stem + ending, when all forms begin with the stem.
std::optional<Formas72> SoDesinencias(std::u32string_view radical, const Formas72& formas) {
    Formas72 partes;
    for (std::size_t i = 0; i < formas.size(); ++i) {
        if (Vazia(formas[i])) {
            partes[i] = formas[i];
            continue;
        }
        if (!ComecaCom(formas[i], radical) || formas[i].size() == radical.size()) return std::nullopt;
        partes[i] = formas[i].substr(radical.size());
    }
    return partes;
}

// A form as R + the rest of the stem + ending, where R takes the place of the
// stem's letter at k (the last one of its kind, as the page looks for it).
// Among the ways to cut the form, the one whose ending is the ending it was
// built with reads best; next the one that keeps the letter. Where to cut R
// from the ending, or nothing when the form cannot be cut so.
std::optional<std::size_t> Corte(std::u32string_view radical, std::size_t k, std::u32string_view forma,
                                 std::u32string_view desinencia) {
    const std::u32string_view depois = radical.substr(k + 1);
    if (!ComecaCom(forma, radical.substr(0, k))) return std::nullopt;
    const std::u32string_view resto = forma.substr(k);
    std::optional<std::size_t> escolha;
    int melhor = -1;
    for (std::size_t corte = 1; corte + depois.size() < resto.size(); ++corte) {
        if (!ComecaCom(resto.substr(corte), depois)) continue;
        const std::u32string_view fim = resto.substr(corte + depois.size());
        const int nota = fim == desinencia ? 2 : (corte == 1 && resto.front() == radical[k] ? 1 : 0);
        if (nota > melhor) {
            melhor = nota;
            escolha = corte;
        }
    }
    return escolha;
}

// Every form as "R|ending" with the letter at k, when all can be cut so.
std::optional<Formas72> RadicalVariavel(std::u32string_view radical, std::size_t k, const Formas72& formas,
                                        const Formas72& desinencias) {
    const std::size_t resto = radical.size() - k - 1;
    Formas72 partes;
    for (std::size_t i = 0; i < formas.size(); ++i) {
        const std::u32string& f = formas[i];
        if (Vazia(f)) {
            partes[i] = f;
            continue;
        }
        const auto corte = Corte(radical, k, f, desinencias[i]);
        if (!corte) return std::nullopt;
        partes[i] = f.substr(k, *corte);
        partes[i] += U'|';
        partes[i] += std::u32string_view(f).substr(k + *corte + resto);
    }
    return partes;
}

}  // namespace

std::string TextoCompacto::Monta(std::string_view cabeca, std::u32string_view cabecaLida,
                                 std::u32string_view moderno, const Formas72& formas,
                                 const Formas72* desinencias) {
    if (desinencias != nullptr && cabecaLida == moderno && moderno.size() > 2) {
        const std::u32string_view radical = moderno.substr(0, moderno.size() - 2);
        const std::string terminacao = Utf8Estrito::Codifica(moderno.substr(moderno.size() - 2));
        if (const auto partes = SoDesinencias(radical, formas)) return Junta(terminacao, *partes);
        // Only the forms that leave the stem can rule a letter out; trying
        // them alone first keeps the search short.
        std::array<std::size_t, 72> diferentes;
        std::size_t quantas = 0;
        for (std::size_t i = 0; i < formas.size(); ++i)
            if (!Vazia(formas[i]) && !ComecaCom(formas[i], radical)) diferentes[quantas++] = i;
        for (std::size_t k = radical.size(); k-- > 0;) {
            if (radical.find_last_of(radical[k]) != k) continue;
            bool serve = true;
            for (std::size_t j = 0; j < quantas && serve; ++j)
                serve = Corte(radical, k, formas[diferentes[j]], (*desinencias)[diferentes[j]]).has_value();
            if (!serve) continue;
            if (const auto partes = RadicalVariavel(radical, k, formas, *desinencias)) {
                std::string regra = Utf8Estrito::Codifica(radical.substr(k, 1));
                regra += '|';
                regra += terminacao;
                return Junta(regra, *partes);
            }
        }
    }
    return Junta(cabeca, formas);
}

}  // namespace mini
