#include "GrafiaAntiga.h"

#include <array>

namespace mini {

namespace {

// Base letter of a lower-case letter, or 0 when it is not one we accept.
char32_t LetraBase(char32_t c) {
    if (c >= U'a' && c <= U'z') return c;
    // clang-format off
    switch (c) {
        case U'ç': return c;
        // The tilde is a letter of the stem, not a stress mark ("anãzar").
        case U'ã': case U'õ': return c;
        case U'á': case U'à': case U'â': case U'ä': return U'a';
        case U'é': case U'è': case U'ê': case U'ë': return U'e';
        case U'í': case U'ì': case U'î': case U'ï': return U'i';
        case U'ó': case U'ò': case U'ô': case U'ö': return U'o';
        case U'ú': case U'ù': case U'û': case U'ü': return U'u';
        default: return 0;
    }
    // clang-format on
}

char32_t Minuscula(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}

bool Vogal(char32_t c) { return c == U'a' || c == U'e' || c == U'i' || c == U'o' || c == U'u' || c == U'y'; }

// Words whose doubled c is still written today because both are sounded.
constexpr std::array<std::u32string_view, 5> kCcSonoro = {U"friccionar", U"confeccionar", U"infeccionar",
                                                          U"faccionar", U"succionar"};

}  // namespace

std::optional<std::u32string> GrafiaAntiga::Moderniza(std::u32string_view palavra) {
    std::u32string p;
    p.reserve(palavra.size());
    for (char32_t c : palavra) {
        const char32_t b = LetraBase(Minuscula(c));
        if (b == 0) return std::nullopt;
        p.push_back(b);
    }

    std::u32string q;
    q.reserve(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        const char32_t seguinte = i + 1 < p.size() ? p[i + 1] : 0;
        if (c == U'p' && seguinte == U'h') {
            q.push_back(U'f');
            ++i;
        } else if ((c == U't' || c == U'r') && seguinte == U'h') {
            q.push_back(c);
            ++i;
        } else if (c == U'c' && seguinte == U'h' && i + 2 < p.size() && !Vogal(p[i + 2])) {
            q.push_back(U'c');  // "chr", "chl": a Greek chi, plain c today
            ++i;
        } else if (c == U'h' && i > 0 && p[i - 1] != U'c' && p[i - 1] != U'l' &&
                   (p[i - 1] != U'n' || (i == 2 && p[0] == U'i'))) {
            // a mute h inside the word ("sahir", "adherir", "exhaurir") is
            // gone today; so is the h of in- + h ("inhibir"), nh elsewhere
            // being the letter of "ganhar"
        } else if (c == U'y') {
            q.push_back(U'i');
        } else {
            q.push_back(c);
        }
    }

    bool manterCc = false;
    for (auto excecao : kCcSonoro)
        if (q == excecao) manterCc = true;

    std::u32string r;
    r.reserve(q.size());
    for (std::size_t i = 0; i < q.size(); ++i) {
        const char32_t c = q[i];
        if (!r.empty() && !Vogal(c) && c != U'r' && c != U's' && c != U'ç' && r.back() == c &&
            !(c == U'c' && manterCc))
            continue;
        if (c == U'q' && !r.empty() && r.back() == U'c') r.pop_back();  // "acquiescer"
        r.push_back(c);
    }
    return r;
}

}  // namespace mini
