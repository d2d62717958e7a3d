#include "FlexaoNominal.h"

#include <algorithm>
#include <cstdint>

#include "mini/Normaliza.h"

namespace mini {
namespace {

using U = std::u32string;
using UV = std::u32string_view;

bool Termina(UV s, UV fim) { return s.size() >= fim.size() && s.substr(s.size() - fim.size()) == fim; }

bool Acentuada(char32_t c) {
    // clang-format off
    switch (c) {
        case U'á': case U'à': case U'â': case U'ã': case U'é': case U'ê':
        case U'í': case U'ó': case U'ô': case U'õ': case U'ú':
            return true;
        default:
            return false;
    }
    // clang-format on
}

bool Vogal(char32_t c) {
    return c == U'a' || c == U'e' || c == U'i' || c == U'o' || c == U'u' || Acentuada(c);
}

bool Letra(char32_t c) { return (c >= U'a' && c <= U'z') || c == U'ç' || Vogal(c) || c == U'ü'; }

char32_t SemAcento(char32_t c) {
    switch (c) {
        case U'á':
        case U'à':
        case U'â': return U'a';
        case U'é':
        case U'ê': return U'e';
        case U'í': return U'i';
        case U'ó':
        case U'ô': return U'o';
        case U'ú': return U'u';
        default: return c;
    }
}

bool TemAcento(UV s) { return std::any_of(s.begin(), s.end(), Acentuada); }

// Vowel groups: a rough syllable count, enough to tell "mês" from "inglês".
int Silabas(UV s) {
    int n = 0;
    bool antes = false;
    for (char32_t c : s) {
        const bool v = Vogal(c);
        if (v && !antes) ++n;
        antes = v;
    }
    return n;
}

// Lists are keyed by the spelling-bridge key, so the 1913 spelling of a
// word ("allemão") finds the same row as today's.
std::string Chave(UV palavra) { return ChaveOrtografica(ChaveDobrada(CodificaUtf8(palavra))); }

template <std::size_t N>
bool Na(const std::string_view (&lista)[N], std::string_view chave) {
    return std::find(std::begin(lista), std::end(lista), chave) != std::end(lista);
}

// Plurals of -ão other than -ões; the third list keeps -ões beside them.
// clang-format off
constexpr std::string_view kAes[] = {
    "alemao", "cao", "capitao", "capelao", "catalao", "charlatao", "escrivao", "macapao", "pao",
    "sacristao", "tabeliao", "guardiao", "deao", "bastiao", "sultao", "faisao", "tecelao",
    "ermitao", "aldeao", "anciao", "cirurgiao", "rufiao"};
constexpr std::string_view kAos[] = {
    "mao", "irmao", "cidadao", "cristao", "grao", "chao", "vao", "sao", "pagao", "cortesao",
    "desvao", "corrimao", "anciao", "verao", "vilao", "aldeao", "ermitao", "castelao", "zangao",
    "temporao"};
constexpr std::string_view kTambemOes[] = {
    "anciao", "aldeao", "ermitao", "vilao", "verao", "sultao", "guardiao", "bastiao", "faisao",
    "tecelao", "rufiao", "zangao", "cirurgiao", "charlatao", "corrimao", "castelao", "deao"};

// Feminines of -ão: -ã, -oa; an adjective not listed takes -ona.
constexpr std::string_view kFemA[] = {
    "alemao", "cristao", "pagao", "cidadao", "aldeao", "anciao", "anao", "campeao", "charlatao",
    "cortesao", "irmao", "orfao", "sacristao", "temporao", "vilao", "catalao", "capitao",
    "guardiao", "chao", "bretao", "parmesao", "lapao", "tabeliao", "sao", "vao", "castelao",
    "ermitao", "escrivao", "cirurgiao"};
constexpr std::string_view kFemOa[] = {"leao", "patrao", "beirao", "ermitao", "leitao", "pavao",
                                       "hortelao", "tabeliao", "varao"};

// Adjectives in -or and -ês that keep one form for both genders.
constexpr std::string_view kUniformes[] = {
    "melhor", "pior", "maior", "menor", "superior", "inferior", "anterior", "posterior",
    "exterior", "interior", "ulterior", "citerior", "cortes", "descortes", "incolor", "multicor",
    "tricolor", "bicolor", "sensor"};

struct Par {
    UV de, para;
};

constexpr Par kPluraisIrregulares[] = {
    {U"mal", U"males"}, {U"cônsul", U"cônsules"}, {U"caráter", U"caracteres"},
    {U"carácter", U"caracteres"}, {U"júnior", U"juniores"}, {U"sênior", U"seniores"},
    {U"qualquer", U"quaisquer"}, {U"cal", U"cales"}, {U"aval", U"avales"}};

// Feminines not made by an ending rule; several pairs are heteronyms the
// grammar still teaches with the inflection (avô, avó).
constexpr Par kFemininosIrregulares[] = {
    {U"mau", U"má"}, {U"bom", U"boa"}, {U"avô", U"avó"}, {U"réu", U"ré"}, {U"judeu", U"judia"},
    {U"sandeu", U"sandia"}, {U"ilhéu", U"ilhoa"}, {U"herói", U"heroína"}, {U"rei", U"rainha"},
    {U"ator", U"atriz"}, {U"actor", U"actriz"}, {U"imperador", U"imperatriz"},
    {U"embaixador", U"embaixatriz"}, {U"cru", U"crua"}, {U"nu", U"nua"}, {U"ladrão", U"ladra"},
    {U"barão", U"baronesa"}, {U"conde", U"condessa"}, {U"duque", U"duquesa"},
    {U"príncipe", U"princesa"}, {U"abade", U"abadessa"}, {U"poeta", U"poetisa"},
    {U"profeta", U"profetisa"}, {U"sacerdote", U"sacerdotisa"}, {U"czar", U"czarina"},
    {U"deus", U"deusa"}, {U"cônsul", U"consulesa"}, {U"espanhol", U"espanhola"},
    {U"galo", U"galinha"}, {U"marquês", U"marquesa"}, {U"senhor", U"senhora"}, {U"frade", U"freira"}, {U"pigmeu", U"pigmeia"}};
// clang-format on

const Par* Procura(const Par* inicio, const Par* fim, UV palavra) {
    const Par* p = std::find_if(inicio, fim, [&](const Par& x) { return x.de == palavra; });
    return p == fim ? nullptr : p;
}

std::vector<U> PluraisU(const U& p) {
    if (p.size() < 2) return {};
    if (const Par* x = Procura(std::begin(kPluraisIrregulares), std::end(kPluraisIrregulares), p))
        return {U(x->para)};
    const char32_t ultima = p.back();
    const char32_t penultima = p[p.size() - 2];
    if (Termina(p, U"ão")) {
        const U radical = p.substr(0, p.size() - 2);
        // An unstressed -ão (órgão, órfão, bênção) only takes the -s.
        if (TemAcento(radical)) return {radical + U"ãos"};
        const std::string k = Chave(p);
        std::vector<U> r;
        if (Na(kAes, k)) r.push_back(radical + U"ães");
        if (Na(kAos, k)) r.push_back(radical + U"ãos");
        if (r.empty() || Na(kTambemOes, k)) r.push_back(radical + U"ões");
        return r;
    }
    if (Vogal(ultima)) return {p + U"s"};
    const U radical = p.substr(0, p.size() - 1);
    const U semFim = p.substr(0, p.size() - 2);
    // A written accent before the last syllable means the stress is there.
    const bool paroxitona = TemAcento(semFim);
    switch (ultima) {
        case U'm': return {radical + U"ns"};
        case U'r':
        case U'z': return {p + U"es"};
        case U'n': return {p + U"s"};
        case U'l':
            switch (SemAcento(penultima)) {
                case U'a': return {semFim + U"ais"};
                case U'e': return {semFim + (paroxitona ? U"eis" : U"éis")};
                case U'i': return {semFim + (paroxitona ? U"eis" : U"is")};
                case U'o': return {semFim + (paroxitona ? U"ois" : U"óis")};
                case U'u': return {semFim + U"uis"};
                default: return {};
            }
        case U's': {
            if (Acentuada(penultima)) {
                // país -> países keeps the accent of the hiatus; mês -> meses drops it.
                const bool hiato =
                    (penultima == U'í' || penultima == U'ú') && p.size() >= 3 && Vogal(p[p.size() - 3]);
                U base = radical;
                if (!hiato) base.back() = SemAcento(base.back());
                return {base + U"ses"};
            }
            // "cais", "pires", "lápis" do not change; "deus", "anis", "obus"
            // (stressed on the last syllable) take -es.
            const bool ditongoEmI = penultima == U'i' && p.size() >= 3 && Vogal(p[p.size() - 3]);
            if (ditongoEmI) return {};
            if (Silabas(p) == 1) return {p + U"es"};
            if ((penultima == U'i' || penultima == U'u') && !TemAcento(p) && !Vogal(p[p.size() - 3]))
                return {p + U"es"};
            return {};
        }
        default: return {};
    }
}

std::vector<U> FemininosU(const U& p, bool adjetivo) {
    if (p.size() < 2) return {};
    if (const Par* x = Procura(std::begin(kFemininosIrregulares), std::end(kFemininosIrregulares), p))
        return {U(x->para)};
    if (Termina(p, U"ão")) {
        const std::string k = Chave(p);
        const U radical = p.substr(0, p.size() - 2);
        std::vector<U> r;
        if (Na(kFemA, k)) r.push_back(radical + U"ã");
        if (Na(kFemOa, k)) r.push_back(radical + U"oa");
        // The augmentatives (comilão, valentão) have two syllables or more.
        if (r.empty() && adjetivo && !TemAcento(radical) && Silabas(p) > 1) r.push_back(radical + U"ona");
        return r;
    }
    const bool polissilabo = Silabas(p) > 1;
    if ((Termina(p, U"or") || Termina(p, U"ês")) && Na(kUniformes, Chave(p))) return {};
    if (Termina(p, U"ês") && polissilabo) return {p.substr(0, p.size() - 2) + U"esa"};
    if (Termina(p, U"dor") || Termina(p, U"tor") || Termina(p, U"sor")) return {p + U"a"};
    if (!adjetivo) return {};
    if (Termina(p, U"or") && polissilabo) return {p + U"a"};
    if (Termina(p, U"eu") && polissilabo) return {p.substr(0, p.size() - 1) + U"ia"};
    if (p.back() == U'o' && polissilabo) return {p.substr(0, p.size() - 1) + U"a"};
    return {};
}

bool Flexionavel(const U& p) { return p.size() >= 2 && std::all_of(p.begin(), p.end(), Letra); }

std::vector<std::string> Codifica(const std::vector<U>& formas) {
    std::vector<std::string> r;
    r.reserve(formas.size());
    for (const U& f : formas) r.push_back(CodificaUtf8(f));
    return r;
}

}  // namespace

std::vector<std::string> FlexaoNominal::Plurais(std::string_view palavra) {
    const U p = DecodificaUtf8(palavra);
    return Flexionavel(p) ? Codifica(PluraisU(p)) : std::vector<std::string>{};
}

std::vector<std::string> FlexaoNominal::Femininos(std::string_view palavra, bool adjetivo) {
    const U p = DecodificaUtf8(palavra);
    return Flexionavel(p) ? Codifica(FemininosU(p, adjetivo)) : std::vector<std::string>{};
}

std::vector<std::string> FlexaoNominal::Formas(std::string_view palavra, bool substantivo, bool adjetivo) {
    const U p = DecodificaUtf8(palavra);
    if (!(substantivo || adjetivo) || !Flexionavel(p)) return {};
    std::vector<U> formas = PluraisU(p);
    for (const U& f : FemininosU(p, adjetivo)) {
        formas.push_back(f);
        for (U& pl : PluraisU(f)) formas.push_back(std::move(pl));
    }
    std::vector<U> unicas;
    for (U& f : formas)
        if (f != p && std::find(unicas.begin(), unicas.end(), f) == unicas.end())
            unicas.push_back(std::move(f));
    return Codifica(unicas);
}

}  // namespace mini
