#include "Conjugador.h"

#include "FlexaoRegular.h"
#include "GrafiaAntiga.h"
#include "TextoCompacto.h"
#include "Utf8Estrito.h"
#include "VerbosIrregulares.h"

#include <optional>
#include <unordered_set>

namespace mini {

namespace {

// Longer than any infinitive of the language; anything past it is not one.
constexpr std::size_t kMaximoLetras = 40;

struct Conjugacao {
    std::u32string lida;
    std::u32string moderno;
    Formas72 formas;
    Formas72 desinencias;
    bool porRegra = false;
};

bool ConjugaInfinitivo(Conjugacao& c) {
    if (VerbosIrregulares::Conjuga(c.moderno, c.formas)) return true;
    c.porRegra = FlexaoRegular::Conjuga(c.moderno, c.formas, c.desinencias);
    return c.porRegra;
}

// "contra-indicar", "bem-querer": the first word does not change, the verb
// after the hyphen is conjugated. A pronoun after the hyphen ("lavar-se") is
// no verb, so a pronominal headword gets nothing and the page asks again
// for the verb alone.
bool ConjugaComposto(Conjugacao& c, std::size_t hifen) {
    const std::u32string_view lida(c.lida);
    if (hifen == 0 || lida.find(U'-') != hifen) return false;
    // The first word is kept as written ("recém"): only an infinitive loses
    // its accents.
    const std::u32string_view primeira = lida.substr(0, hifen);
    const auto verbo = GrafiaAntiga::Moderniza(lida.substr(hifen + 1));
    if (!GrafiaAntiga::Moderniza(primeira) || !verbo) return false;
    c.moderno = *verbo;
    if (!ConjugaInfinitivo(c)) return false;
    const std::u32string inicio = std::u32string(primeira) + U"-";
    for (auto& f : c.formas)
        if (!f.empty() && f != U"/") f.insert(0, inicio);
    c.moderno.insert(0, inicio);
    return true;
}

std::optional<Conjugacao> Conjuga(std::string_view verbo) {
    auto lida = Utf8Estrito::Decodifica(verbo, kMaximoLetras);
    if (!lida || lida->empty()) return std::nullopt;
    Conjugacao c;
    c.lida = std::move(*lida);
    const std::size_t hifen = c.lida.rfind(U'-');
    if (hifen != std::u32string::npos) {
        if (ConjugaComposto(c, hifen)) return c;
        return std::nullopt;
    }
    auto moderno = GrafiaAntiga::Moderniza(c.lida);
    if (!moderno) return std::nullopt;
    c.moderno = std::move(*moderno);
    if (ConjugaInfinitivo(c)) return c;
    return std::nullopt;
}

}  // namespace

std::string Conjugador::TextoConjugacao(std::string_view verbo) {
    const auto c = Conjuga(verbo);
    if (!c) return {};
    return TextoCompacto::Monta(verbo, c->lida, c->moderno, c->formas,
                                c->porRegra ? &c->desinencias : nullptr);
}

std::vector<std::string> Conjugador::Formas(std::string_view verbo) {
    std::vector<std::string> formas;
    const auto c = Conjuga(verbo);
    if (!c) return formas;
    std::unordered_set<std::u32string> vistas;
    for (const auto& f : c->formas) {
        if (f.empty() || f == U"/" || !vistas.insert(f).second) continue;
        formas.push_back(Utf8Estrito::Codifica(f));
    }
    return formas;
}

std::vector<std::string> Conjugador::FormasCompletas(std::string_view verbo) {
    std::vector<std::string> formas;
    const auto c = Conjuga(verbo);
    if (!c) return formas;
    formas.reserve(c->formas.size());
    for (const auto& f : c->formas) formas.push_back(Utf8Estrito::Codifica(f));
    return formas;
}

}  // namespace mini
