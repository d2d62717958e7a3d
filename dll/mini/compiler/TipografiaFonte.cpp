#include "TipografiaFonte.h"

#include "FonteVerbete.h"
#include "mini/Normaliza.h"

namespace mini::compilador {
namespace {

constexpr std::string_view kTravessao = "\xE2\x80\x94";  // U+2014

bool EhDigito(char c) { return c >= '0' && c <= '9'; }
bool EhRomano(char c) { return c == 'I' || c == 'V' || c == 'X' || c == 'L' || c == 'C'; }
bool EhMinuscula(char c) { return c >= 'a' && c <= 'z'; }

// Characters that carry no words: what may stand between a dash and the
// start or end of its line.
bool SemTexto(char c) {
    return c == ' ' || c == '_' || c == '"' || c == ')' || static_cast<unsigned char>(c) < 0x20;
}

// True when nothing but marks stands between the start of the line, or of
// a quotation, and the end of s: a dash there opens a speech.
bool AbreFala(std::string_view s) {
    size_t i = s.size();
    while (i > 0) {
        const char c = s[i - 1];
        if (c == ' ' || c == '_' || static_cast<unsigned char>(c) < 0x20) {
            --i;
            continue;
        }
        return c == '"' || (c == '\xAB' && i >= 2 && s[i - 2] == '\xC2');
    }
    return true;
}

bool SoMarcas(std::string_view s) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (SemTexto(s[i])) continue;
        // The guillemets « and » (C2 AB, C2 BB) frame quotations.
        if (s[i] == '\xC2' && i + 1 < s.size() && (s[i + 1] == '\xAB' || s[i + 1] == '\xBB')) {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

// 7--X--99: the book's dates, written day, month in Roman figures, year.
bool EhData(std::string_view s, size_t inicio, size_t fim) {
    if (inicio == 0 || fim - inicio != 2) return false;
    if (EhDigito(s[inicio - 1])) {
        size_t j = fim;
        while (j < s.size() && EhRomano(s[j])) ++j;
        return j > fim && s.substr(j, 2) == "--" && j + 2 < s.size() && EhDigito(s[j + 2]);
    }
    if (EhRomano(s[inicio - 1]) && fim < s.size() && EhDigito(s[fim])) {
        size_t j = inicio;
        while (j > 0 && EhRomano(s[j - 1])) --j;
        return j >= 3 && s[j - 1] == '-' && s[j - 2] == '-' && EhDigito(s[j - 3]);
    }
    return false;
}

void TiraEspacosFinais(std::string& s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
}

}  // namespace

std::string TipografiaFonte::Linha(std::string_view linha) {
    return Colchetes(Sobrescritos(Travessoes(linha)));
}

std::string TipografiaFonte::Travessoes(std::string_view s) {
    if (s.find("--") == std::string_view::npos) return std::string(s);
    std::string r;
    r.reserve(s.size() + 8);
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] != '-' || i + 1 >= s.size() || s[i + 1] != '-') {
            r.push_back(s[i++]);
            continue;
        }
        size_t fim = i;
        while (fim < s.size() && s[fim] == '-') ++fim;
        size_t depois = fim;
        while (depois < s.size() && s[depois] == ' ') ++depois;
        if (EhData(s, i, fim)) {
            r.push_back('-');
        } else if (SoMarcas(s.substr(depois))) {
            // A dash that closes the line announces nothing: dropped.
            TiraEspacosFinais(r);
        } else if (AbreFala(r)) {
            // Dialogue: the dash opens the speech.
            TiraEspacosFinais(r);
            r += kTravessao;
            r.push_back(' ');
        } else {
            // Between a definition and its note, or within a sentence.
            TiraEspacosFinais(r);
            r.push_back(' ');
            r += kTravessao;
            r.push_back(' ');
        }
        i = depois;
    }
    return r;
}

std::string TipografiaFonte::Sobrescritos(std::string_view s) {
    if (s.find('^') == std::string_view::npos) return std::string(s);
    std::string r;
    r.reserve(s.size() + 8);
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '^' || i + 1 >= s.size()) {
            r.push_back(s[i]);
            continue;
        }
        size_t ini = i + 1, fim = ini;
        size_t salto;
        if (s[ini] == '{') {
            fim = s.find('}', ini);
            if (fim == std::string_view::npos || fim == ini + 1 || fim - ini > 16) {
                r.push_back('^');
                continue;
            }
            ++ini;
            salto = fim + 1;
        } else {
            if (EhDigito(s[ini])) {
                while (fim < s.size() && fim - ini < 3 && EhDigito(s[fim])) ++fim;
            } else {
                while (fim < s.size() && fim - ini < 3 && EhMinuscula(s[fim])) ++fim;
            }
            if (fim == ini) {
                r.push_back('^');
                continue;
            }
            salto = fim;
        }
        r.push_back(kInicioSobrescrito);
        r.append(s.substr(ini, fim - ini));
        r.push_back(kFimSobrescrito);
        i = salto - 1;
    }
    return r;
}

std::string TipografiaFonte::Colchetes(std::string_view s) {
    if (s.find('[') == std::string_view::npos) return std::string(s);
    std::string r;
    r.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const std::string_view resto = s.substr(i);
        if (resto.starts_with("[[")) {
            const size_t fim = resto.find("]]");
            if (fim != std::string_view::npos && fim > 2) {
                const std::string_view dentro = resto.substr(2, fim - 2);
                const size_t barra = dentro.find('|');
                std::string_view texto = dentro.substr(0, barra);
                r.push_back(kInicioTermo);
                r.append(texto);
                if (barra != std::string_view::npos) {
                    // "lama:1" names the first homonym; the link wants the word.
                    std::string_view alvo = dentro.substr(barra + 1);
                    alvo = alvo.substr(0, alvo.find(':'));
                    if (alvo != texto) {
                        r.push_back(kAlvoTermo);
                        r.append(alvo);
                    }
                }
                r.push_back(kFimTermo);
                i += fim + 2;
                continue;
            }
        }
        if (resto.starts_with("[**")) {
            const size_t fim = resto.find(']');
            if (fim != std::string_view::npos) {
                // A transcriber's note, not the book's text.
                TiraEspacosFinais(r);
                i += fim + 1;
                if (i < s.size() && s[i] != ' ' && !r.empty() && r.back() != ' ' &&
                    std::string_view(".,;:)").find(s[i]) == std::string_view::npos)
                    r.push_back(' ');
                continue;
            }
        }
        // "[~i]", "[q~]", "hu[~]a": the tilde over a letter (ĩ, q̃, ũ).
        if (resto.size() >= 3 && resto[0] == '[' && (resto[1] == '~' || resto.substr(2, 2) == "~]")) {
            const size_t fim = resto.find(']');
            if (fim != std::string_view::npos && fim <= 3) {
                char letra = 0;
                for (char c : resto.substr(1, fim - 1))
                    if (c != '~') letra = c;
                // Over "[~]" the tilde belongs to the letter before it.
                if (letra == 0 && !r.empty() && static_cast<unsigned char>(r.back()) < 0x80) {
                    letra = r.back();
                    r.pop_back();
                }
                static constexpr std::string_view kComTil[][2] = {{"a", "\xC3\xA3"}, {"e", "\xE1\xBA\xBD"},
                                                                  {"i", "\xC4\xA9"}, {"o", "\xC3\xB5"},
                                                                  {"u", "\xC5\xA9"}, {"n", "\xC3\xB1"}};
                std::string_view composta;
                for (const auto& par : kComTil)
                    if (letra == par[0][0]) composta = par[1];
                if (!composta.empty()) {
                    r += composta;
                } else {
                    if (letra) r.push_back(letra);
                    r += "\xCC\x83";  // combining tilde
                }
                i += fim + 1;
                continue;
            }
        }
        if (resto.starts_with("[-a]")) {
            r += "\xC4\x81";  // ā
            i += 4;
            continue;
        }
        if (resto.starts_with("[oe]")) {
            r += "\xC5\x93";  // œ
            i += 4;
            continue;
        }
        r.push_back(s[i++]);
    }
    return r;
}

bool TipografiaFonte::TiraAsterisco(std::string& linha) {
    if (linha.empty() || linha[0] != '*') return false;
    if (linha.size() > 1 && linha[1] != ' ' && linha[1] != '_') return false;
    size_t j = 1;
    while (j < linha.size() && linha[j] == ' ') ++j;
    linha.erase(0, j);
    // "*_ M. pl._": the blank inside the italics went with the asterisk.
    if (linha.size() > 1 && linha[0] == '_' && linha[1] == ' ') linha.erase(1, 1);
    return true;
}

std::string TipografiaFonte::RotuloClasse(std::string_view rotulo) {
    std::string r = MinusculasUtf8(rotulo);
    for (size_t p; (p = r.find(" ,")) != std::string::npos;) r.erase(p, 1);
    for (size_t p; (p = r.find("  ")) != std::string::npos;) r.erase(p, 1);
    return r;
}

}  // namespace mini::compilador
