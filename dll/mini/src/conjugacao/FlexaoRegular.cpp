#include "FlexaoRegular.h"

#include "TabelaDesinencias.h"

namespace mini {

namespace {

using Alternancia = ClassesVerbais::Alternancia;
using Padrao = TabelaDesinencias::Padrao;

bool EhVogal(char32_t c) {
    switch (c) {
        case U'a':
        case U'e':
        case U'i':
        case U'o':
        case U'u':
        case U'á':
        case U'é':
        case U'í':
        case U'ó':
        case U'ú':
        case U'â':
        case U'ê':
        case U'ô': return true;
        default: return false;
    }
}

bool TerminaEm(std::u32string_view s, std::u32string_view fim) {
    return s.size() >= fim.size() && s.substr(s.size() - fim.size()) == fim;
}

// A stem ending in gu or qu before -er/-ir keeps the u only to harden the
// consonant: it is not a vowel of the stem.
bool UMudo(std::u32string_view radical) { return TerminaEm(radical, U"gu") || TerminaEm(radical, U"qu"); }

// Position of the stem's last sounded vowel, or npos.
std::size_t UltimaVogal(std::u32string_view radical) {
    std::size_t fim = radical.size();
    if (UMudo(radical)) --fim;
    while (fim > 0) {
        --fim;
        if (EhVogal(radical[fim])) return fim;
    }
    return std::u32string_view::npos;
}

bool Em(std::size_t i, std::initializer_list<std::size_t> lista) {
    for (std::size_t x : lista)
        if (x == i) return true;
    return false;
}

bool Subjuntivo(std::size_t i) { return i >= 36 && i <= 41; }

// Whether slot i takes the changed stem.
bool Alterna(Alternancia a, std::size_t i) {
    switch (a) {
        case Alternancia::Nenhuma: return false;
        case Alternancia::EparaI:
        case Alternancia::OparaU: return i == 0 || Subjuntivo(i) || Em(i, {55, 56, 58});
        case Alternancia::UparaO: return Em(i, {1, 2, 5, 54});
        case Alternancia::EparaITonica:
        case Alternancia::OparaUTonica: return Em(i, {0, 1, 2, 5, 54, 55, 56, 58}) || Subjuntivo(i);
        case Alternancia::Ear:
        case Alternancia::Iar:
        case Alternancia::Hiato: return Em(i, {0, 1, 2, 5, 36, 37, 38, 41, 54, 55, 58});
    }
    return false;
}

std::u32string RadicalAlterado(std::u32string radical, Alternancia a) {
    auto troca = [&radical](char32_t de, char32_t para) {
        const std::size_t v = UltimaVogal(radical);
        if (v != std::u32string::npos && radical[v] == de) radical[v] = para;
    };
    switch (a) {
        case Alternancia::Nenhuma: break;
        case Alternancia::EparaI:
        case Alternancia::EparaITonica: troca(U'e', U'i'); break;
        case Alternancia::OparaU:
        case Alternancia::OparaUTonica: troca(U'o', U'u'); break;
        case Alternancia::UparaO: troca(U'u', U'o'); break;
        case Alternancia::Ear: radical.push_back(U'i'); break;
        case Alternancia::Iar: radical.insert(radical.size() - 1, 1, U'e'); break;
        case Alternancia::Hiato: {
            const std::size_t v = UltimaVogal(radical);
            if (v != std::u32string::npos && radical[v] == U'i') radical[v] = U'í';
            if (v != std::u32string::npos && radical[v] == U'u') radical[v] = U'ú';
            break;
        }
    }
    return radical;
}

// Stem + ending, keeping the consonant's sound: c, ç, g of -ar before e;
// c, g, gu, qu of -er and -ir before a and o.
std::u32string Junta(std::u32string radical, std::u32string_view desinencia, Padrao padrao) {
    if (desinencia.empty()) return {};
    const char32_t d = desinencia.front();
    if (!radical.empty()) {
        const char32_t c = radical.back();
        if (padrao == Padrao::Ar && (d == U'e' || d == U'é' || d == U'ê')) {
            if (c == U'c')
                radical.replace(radical.size() - 1, 1, U"qu");
            else if (c == U'ç')
                radical.back() = U'c';
            else if (c == U'g')
                radical.replace(radical.size() - 1, 1, U"gu");
        } else if ((padrao == Padrao::Er || padrao == Padrao::Ir) &&
                   (d == U'a' || d == U'o' || d == U'á' || d == U'ó')) {
            if (UMudo(radical)) {
                radical.pop_back();
                if (radical.back() == U'q') radical.back() = U'c';
            } else if (c == U'c') {
                radical.back() = U'ç';
            } else if (c == U'g') {
                radical.back() = U'j';
            }
        }
    }
    radical.append(desinencia);
    return radical;
}

bool PadraoSimples(std::u32string_view verbo, Padrao& padrao) {
    if (TerminaEm(verbo, U"ar"))
        padrao = Padrao::Ar;
    else if (TerminaEm(verbo, U"er"))
        padrao = Padrao::Er;
    else if (TerminaEm(verbo, U"ir"))
        padrao = Padrao::Ir;
    else
        return false;
    return true;
}

// The pattern of a verb conjugated by rule, or false for shapes no verb of
// today has (a vowel before -er other than o or a mute u, -oir, -eir ...).
bool PadraoDe(std::u32string_view verbo, Padrao& padrao) {
    if (!PadraoSimples(verbo, padrao) || verbo.size() < 4) return false;
    const std::u32string_view radical = verbo.substr(0, verbo.size() - 2);
    const char32_t ultima = radical.back();
    if (padrao == Padrao::Ar) {
        if (ultima == U'a') return false;
    } else if (padrao == Padrao::Er) {
        if (ultima == U'o') {
            if (TerminaEm(verbo, U"poer")) return false;  // old "poer" is pôr, not moer
            padrao = Padrao::Oer;
        } else if (EhVogal(ultima) && !UMudo(radical)) {
            return false;
        }
    } else {
        if (ultima == U'a') {
            padrao = Padrao::Air;
        } else if (verbo == U"arguir" || verbo == U"redarguir") {
            padrao = Padrao::Arguir;
        } else if (ultima == U'u' && !UMudo(radical)) {
            padrao = ClassesVerbais::ComoConstruir(verbo) ? Padrao::Construir : Padrao::Uir;
        } else if (EhVogal(ultima) && !UMudo(radical)) {
            return false;
        } else if (TerminaEm(verbo, U"uzir")) {
            padrao = Padrao::Uzir;
        }
    }
    const std::u32string_view resto = verbo.substr(0, verbo.size() - TabelaDesinencias::Sufixo(padrao));
    if (resto.empty()) return false;
    for (char32_t c : resto)
        if (EhVogal(c)) return true;
    // "moer", "roer", "sair", "cair": the stem is one consonant
    return padrao == Padrao::Oer || padrao == Padrao::Air || padrao == Padrao::Uir;
}

}  // namespace

bool FlexaoRegular::Conjuga(std::u32string_view verbo, Formas72& formas, Formas72& desinencias) {
    Padrao padrao;
    if (!PadraoDe(verbo, padrao)) return false;
    const std::u32string radical(verbo.substr(0, verbo.size() - TabelaDesinencias::Sufixo(padrao)));

    Alternancia a = ClassesVerbais::AlternanciaListada(verbo);
    if (a == Alternancia::Nenhuma) {
        if (padrao == Padrao::Ar && radical.back() == U'e') {
            a = Alternancia::Ear;
        } else if (padrao == Padrao::Ir) {
            // An e that begins the word is not the stem vowel that changes.
            const std::size_t v = UltimaVogal(radical);
            if (v != std::u32string::npos && v > 0 && radical[v] == U'e') a = Alternancia::EparaI;
        }
    }
    const std::u32string alterado = RadicalAlterado(radical, a);

    const Formas72& tabela = TabelaDesinencias::Desinencias(padrao);
    for (std::size_t i = 0; i < formas.size(); ++i) {
        desinencias[i] = tabela[i];
        formas[i] = Junta(Alterna(a, i) ? alterado : radical, tabela[i], padrao);
    }

    const std::u32string unico = ClassesVerbais::ParticipioUnico(verbo);
    if (!unico.empty()) {
        formas[LeitorTabela::kParticipio] = unico;
        desinencias[LeitorTabela::kParticipio].clear();
    } else {
        formas[LeitorTabela::kParticipio + 1] = ClassesVerbais::SegundoParticipio(verbo);
    }
    AplicaDefeito(ClassesVerbais::DefeitoDe(verbo), formas);
    return true;
}

bool FlexaoRegular::Simples(std::u32string_view verbo, Formas72& formas) {
    Padrao padrao;
    if (!PadraoSimples(verbo, padrao)) return false;
    const std::u32string radical(verbo.substr(0, verbo.size() - 2));
    const Formas72& tabela = TabelaDesinencias::Desinencias(padrao);
    for (std::size_t i = 0; i < formas.size(); ++i) formas[i] = Junta(radical, tabela[i], padrao);
    return true;
}

void FlexaoRegular::AplicaDefeito(ClassesVerbais::Defeito defeito, Formas72& formas) {
    using D = ClassesVerbais::Defeito;
    for (std::size_t i = 0; i < LeitorTabela::kGerundio; ++i) {
        bool falta = false;
        switch (defeito) {
            case D::Nenhum: break;
            case D::Impessoal: {
                if (i >= LeitorTabela::kImperativo && i < LeitorTabela::kInfinitivo) {
                    falta = true;
                } else {
                    const std::size_t pessoa =
                        (i >= LeitorTabela::kInfinitivo ? i - LeitorTabela::kInfinitivo : i) % 6;
                    falta = pessoa != 2 && pessoa != 5;
                }
                break;
            }
            case D::SemOA: falta = i == 0 || Subjuntivo(i) || Em(i, {55, 56, 58}); break;
            case D::SoArrizotonicas: falta = Em(i, {0, 1, 2, 5, 54, 55, 56, 58}) || Subjuntivo(i); break;
        }
        if (falta) formas[i].assign(1, U'/');
    }
}

}  // namespace mini
