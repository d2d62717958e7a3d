#include "RegrasGrafia.h"

#include <algorithm>
#include <array>

namespace mini::compilador {
namespace {

enum Condicao : unsigned {
    kQualquer = 0,
    kInicio = 1,    // only at the start of the word
    kFim = 2,       // only at the end (a plural "s" may follow)
    kAntesEI = 4,   // before e or i
    kAntesAOU = 8,  // before a, o, u or a consonant
    kEntreVogais = 16,
    kAposVogal = 32,
    kAntesConsoante = 64,
    kAposPrefixo = 128,      // right after a prefix of those joined since 1990
    kAposElemento = 256,     // after such a prefix or a first element in -o ("anátomo-")
    kAntesOU = 512,          // before o or u
    kDentro = 1024,          // not at the start
    kPOuvido = 2048,         // not where the p is heard: mostly at the start, the Greek wing ("díptero")
    kAposTresLetras = 4096,  // the part before has three letters at least ("in-quarto" stays)
    kFimSingular = 8192,     // only at the very end: no plural "s" may follow
    kNaoTrah = 16384,        // not the Latin trahere of "extrahir", "contrahere"
};

// Prefixes that take a doubled r or s when joined to a word ("contrarregra").
constexpr std::u32string_view kPrefixos[] = {
    U"anti", U"arqui", U"auto", U"contra", U"extra", U"infra",  U"intra", U"macro",   U"micro",
    U"mini", U"multi", U"neo",  U"poli",   U"proto", U"pseudo", U"retro", U"semi",    U"supra",
    U"tele", U"ultra", U"mono", U"entre",  U"sobre", U"foto",   U"hidro", U"electro", U"eletro",
    // Numbers and "para": "dissílabo", "bissemanal", "parassimpático".
    U"di",   U"bi",    U"tri",  U"tetra",  U"penta", U"hexa",   U"quadri", U"enea",   U"deca",
    U"para"};

// The unstressed pronouns a hyphen ties to a verb ("prega-lhe"), and the
// little words inside a compound noun ("barca-das-portas"): their hyphen stays.
constexpr std::u32string_view kCliticos[] = {
    U"de", U"da",  U"do",   U"das", U"dos", U"e",  U"em", U"com", U"del", U"d",   U"me",  U"te",
    U"se", U"lhe", U"lhes", U"o",   U"a",   U"os", U"as", U"lo",  U"la",  U"los", U"las", U"no",
    U"na", U"nos", U"nas",  U"vos", U"mo",  U"ma", U"to", U"ta",  U"lho", U"lha"};

struct Regra {
    std::u32string_view de, para;
    int custo;
    unsigned condicao;
};

// Ordered from the commonest change: among candidates of one cost, the first
// rule's wins.
constexpr Regra kRegras[] = {
    {U"ph", U"f", 1, kQualquer},
    {U"th", U"t", 1, kQualquer},
    {U"rh", U"r", 1, kQualquer},
    {U"y", U"i", 1, kQualquer},
    {U"ý", U"í", 1, kQualquer},
    {U"ct", U"t", 1, kQualquer},
    {U"cç", U"ç", 1, kQualquer},
    {U"pt", U"t", 1, kPOuvido},
    {U"pç", U"ç", 1, kQualquer},
    {U"pc", U"c", 1, kQualquer},
    {U"mpt", U"nt", 1, kQualquer},
    {U"mph", U"nf", 1, kQualquer},                 // "lympha", "amphíbio": linfa, anfíbio
    {U"san", U"são", 1, kInicio | kFimSingular},  // the saint: "erva-de-san-joão"
    {U"an", U"ã", 1, kFim},                        // "maçan", "alleman": maçã, alemã
    {U"mn", U"n", 1, kQualquer},
    {U"gm", U"m", 1, kQualquer},
    {U"gn", U"n", 1, kQualquer},
    {U"bt", U"t", 1, kQualquer},
    {U"bs", U"s", 2, kQualquer},
    {U"sc", U"c", 1, kInicio | kAntesEI},
    {U"ps", U"s", 1, kInicio},
    // The h after a prefix went with it: "inhumano", "deshonesto", "exhalar";
    // other prefixes keep it behind a hyphen: "anti-higiênico", "pré-histórico".
    {U"inh", U"in", 1, kInicio},
    {U"desh", U"des", 1, kInicio},
    {U"exh", U"ex", 1, kQualquer},
    {U"h", U"-h", 1, kAposPrefixo | kNaoTrah},
    {U"preh", U"pré-h", 1, kInicio},
    {U"subh", U"sub-h", 1, kInicio},
    {U"subr", U"sub-r", 1, kInicio},
    {U"circum", U"circun", 1, kInicio},  // "circumscrever", "circunscrever"
    // A Latin s before a consonant took an e: "scala", "sphera".
    {U"s", U"es", 2, kInicio | kAntesConsoante},
    {U"g", U"j", 2, kAntesEI},
    {U"ch", U"x", 2, kQualquer},
    {U"ss", U"c", 2, kAntesEI},
    {U"ch", U"qu", 1, kAntesEI},
    {U"ch", U"c", 1, kAntesAOU},
    {U"bb", U"b", 1, kQualquer},
    {U"cc", U"c", 1, kQualquer},
    {U"dd", U"d", 1, kQualquer},
    {U"ff", U"f", 1, kQualquer},
    {U"gg", U"g", 1, kQualquer},
    {U"ll", U"l", 1, kQualquer},
    {U"mm", U"m", 1, kQualquer},
    {U"nn", U"n", 1, kQualquer},
    {U"pp", U"p", 1, kQualquer},
    {U"tt", U"t", 1, kQualquer},
    {U"zz", U"z", 1, kQualquer},
    {U"éa", U"eia", 1, kQualquer},
    {U"éo", U"éu", 1, kFim},
    {U"eo", U"eu", 1, kFim},
    {U"ae", U"ai", 1, kFim},
    {U"ao", U"au", 1, kFim},
    {U"io", U"iu", 1, kFim},
    {U"uo", U"uu", 2, kFim},
    {U"ez", U"ês", 1, kFim},
    {U"h", U"", 1, kEntreVogais},
    {U"h", U"", 2, kInicio | kAntesOU},
    {U"z", U"s", 2, kEntreVogais},
    {U"s", U"z", 2, kEntreVogais},
    {U"k", U"c", 2, kAntesAOU},
    {U"k", U"qu", 2, kAntesEI},
    {U"w", U"v", 2, kQualquer},
    {U"ss", U"ç", 2, kQualquer},
    {U"ç", U"ss", 2, kQualquer},
    {U"ç", U"s", 2, kInicio},
    {U"x", U"s", 2, kAntesConsoante},
    {U"ea", U"eia", 2, kFim},
    // The same joining written without a hyphen: "ultrasensível", "contraregra".
    {U"s", U"ss", 2, kEntreVogais | kAposPrefixo},
    {U"r", U"rr", 2, kEntreVogais | kAposPrefixo},
    // "quási" is "quase", but "áxis" is no plural of anything; a Greek -sis
    // is -se today ("lithíasis", "litíase").
    {U"i", U"e", 3, kFimSingular},
    {U"ãi", U"ãe", 1, kFim},  // "mãi", "mãys": "mãe", "mães"
    {U"sis", U"se", 2, kFimSingular},
    // Accents: dropped, or acute and circumflex swapped, cheaply; added dearly.
    {U"á", U"a", 1, kQualquer},
    {U"à", U"a", 1, kDentro},  // at the start it is a contraction ("àmão")
    {U"â", U"a", 1, kQualquer},
    {U"é", U"e", 1, kQualquer},
    {U"ê", U"e", 1, kQualquer},
    {U"í", U"i", 1, kQualquer},
    {U"ó", U"o", 1, kQualquer},
    {U"ô", U"o", 1, kQualquer},
    {U"ú", U"u", 1, kQualquer},
    {U"ü", U"u", 1, kQualquer},
    {U"è", U"e", 1, kQualquer},
    {U"ò", U"o", 1, kQualquer},
    {U"ì", U"i", 1, kQualquer},
    {U"ù", U"u", 1, kQualquer},
    {U"é", U"ê", 1, kQualquer},
    {U"ê", U"é", 1, kQualquer},
    {U"ó", U"ô", 1, kQualquer},
    {U"ô", U"ó", 1, kQualquer},
    {U"á", U"â", 1, kQualquer},
    {U"â", U"á", 1, kQualquer},
    {U"a", U"á", 2, kQualquer},
    {U"e", U"é", 2, kQualquer},
    {U"e", U"ê", 2, kQualquer},
    {U"i", U"í", 2, kQualquer},
    {U"o", U"ó", 2, kQualquer},
    {U"o", U"ô", 2, kQualquer},
    {U"u", U"ú", 2, kQualquer},
    // The hiatus 1913 left unmarked: "egoistico", "dicroismo".
    {U"i", U"í", 2, kAposVogal},
    {U"u", U"ú", 2, kAposVogal},
    // A prefix joined to the word since 1990: "contra-regra", "auto-estrada".
    {U"-r", U"rr", 1, kAposVogal | kAposElemento},
    {U"-s", U"ss", 1, kAposVogal | kAposElemento},
    {U"-", U"", 1, kAposTresLetras},
};

bool EhConsoante(char32_t c) { return c >= U'a' && c <= U'z' && !RegrasGrafia::EhVogal(c); }

bool Vale(const Regra& r, const std::u32string& p, size_t i) {
    const size_t fim = i + r.de.size();
    const char32_t prox = fim < p.size() ? p[fim] : 0;
    if ((r.condicao & kInicio) && i != 0) return false;
    if ((r.condicao & kDentro) && i == 0) return false;
    if (r.condicao & kPOuvido) {
        // "ptoma", "pterna", "áptero", "dipterologia": the p of a Greek start
        // or of "-ptero" is spoken and stays; only "ptisana" and "ptyalina" lost it.
        if (i == 0 && RegrasGrafia::BaseVogal(prox) != U'i') return false;
        if (i == 1 && RegrasGrafia::BaseVogal(p[0]) == U'a') return false;
        if (fim + 1 < p.size() && RegrasGrafia::BaseVogal(p[fim]) == U'e' && p[fim + 1] == U'r') return false;
    }
    if (r.condicao & kAposTresLetras) {
        const size_t h = i == 0 ? std::u32string::npos : p.rfind(U'-', i - 1);
        if (i - (h == std::u32string::npos ? 0 : h + 1) < 3) return false;
    }
    if ((r.condicao & kFim) && !(fim == p.size() || (fim + 1 == p.size() && p[fim] == U's'))) return false;
    if ((r.condicao & kFimSingular) && fim != p.size()) return false;
    if ((r.condicao & kNaoTrah) && i >= 3 && p.compare(i - 3, 3, U"tra") == 0 &&
        (RegrasGrafia::BaseVogal(prox) == U'i' || RegrasGrafia::BaseVogal(prox) == U'e'))
        return false;
    if ((r.condicao & kAntesEI) &&
        !(prox == U'e' || prox == U'i' || prox == U'é' || prox == U'ê' || prox == U'í'))
        return false;
    if ((r.condicao & kAntesAOU) &&
        !(prox != 0 && (EhConsoante(prox) || RegrasGrafia::BaseVogal(prox) == U'a' ||
                        RegrasGrafia::BaseVogal(prox) == U'o' || RegrasGrafia::BaseVogal(prox) == U'u')))
        return false;
    if ((r.condicao & kAntesConsoante) && !EhConsoante(prox)) return false;
    if ((r.condicao & (kEntreVogais | kAposVogal)) && (i == 0 || !RegrasGrafia::EhVogal(p[i - 1])))
        return false;
    if ((r.condicao & kEntreVogais) && !RegrasGrafia::EhVogal(prox)) return false;
    if (r.condicao & (kAposPrefixo | kAposElemento)) {
        const std::u32string_view antes = std::u32string_view(p).substr(0, i);
        const bool prefixo = std::any_of(std::begin(kPrefixos), std::end(kPrefixos),
                                         [&](std::u32string_view x) { return antes == x; });
        const bool elemento = (r.condicao & kAposElemento) && antes.size() > 2 && antes.back() == U'o';
        if (!prefixo && !elemento) return false;
    }
    if ((r.condicao & kAntesOU) && RegrasGrafia::BaseVogal(prox) != U'o' &&
        RegrasGrafia::BaseVogal(prox) != U'u')
        return false;
    return r.de.front() != U'-' || RegrasGrafia::JuntaHifen(p, i);
}

}  // namespace

bool RegrasGrafia::EhVogal(char32_t c) { return BaseVogal(c) != 0; }

char32_t RegrasGrafia::BaseVogal(char32_t c) {
    // clang-format off
    switch (c) {
        case U'a': case U'á': case U'à': case U'â': case U'ã': return U'a';
        case U'e': case U'é': case U'ê': case U'è': return U'e';
        case U'i': case U'í': case U'y': case U'ý': case U'ì': return U'i';
        case U'o': case U'ó': case U'ô': case U'õ': case U'ò': return U'o';
        case U'u': case U'ú': case U'ü': case U'ù': return U'u';
        default: return 0;
            // clang-format on
    }
}

bool RegrasGrafia::SoMarcaHiato(std::u32string_view antes, std::u32string_view depois) {
    if (antes.size() != depois.size()) return false;
    size_t diferencas = 0, lugar = 0;
    for (size_t i = 0; i < antes.size(); ++i)
        if (antes[i] != depois[i]) {
            ++diferencas;
            lugar = i;
        }
    if (diferencas != 1 || lugar == 0 || !EhVogal(antes[lugar - 1])) return false;
    if (lugar >= 2 && antes[lugar - 1] == U'u' && (antes[lugar - 2] == U'q' || antes[lugar - 2] == U'g'))
        return false;
    return (antes[lugar] == U'i' && depois[lugar] == U'í') || (antes[lugar] == U'u' && depois[lugar] == U'ú');
}

bool RegrasGrafia::JuntaHifen(const std::u32string& p, size_t i) {
    // A part of one or two letters before it is a Latin word or a
    // preposition, not a prefix ("in-quarto").
    const size_t h = i == 0 ? std::u32string::npos : p.rfind(U'-', i - 1);
    if (i - (h == std::u32string::npos ? 0 : h + 1) < 3) return false;
    const size_t ini = i + 1, fim = std::min(p.find(U'-', ini), p.size());
    // Accents aside: an accent rewrite must not make "das" joinable as "dás".
    std::u32string depois = p.substr(ini, fim - ini);
    for (char32_t& c : depois)
        if (EhVogal(c)) c = BaseVogal(c);
    return std::none_of(std::begin(kCliticos), std::end(kCliticos),
                        [&](std::u32string_view x) { return depois == x; });
}

std::pair<int, char32_t> RegrasGrafia::TonicaPrincipal(std::u32string_view p) {
    // An adverb is stressed on its -mente; the accent of its adjective went
    // in 1971 ("harmónicamente", "harmonicamente").
    constexpr std::u32string_view kMente = U"mente";
    if (p.size() > kMente.size() + 2 && p.substr(p.size() - kMente.size()) == kMente) return Tonica(kMente);
    size_t fim = p.size();
    while (fim > 0) {
        const size_t h = p.rfind(U'-', fim - 1);
        const size_t ini = h == std::u32string_view::npos ? 0 : h + 1;
        const std::u32string_view parte = p.substr(ini, fim - ini);
        const bool pronome = ini > 0 && std::any_of(std::begin(kCliticos), std::end(kCliticos),
                                                    [&](std::u32string_view x) { return parte == x; });
        if (!pronome) return Tonica(parte);
        fim = h;
    }
    return Tonica(p);
}

void RegrasGrafia::Vizinhos(const std::u32string& p, std::vector<std::pair<std::u32string, int>>& saida,
                            int custoMaximo) {
    for (const Regra& r : kRegras) {
        if (r.custo > custoMaximo) continue;
        for (size_t i = p.find(r.de); i != std::u32string::npos; i = p.find(r.de, i + 1)) {
            if (!Vale(r, p, i)) continue;
            std::u32string n;
            n.reserve(p.size() - r.de.size() + r.para.size());
            n.append(p, 0, i).append(r.para).append(p, i + r.de.size());
            saida.emplace_back(std::move(n), r.custo);
        }
    }
}

std::pair<int, char32_t> RegrasGrafia::Tonica(std::u32string_view p) {
    // The vowels that make a syllable: an unaccented i or u after a vowel is
    // a glide ("pai", "mau"), so is the u of "qu"/"gu" before a vowel, the
    // vowel after ã/õ ("mão", "põe") and a final e/o after a, é or ó ("pae",
    // "chapéo").
    std::vector<size_t> nucleos;
    size_t ultimaVogal = std::u32string_view::npos;
    size_t uDeQu = std::u32string_view::npos;  // the silent u of "qu"/"gu" is no vowel
    for (size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        if (!EhVogal(c)) continue;
        ultimaVogal = i;
        const char32_t ant = i > 0 ? p[i - 1] : 0;
        const char32_t prox = i + 1 < p.size() ? p[i + 1] : 0;
        const bool aposVogal = i > 0 && EhVogal(ant) && uDeQu != i - 1;
        if (c == U'u' && (ant == U'q' || ant == U'g') && EhVogal(prox)) {
            uDeQu = i;
            continue;
        }
        // ... but not when a final r, l, z, m or n closes its syllable: "ca-ir",
        // "ra-iz", "pa-ul", "ra-i-nha".
        const char32_t depois = i + 2 < p.size() ? p[i + 2] : 0;
        const bool fecha = (prox == U'r' || prox == U'l' || prox == U'z' || prox == U'm' || prox == U'n') &&
                           (depois == 0 || !EhVogal(depois));
        if ((c == U'i' || c == U'u' || c == U'y') && aposVogal && !fecha) continue;
        if (aposVogal && (ant == U'ã' || ant == U'õ') && (c == U'o' || c == U'e')) continue;
        const bool final = i + 1 == p.size() || (i + 2 == p.size() && p[i + 1] == U's');
        if (final && aposVogal && (c == U'e' || c == U'o') && (ant == U'a' || ant == U'é' || ant == U'ó'))
            continue;
        nucleos.push_back(i);
    }
    if (nucleos.empty()) return {-1, 0};
    const int n = static_cast<int>(nucleos.size());
    auto resposta = [&](int k) { return std::pair<int, char32_t>{n - 1 - k, BaseVogal(p[nucleos[k]])}; };
    int agudo = -1, til = -1;
    for (int k = 0; k < n; ++k) {
        switch (p[nucleos[k]]) {
            case U'á':
            case U'é':
            case U'í':
            case U'ó':
            case U'ú':
            case U'â':
            case U'ê':
            case U'ô':
            case U'ý': agudo = k; break;
            case U'ã':
            case U'õ': til = k; break;
            default: break;
        }
    }
    if (agudo >= 0) return resposta(agudo);
    if (til >= 0) return resposta(til);
    std::u32string_view r = p;
    if (!r.empty() && r.back() == U's') r.remove_suffix(1);
    const char32_t u = r.empty() ? 0 : r.back();
    // A word ending in a diphthong ("pai", "chapéu", "vestaes") is stressed
    // on it.
    const bool ditongo = ultimaVogal != nucleos.back();
    const bool grave =
        !ditongo && (u == U'a' || u == U'e' || u == U'o' ||
                     (r.size() >= 2 && (r.substr(r.size() - 2) == U"am" || r.substr(r.size() - 2) == U"em" ||
                                        r.substr(r.size() - 2) == U"en")));
    return resposta(grave && n >= 2 ? n - 2 : n - 1);
}

}  // namespace mini::compilador
