#include "IndiceVerbetes.h"

#include <algorithm>

#include "Esquema.h"
#include "Mascara.h"
#include "mini/Normaliza.h"

namespace mini {
namespace {

// Patterns needing more characters than any headword has match nothing;
// checking it first keeps absurd input cheap.
constexpr size_t kMaiorChave = 80;

bool ComecaCom(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// The bridge only helps with words of two letters or more: a single letter
// must stay the letter the reader asked for.
bool UsaPonte(std::string_view chave) { return ContaCaracteres(chave) >= 2; }

}  // namespace

std::pair<int32_t, int32_t> IndiceVerbetes::FaixaDobrada(std::string_view chave) const {
    int32_t lo = 0, hi = dados_.total();
    int32_t a = lo, b = hi;
    while (a < b) {
        int32_t m = a + (b - a) / 2;
        if (dados_.Dobrada(m) < chave)
            a = m + 1;
        else
            b = m;
    }
    lo = a;
    b = hi;
    while (a < b) {
        int32_t m = a + (b - a) / 2;
        if (dados_.Dobrada(m) <= chave)
            a = m + 1;
        else
            b = m;
    }
    return {lo, a};
}

std::pair<int32_t, int32_t> IndiceVerbetes::FaixaPrefixo(std::string_view prefixo) const {
    int32_t a = 0, b = dados_.total();
    while (a < b) {
        int32_t m = a + (b - a) / 2;
        if (dados_.Dobrada(m) < prefixo)
            a = m + 1;
        else
            b = m;
    }
    const int32_t lo = a;
    b = dados_.total();
    while (a < b) {
        int32_t m = a + (b - a) / 2;
        std::string_view k = dados_.Dobrada(m);
        if (k < prefixo || ComecaCom(k, prefixo))
            a = m + 1;
        else
            b = m;
    }
    return {lo, a};
}

std::pair<size_t, size_t> IndiceVerbetes::FaixaOrto(std::string_view chave, bool prefixo) const {
    const auto& ordem = dados_.OrdemOrtografica();
    auto chaveDe = [&](uint32_t id) { return dados_.Ortografica(static_cast<int32_t>(id)); };
    auto lo =
        std::partition_point(ordem.begin(), ordem.end(), [&](uint32_t id) { return chaveDe(id) < chave; });
    auto hi = std::partition_point(lo, ordem.end(), [&](uint32_t id) {
        std::string_view k = chaveDe(id);
        return prefixo ? ComecaCom(k, chave) : k == chave;
    });
    return {static_cast<size_t>(lo - ordem.begin()), static_cast<size_t>(hi - ordem.begin())};
}

std::pair<size_t, size_t> IndiceVerbetes::FaixaModerna(std::string_view chave, bool prefixo) const {
    return FaixaTabela(dados_.ChavesModernas(), chave, prefixo);
}

std::pair<size_t, size_t> FaixaTabela(const TabelaTextos& k, std::string_view chave, bool prefixo) {
    size_t a = 0, b = k.tamanho();
    while (a < b) {
        const size_t m = a + (b - a) / 2;
        if (k[m] < chave)
            a = m + 1;
        else
            b = m;
    }
    const size_t lo = a;
    b = k.tamanho();
    while (a < b) {
        const size_t m = a + (b - a) / 2;
        if (prefixo ? ComecaCom(k[m], chave) : k[m] == chave)
            a = m + 1;
        else
            b = m;
    }
    return {lo, a};
}

std::vector<int32_t> IndiceVerbetes::IguaisModerna(std::string_view chave) const {
    auto [lo, hi] = FaixaModerna(chave, false);
    std::vector<int32_t> ids;
    for (size_t i = lo; i < hi; ++i) ids.push_back(static_cast<int32_t>(dados_.IdsModernos()[i]));
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

int32_t IndiceVerbetes::PrimeiroPrefixoModerno(std::string_view prefixo) const {
    auto [lo, hi] = FaixaModerna(prefixo, true);
    int32_t primeiro = -1;
    for (size_t i = lo; i < hi; ++i) {
        const auto id = static_cast<int32_t>(dados_.IdsModernos()[i]);
        if (primeiro < 0 || id < primeiro) primeiro = id;
    }
    return primeiro;
}

std::vector<int32_t> IndiceVerbetes::IguaisOrtografica(std::string_view chave) const {
    auto [lo, hi] = FaixaOrto(chave, false);
    std::vector<int32_t> ids;
    for (size_t i = lo; i < hi; ++i) ids.push_back(static_cast<int32_t>(dados_.OrdemOrtografica()[i]));
    std::sort(ids.begin(), ids.end());
    return ids;
}

int32_t IndiceVerbetes::PrimeiroPrefixoOrtografico(std::string_view prefixo) const {
    auto [lo, hi] = FaixaOrto(prefixo, true);
    if (lo >= hi) return -1;
    return static_cast<int32_t>(dados_.OrdemOrtografica()[lo]);
}

int32_t IndiceVerbetes::Localiza(std::string_view texto) const {
    const std::string f = ChaveDobrada(texto);
    if (f.empty() || dados_.total() == 0) return -1;
    // The first question of a process: a headword as typed is found in the
    // file's own index, before any table is loaded.
    if (!dados_.TabelaPalavrasLida()) {
        const auto iguais = dados_.PorDobrada(f);
        if (!iguais.empty()) {
            if (UsaPonte(f)) {
                const std::string escrita = MinusculasUtf8(texto);
                for (const auto& [id, p] : iguais)
                    if (MinusculasUtf8(std::string_view(p).substr(0, p.find("\u00A0"))) == escrita) return id;
            }
            return iguais.front().first;
        }
    }
    if (auto [lo, hi] = FaixaDobrada(f); lo < hi) {
        // "pôr" and "por" share a folded key; the one spelled as typed wins.
        // A single letter keeps the first of its key: it starts the letter.
        if (UsaPonte(f)) {
            const std::string escrita = MinusculasUtf8(texto);
            for (int32_t id = lo; id < hi; ++id) {
                std::string_view p = dados_.Palavra(id);
                p = p.substr(0, p.find("\u00A0"));
                if (MinusculasUtf8(p) == escrita) return id;
            }
        }
        return lo;
    }
    if (UsaPonte(f)) {
        auto modernas = IguaisModerna(f);
        if (!modernas.empty()) return modernas.front();
    }
    if (auto [lo, hi] = FaixaPrefixo(f); lo < hi) return lo;
    if (!UsaPonte(f)) return -1;
    if (int32_t id = PrimeiroPrefixoModerno(f); id >= 0) return id;
    const std::string o = ChaveOrtografica(f);
    auto iguais = IguaisOrtografica(o);
    if (!iguais.empty()) return iguais.front();
    return PrimeiroPrefixoOrtografico(o);
}

std::vector<int32_t> IndiceVerbetes::Palavra(std::string_view texto) const {
    std::vector<int32_t> ids;
    const std::string f = ChaveDobrada(texto);
    if (f.empty()) return ids;
    auto [lo, hi] = FaixaDobrada(f);
    for (int32_t id = lo; id < hi; ++id) ids.push_back(id);
    // Entries whose spelling of today it is ("effeito" for "efeito") follow
    // the entries of the word's own spelling.
    if (!UsaPonte(f)) return ids;
    for (int32_t id : IguaisModerna(f))
        if (id < lo || id >= hi) ids.push_back(id);
    // The rule fold guesses; it is heard only when nothing else answers.
    if (ids.empty()) ids = IguaisOrtografica(ChaveOrtografica(f));
    return ids;
}

std::vector<int32_t> IndiceVerbetes::Mascara(std::string_view padrao, bool tambemModerna) const {
    std::vector<int32_t> ids;
    const std::string p = ChaveDobradaMascara(padrao);
    if (p.empty()) return ids;
    const mini::Mascara m(p);
    if (m.MinimoCaracteres() > kMaiorChave) return ids;
    if (!m.TemCuringa()) {
        ids = Palavra(p);
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    const std::string& texto = m.padrao();
    const std::string_view fim = std::string_view(texto).substr(texto.find_last_of("*?") + 1);
    if (m.PrefixoLiteral().empty() && !fim.empty()) {
        // An ending ("*ção", "?ar"): a range of the reversed keys, matched
        // against the reversed pattern.
        const mini::Mascara inversa(InverteUtf8(texto));
        auto [a, b] = FaixaTabela(dados_.Inversas(), InverteUtf8(fim), true);
        for (size_t i = a; i < b; ++i) {
            const uint32_t v = dados_.IdsInversos()[i];
            if ((v & esquema::kBitModerna) && !tambemModerna) continue;
            if (inversa.Casa(dados_.Inversas()[i]))
                ids.push_back(static_cast<int32_t>(v & ~esquema::kBitModerna));
        }
    } else {
        auto [lo, hi] = FaixaPrefixo(m.PrefixoLiteral());
        for (int32_t id = lo; id < hi; ++id)
            if (m.Casa(dados_.Dobrada(id))) ids.push_back(id);
        if (tambemModerna) {
            auto [a, b] = FaixaModerna(m.PrefixoLiteral(), true);
            const TabelaTextos& chaves = dados_.ChavesModernas();
            for (size_t i = a; i < b; ++i)
                if (m.Casa(chaves[i])) ids.push_back(static_cast<int32_t>(dados_.IdsModernos()[i]));
        }
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    if (tambemModerna && ids.empty()) {
        const mini::Mascara mo(
            mini::Mascara::TransformaSegmentos(p, [](std::string_view s) { return ChaveOrtografica(s); }));
        auto [a, b] = FaixaOrto(mo.PrefixoLiteral(), true);
        for (size_t i = a; i < b; ++i) {
            const auto id = static_cast<int32_t>(dados_.OrdemOrtografica()[i]);
            if (mo.Casa(dados_.Ortografica(id))) ids.push_back(id);
        }
        std::sort(ids.begin(), ids.end());
    }
    return ids;
}

}  // namespace mini
