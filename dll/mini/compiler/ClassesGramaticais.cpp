#include "ClassesGramaticais.h"

#include <string_view>

#include "LeitorDicionario.h"
#include "mini/Normaliza.h"

namespace mini::compilador {
namespace {

std::vector<std::string> Tokens(const std::string& parte) {
    std::vector<std::string> r;
    std::string atual;
    for (char c : parte + " ") {
        if (c == ' ' || c == '.' || c == '(' || c == ')' || c == '?') {
            if (!atual.empty()) r.push_back(atual);
            atual.clear();
        } else {
            atual.push_back(c);
        }
    }
    return r;
}

bool Contem(const std::vector<std::string>& tokens, std::initializer_list<std::string_view> nomes) {
    for (const auto& t : tokens)
        for (auto n : nomes)
            if (t == n) return true;
    return false;
}

// Foreign words used as they are: the book's braces, or an etymology that
// only says "term of" a foreign language whose words keep their form.
bool EhEstrangeira(const FonteVerbete& v) {
    if (v.estrangeiro) return true;
    for (const auto& e : v.etimologias) {
        for (std::string_view lingua : {"(T. lat.)", "(T. it.)", "(T. fr.)", "(T. ingl.)", "(T. al.)"})
            if (e.texto == lingua) return true;
    }
    return false;
}

bool EhGiria(const FonteVerbete& v) {
    for (const auto& s : v.sentidos)
        for (const auto& r : s.rotulos)
            if (MinusculasUtf8(r.texto).starts_with("gír")) return true;
    return false;
}

bool EhNumeral(const FonteVerbete& v) {
    for (const auto& s : v.sentidos) {
        if (s.linhas.empty() || !(ClassesGramaticais::DoRotulo(s.classe) & Bit(kAdjetivo))) continue;
        const std::string& def = s.linhas.front();
        if (def.starts_with("Diz-se do número") || def.find("número cardinal") != std::string::npos ||
            def.find("número ordinal") != std::string::npos)
            return true;
    }
    return false;
}

// Some senses have no class label of their own and open the definition with
// it in italics instead ("_v. t._ (e der)", "1. _m._ ..."): that is their class.
std::string RotuloNaDefinicao(const Sentido& s) {
    if (s.linhas.empty()) return {};
    std::string_view l = s.linhas.front();
    size_t i = 0;
    while (i < l.size() && l[i] >= '0' && l[i] <= '9') ++i;
    if (i > 0) {
        if (i >= l.size() || l[i] != '.') return {};
        ++i;
        while (i < l.size() && l[i] == ' ') ++i;
    }
    if (i >= l.size() || l[i] != '_') return {};
    const size_t fim = l.find('_', i + 1);
    constexpr size_t kMaiorRotulo = 30;
    if (fim == std::string_view::npos || fim - i - 1 > kMaiorRotulo) return {};
    return std::string(l.substr(i + 1, fim - i - 1));
}

}  // namespace

std::vector<std::string> ClassesGramaticais::Partes(const std::string& classe) {
    std::vector<std::string> partes;
    const std::string s = ColapsaEspacos(classe);
    size_t ini = 0;
    while (ini <= s.size()) {
        size_t fim = s.size(), salto = 0;
        for (std::string_view sep : {" e ", " ou ", ","}) {
            size_t p = s.find(sep, ini);
            if (p != std::string::npos && p < fim) {
                fim = p;
                salto = sep.size();
            }
        }
        std::string parte = ColapsaEspacos(s.substr(ini, fim - ini));
        if (!parte.empty()) partes.push_back(parte);
        if (fim == s.size()) break;
        ini = fim + salto;
    }
    return partes;
}

uint16_t ClassesGramaticais::DoRotulo(const std::string& classe) {
    uint16_t bits = 0;
    for (const auto& parte : Partes(MinusculasUtf8(classe))) {
        const auto t = Tokens(parte);
        if (Contem(t, {"part"})) continue;  // "part. irr. de ...": a participle form
        uint16_t b = 0;
        if (Contem(t, {"v"})) b |= Bit(kVerbo);
        if (Contem(t, {"adj"})) b |= Bit(kAdjetivo);
        if (Contem(t, {"adv"})) b |= Bit(kAdverbio);
        if (Contem(t, {"art"})) b |= Bit(kArtigo);
        if (Contem(t, {"conj", "conjunct"})) b |= Bit(kConjuncao);
        if (Contem(t, {"pref", "suf"})) b |= Bit(kElemento);
        if (Contem(t, {"interj"})) b |= Bit(kInterjeicao);
        if (Contem(t, {"num", "numer"})) b |= Bit(kNumeral);
        if (Contem(t, {"prep", "prepos"})) b |= Bit(kPreposicao);
        if (Contem(t, {"pron"})) b |= Bit(kPronome);
        // Gender and number marks name a noun only when nothing else does.
        if (b == 0 && Contem(t, {"m", "f", "s", "fem", "pl", "sing", "subst"})) b |= Bit(kSubstantivo);
        bits |= b;
    }
    return bits;
}

bool ClassesGramaticais::EhClasseVerbal(const std::string& classe) {
    return (DoRotulo(classe) & Bit(kVerbo)) != 0;
}

uint16_t ClassesGramaticais::DoVerbete(const FonteVerbete& v) {
    uint16_t bits = 0;
    for (const auto& s : v.sentidos) bits |= DoRotulo(s.classe.empty() ? RotuloNaDefinicao(s) : s.classe);
    if (EhNumeral(v)) bits |= Bit(kNumeral);
    if (EhGiria(v)) bits |= Bit(kGiria);
    if (EhEstrangeira(v)) bits |= Bit(kEstrangeira);
    return bits;
}

}  // namespace mini::compilador
