#include "GrafiaModerna.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "RegrasGrafia.h"
#include "mini/Normaliza.h"

namespace mini::compilador {
namespace {

// Enough for three or four rewrites in a word; words that need more are
// rare and the guesses would be wild.
constexpr int kCustoMaximo = 4;
constexpr size_t kMaximoEstados = 1500;
constexpr size_t kMaximoConsultas = 250;

bool EhMaiuscula(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }

bool EhLetraMinuscula(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= 0xDF && c <= 0xFF && c != 0xF7);
}

// Whether p[i] is a consonant 1990 silenced in Portugal too: the c or p of
// "acto", "excepção", "accionar".
bool EhMuda(std::u32string_view p, size_t i) {
    return (p[i] == U'c' || p[i] == U'p') && i + 1 < p.size() &&
           (p[i + 1] == U't' || p[i + 1] == U'ç' || p[i + 1] == U'c');
}

bool TemConsoanteMuda(const std::u32string& p) {
    for (size_t i = 0; i < p.size(); ++i)
        if (EhMuda(p, i)) return true;
    return false;
}

// The word without those consonants.
std::u32string SemMudas(const std::u32string& p) {
    std::u32string r;
    for (size_t i = 0; i < p.size(); ++i)
        if (!EhMuda(p, i)) r += p[i];
    return r;
}

// Whether depois is antes with some of those consonants dropped and nothing
// else changed ("excepção", "exceção"; "assumpto", "assunto"), so the
// European form of a word Brazil keeps is never another word ("recessão").
bool SoTiraMudas(std::u32string_view antes, std::u32string_view depois) {
    if (antes.empty()) return depois.empty();
    if (EhMuda(antes, 0) && SoTiraMudas(antes.substr(1), depois)) return true;
    // "mpt" is "nt" once the p goes.
    if (antes.substr(0, 3) == U"mpt" && depois.substr(0, 2) == U"nt")
        return SoTiraMudas(antes.substr(3), depois.substr(2));
    return !depois.empty() && antes[0] == depois[0] && SoTiraMudas(antes.substr(1), depois.substr(1));
}

}  // namespace

GrafiaModerna::GrafiaModerna(VerificadorOrtografico& brasil, VerificadorOrtografico* portugal)
    : brasil_(brasil), portugal_(portugal) {}

bool GrafiaModerna::Derivavel(const std::string& palavra) {
    const std::u32string u = DecodificaUtf8(palavra);
    if (u.empty() || u.front() == U'-' || u.back() == U'-') return false;
    // A hyphenated name ("To-kio") is no compound the rules know, and a
    // one-letter first part is a preposition ("á-tôa", "a-par").
    const size_t hifen = u.find(U'-');
    if (hifen != std::u32string::npos && (EhMaiuscula(u.front()) || hifen == 1)) return false;
    for (size_t i = 0; i < u.size(); ++i) {
        if (u[i] == U'-') {
            if (u[i - 1] == U'-') return false;
        } else if (!EhLetraMinuscula(u[i]) && !(i == 0 && EhMaiuscula(u[i]))) {
            return false;
        }
    }
    return true;
}

bool GrafiaModerna::Aceita(VerificadorOrtografico& lista, std::unordered_map<std::u32string, bool>& memoria,
                           const std::u32string& palavra) {
    auto it = memoria.find(palavra);
    if (it != memoria.end()) return it->second;
    // A hyphenated word is a word of today when each of its parts is.
    bool ok = !palavra.empty();
    for (size_t ini = 0; ok && ini <= palavra.size();) {
        size_t fim = palavra.find(U'-', ini);
        if (fim == std::u32string::npos) fim = palavra.size();
        if (fim == ini) {
            ok = false;
        } else if (fim == palavra.size() && ini == 0) {
            ok = lista.Aceita(CodificaUtf8(palavra));
        } else {
            ok = Aceita(lista, memoria, palavra.substr(ini, fim - ini));
        }
        ini = fim + 1;
    }
    memoria.emplace(palavra, ok);
    return ok;
}

std::u32string GrafiaModerna::Escrita(const std::u32string& p) const {
    if (!maiuscula_ || p.empty()) return p;
    std::u32string r = p;
    r[0] = EhLetraMinuscula(r[0]) && r[0] != 0xDF && r[0] != 0xFF ? r[0] - 32 : r[0];
    return r;
}

std::u32string GrafiaModerna::Procura(const std::u32string& palavra, const Criterio& aceita) {
    Busca& b = busca_;
    if (b.niveis.empty() || b.palavra != palavra || b.semTonica != semTonica_) {
        b.palavra = palavra;
        b.semTonica = semTonica_;
        b.tonica = RegrasGrafia::TonicaPrincipal(palavra);
        b.niveis.assign(kCustoMaximo + 1, {});
        b.mesma.assign(kCustoMaximo + 1, {});
        b.vistos.clear();
        b.vistos.insert(palavra);
        b.niveis[0].push_back(palavra);
        b.mesma[0].push_back(-1);
        b.expandidos = 0;
    }
    size_t consultas = 0;
    std::vector<std::pair<std::u32string, int>>& vizinhos = b.vizinhos;
    for (int custo = 0; custo <= kCustoMaximo; ++custo) {
        // Every candidate of this cost is known once the cheaper levels are
        // expanded, so the first accepted one is the cheapest.
        // A marked hiatus may move the stress, but only when no candidate of
        // the same cost keeps it ("doi" is "dói", not "doí").
        for (int passo = 0; custo > 0 && passo < 2; ++passo) {
            const auto& nivel = b.niveis[custo];
            for (size_t i = 0; i < nivel.size(); ++i) {
                const auto& c = nivel[i];
                // A single letter is a letter's name, never a word's new spelling.
                if (c.size() < 2) continue;
                signed char& m = b.mesma[custo][i];
                if (m < 0) m = b.semTonica || RegrasGrafia::TonicaPrincipal(c) == b.tonica;
                const bool mesma = m > 0;
                if (passo == 0 ? !mesma : (mesma || !RegrasGrafia::SoMarcaHiato(palavra, c))) continue;
                if (++consultas > kMaximoConsultas) return {};
                if (aceita(c)) return c;
            }
        }
        // Expanded once per word, whatever is sought in it. Once the budget
        // of states is spent no new candidate can come in, and nothing
        // dearer than the last level is looked at.
        if (custo < b.expandidos || custo == kCustoMaximo) continue;
        b.expandidos = custo + 1;
        for (size_t i = 0; i < b.niveis[custo].size() && b.vistos.size() < kMaximoEstados; ++i) {
            vizinhos.clear();
            RegrasGrafia::Vizinhos(b.niveis[custo][i], vizinhos, kCustoMaximo - custo);
            for (auto& [v, k] : vizinhos) {
                if (custo + k > kCustoMaximo || b.vistos.size() >= kMaximoEstados) continue;
                if (b.vistos.insert(v).second) {
                    b.niveis[custo + k].push_back(std::move(v));
                    b.mesma[custo + k].push_back(-1);
                }
            }
        }
    }
    return {};
}

std::u32string GrafiaModerna::PorPartes(const std::u32string& palavra) {
    // Each part on its own: "pharmaco-chímica" has two old parts.
    std::u32string r;
    for (size_t ini = 0; ini <= palavra.size();) {
        size_t fim = palavra.find(U'-', ini);
        if (fim == std::u32string::npos) fim = palavra.size();
        std::u32string parte = palavra.substr(ini, fim - ini);
        if (!Brasil(parte)) {
            parte = Procura(parte, [this](const std::u32string& c) { return Brasil(c); });
            if (parte.empty()) return {};
        }
        if (!r.empty()) r += U'-';
        r += parte;
        ini = fim + 1;
    }
    return r;
}

bool GrafiaModerna::DeHoje(const std::string& palavra) {
    if (!Derivavel(palavra)) return false;
    std::u32string u = DecodificaUtf8(palavra);
    maiuscula_ = EhMaiuscula(u[0]);
    if (maiuscula_) u[0] = Minuscula(u[0]);
    return Brasil(u) || Adverbio(u) == u;
}

std::u32string GrafiaModerna::Adverbio(const std::u32string& u) {
    constexpr std::u32string_view kMente = U"mente";
    if (u.size() < kMente.size() + 3 || u.find(U'-') != std::u32string::npos ||
        std::u32string_view(u).substr(u.size() - kMente.size()) != kMente)
        return {};
    std::u32string base = u.substr(0, u.size() - kMente.size());
    // An adjective's feminine ends so ("sã", "breve", "fácil", "feliz");
    // "primente" is no adverb of "pri".
    if (std::u32string_view(U"aãelrsz").find(base.back()) == std::u32string_view::npos) return {};
    if (!Brasil(base)) {
        // The adverb dropped the adjective's accent, and with it the sign of
        // its stress ("hellenicamente", "helênica").
        semTonica_ = true;
        base = Procura(base, [this](const std::u32string& x) { return Brasil(x); });
        semTonica_ = false;
    }
    if (base.empty()) return {};
    // The adjective's acute or circumflex goes; the tilde stays ("cristãmente").
    for (char32_t& c : base)
        if (c != U'ã' && c != U'õ' && RegrasGrafia::EhVogal(c)) c = RegrasGrafia::BaseVogal(c);
    return base + std::u32string(kMente);
}

std::u32string GrafiaModerna::Juntada(const std::u32string& u) {
    const size_t h = u.find(U'-');
    if (h == std::u32string::npos || h == 0 || h + 1 >= u.size() || u.find(U'-', h + 1) != std::u32string::npos ||
        !RegrasGrafia::JuntaHifen(u, h))
        return {};
    std::u32string junta = u.substr(0, h);
    const char32_t seguinte = u[h + 1];
    if ((seguinte == U'r' || seguinte == U's') && RegrasGrafia::EhVogal(u[h - 1])) junta += seguinte;
    junta += u.substr(h + 1);
    return Brasil(junta) ? junta : std::u32string{};
}

void GrafiaModerna::AcrescentaEuropeia(const std::u32string& u, std::vector<std::string>& r) {
    // Brazil still accepts "excepção"; Portugal has dropped the c since.
    if (!portugal_ || !TemConsoanteMuda(u) || Portugal(u)) return;
    const std::u32string c = Procura(u, [this, &u](const std::u32string& x) {
        return SoTiraMudas(u, x) && Portugal(x);
    });
    if (!c.empty()) r.push_back(CodificaUtf8(Escrita(c)));
}

std::vector<std::string> GrafiaModerna::Deriva(const std::string& palavra) {
    std::vector<std::string> r;
    if (!Derivavel(palavra)) return r;
    std::u32string u = DecodificaUtf8(palavra);
    maiuscula_ = EhMaiuscula(u[0]);
    if (maiuscula_) u[0] = Minuscula(u[0]);
    auto ambos = [this](const std::u32string& c) { return Brasil(c) && Portugal(c); };
    if (Brasil(u)) {
        // Each part is a word, but since 1990 the prefix is joined to it:
        // "anti-semita" is "antissemita" when the list has that word.
        if (u.find(U'-') != std::u32string::npos) {
            if (const std::u32string junta = Juntada(u); !junta.empty()) {
                r.push_back(CodificaUtf8(Escrita(junta)));
                AcrescentaEuropeia(junta, r);  // "electro-magnético": also "eletromagnético"
            }
            return r;
        }
        AcrescentaEuropeia(u, r);
        return r;
    }
    std::u32string c = Procura(u, [this](const std::u32string& x) { return Brasil(x); });
    if (c.empty() && u.find(U'-') != std::u32string::npos) c = PorPartes(u);
    if (c.empty()) {
        // The list lacks many adverbs, not their adjectives.
        if (std::u32string a = Adverbio(u); a != u) c = std::move(a);
    }
    if (c.empty()) return r;
    // "thermo-electricidade": each part new, and the two joined today.
    if (const std::u32string junta = Juntada(c); !junta.empty()) c = junta;
    r.push_back(CodificaUtf8(Escrita(c)));
    // Portugal rejects Brazil's ô and ê of "tectônico" for the accent alone:
    // no reason to look for a form without the consonant.
    const bool acentoDoBrasil = c.find_first_of(U"ôê") != std::u32string::npos;
    if (portugal_ && !acentoDoBrasil && !Portugal(c)) {
        std::u32string europeia = Procura(u, ambos);
        // Portugal may not know the word at all: its silent consonant is
        // still gone today ("sceptrígero": ceptrígero, cetrígero).
        if (europeia.empty() && TemConsoanteMuda(c))
            europeia =
                Procura(u, [this](const std::u32string& x) { return !TemConsoanteMuda(x) && Brasil(x); });
        // Only the silent consonants may differ: Portugal's list lacking a
        // word is no reason for another guess ("coa-das-pichas").
        if (!europeia.empty() && europeia != c && europeia == SemMudas(c))
            r.push_back(CodificaUtf8(Escrita(europeia)));
    }
    return r;
}

}  // namespace mini::compilador
