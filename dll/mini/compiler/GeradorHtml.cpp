#include "GeradorHtml.h"

#include "ClassesGramaticais.h"
#include "mini/Normaliza.h"

namespace mini::compilador {
namespace {

bool EhLetraUtf8Inicio(unsigned char c) { return std::isalpha(c) || c >= 0xC0; }
bool EhContinuacao(unsigned char c) { return (c & 0xC0) == 0x80; }

// A single word (letters, hyphens, apostrophes): only such italics can be a
// cross-reference to a headword.
bool EhPalavraUnica(std::string_view s) {
    if (s.empty()) return false;
    for (unsigned char c : s) {
        if (c == ' ' || c == ',' || c == ';' || c == ':' || c == '(' || c == ')' || c == '.' ||
            c == '!' || c == '?' || c == '"' || c == kInicioTermo || c == kFimTermo)
            return false;
    }
    return true;
}

std::string CodificaHref(std::string_view s) {
    std::string r;
    for (char c : s) {
        if (c == ' ') r += "%20";
        else if (c == '"') r += "%22";
        else if (c == '&') r += "&amp;";
        else if (c == '<') r += "%3C";
        else if (c == '>') r += "%3E";
        else r.push_back(c);
    }
    return r;
}

}  // namespace

std::string EscapaHtml(std::string_view s) {
    std::string r;
    r.reserve(s.size() + 8);
    for (char c : s) {
        switch (c) {
            case '&': r += "&amp;"; break;
            case '<': r += "&lt;"; break;
            case '>': r += "&gt;"; break;
            case '"': r += "&quot;"; break;
            case kInicioTermo: case kFimTermo: break;
            default: r.push_back(c);
        }
    }
    return r;
}

GeradorHtml::GeradorHtml(const Abreviaturas& abreviaturas, EhVerbete ehVerbete)
    : abreviaturas_(abreviaturas), ehVerbete_(std::move(ehVerbete)) {}

std::string GeradorHtml::Link(std::string_view alvo, const std::string& rotuloHtml) const {
    return "<a href=\"goto://" + CodificaHref(alvo) + "\">" + rotuloHtml + "</a>";
}

std::string GeradorHtml::Italico(std::string_view trecho) const {
    if (EhPalavraUnica(trecho) && ehVerbete_(trecho))
        return "<i>" + Link(trecho, EscapaHtml(trecho)) + "</i>";
    return "<i>" + EscapaHtml(trecho) + "</i>";
}

std::string GeradorHtml::Simples(std::string_view trecho, bool linkaAbreviaturas) const {
    if (!linkaAbreviaturas) return EscapaHtml(trecho);
    // Dotted words ("lat.", "Cast.") that the table knows become links.
    std::string r;
    size_t i = 0;
    while (i < trecho.size()) {
        auto c = static_cast<unsigned char>(trecho[i]);
        bool inicioPalavra = EhLetraUtf8Inicio(c) &&
                             (i == 0 || !(EhLetraUtf8Inicio(static_cast<unsigned char>(trecho[i - 1])) ||
                                          EhContinuacao(static_cast<unsigned char>(trecho[i - 1]))));
        if (inicioPalavra) {
            size_t j = i;
            while (j < trecho.size() && (EhLetraUtf8Inicio(static_cast<unsigned char>(trecho[j])) ||
                                         EhContinuacao(static_cast<unsigned char>(trecho[j]))))
                ++j;
            if (j < trecho.size() && trecho[j] == '.') {
                std::string_view palavra = trecho.substr(i, j + 1 - i);
                if (abreviaturas_.Conhece(palavra)) {
                    r += Link(palavra, EscapaHtml(palavra));
                    i = j + 1;
                    continue;
                }
            }
            r += EscapaHtml(trecho.substr(i, j - i));
            i = j;
            continue;
        }
        r += EscapaHtml(trecho.substr(i, 1));
        ++i;
    }
    return r;
}

std::string GeradorHtml::Texto(std::string_view linha, bool linkaAbreviaturas) const {
    std::string r;
    size_t i = 0, inicioSimples = 0;
    auto despeja = [&](size_t ate) {
        if (ate > inicioSimples) r += Simples(linha.substr(inicioSimples, ate - inicioSimples), linkaAbreviaturas);
    };
    while (i < linha.size()) {
        char c = linha[i];
        if (c == kInicioTermo) {
            size_t fim = linha.find(kFimTermo, i + 1);
            if (fim == std::string_view::npos) fim = linha.size();
            despeja(i);
            r += Italico(linha.substr(i + 1, fim - i - 1));
            i = inicioSimples = std::min(fim + 1, linha.size());
            continue;
        }
        if (c == '_') {
            size_t fim = linha.find('_', i + 1);
            if (fim != std::string_view::npos && fim > i + 1) {
                despeja(i);
                r += Italico(linha.substr(i + 1, fim - i - 1));
                i = inicioSimples = fim + 1;
                continue;
            }
        }
        ++i;
    }
    despeja(linha.size());
    return r;
}

std::string GeradorHtml::Rotulo(const std::string& rotulo, bool classe) const {
    if (!classe) {
        if (!abreviaturas_.Conhece(rotulo)) return EscapaHtml(rotulo);
        // Links carry a final "." so the viewer knows it is an abbreviation.
        std::string alvo = rotulo.ends_with('.') ? rotulo : rotulo + ".";
        return Link(alvo, EscapaHtml(rotulo));
    }
    // Class labels: one link per part, the joining words kept as text.
    std::string r;
    const std::string s = rotulo;
    size_t ini = 0;
    while (ini < s.size()) {
        size_t fim = s.size(), salto = 0;
        for (std::string_view sep : {" e ", " ou ", ","}) {
            size_t p = s.find(sep, ini);
            if (p != std::string::npos && p < fim) {
                fim = p;
                salto = sep.size();
            }
        }
        std::string parte = s.substr(ini, fim - ini);
        size_t a = parte.find_first_not_of(' '), b = parte.find_last_not_of(' ');
        if (a != std::string::npos) {
            std::string nucleo = parte.substr(a, b - a + 1);
            r += std::string(a, ' ');
            if (abreviaturas_.Conhece(nucleo))
                r += Link(nucleo.ends_with('.') ? nucleo : nucleo + ".", EscapaHtml(nucleo));
            else
                r += EscapaHtml(nucleo);
            r += std::string(parte.size() - b - 1, ' ');
        } else {
            r += parte;
        }
        if (fim < s.size()) r += EscapaHtml(s.substr(fim, salto));
        ini = fim + salto;
    }
    return r;
}

bool GeradorHtml::SeparaLocucao(std::string_view linha, std::string_view& locucao,
                                std::string_view& resto) {
    if (linha.size() < 4 || linha[0] != '_') return false;
    size_t fim = linha.find('_', 1);
    if (fim == std::string_view::npos || fim + 1 >= linha.size() || fim == 1) return false;
    char depois = linha[fim + 1];
    if (depois != ',' && depois != ':' && depois != ';') return false;
    locucao = linha.substr(1, fim - 1);
    resto = linha.substr(fim + 1);
    return true;
}

std::string GeradorHtml::Gera(const FonteVerbete& v) const {
    std::string h;
    h.reserve(1024);
    h += "<span id=\"D_TIT\">" + EscapaHtml(v.orth) + "</span>";
    if (v.homonimo > 0) h += "<span id=\"D_SUP_TIT\">" + std::to_string(v.homonimo) + "</span>";
    if (!v.pronuncia.empty()) h += " <span id=\"D_PRON\">(" + EscapaHtml(v.pronuncia) + ")</span>";
    h += "<BR>\n";

    std::string_view loc, resto;
    int numerados = 0;
    for (const auto& s : v.sentidos)
        for (const auto& l : s.linhas)
            if (!SeparaLocucao(l, loc, resto)) ++numerados;

    int numero = 0;
    for (const auto& s : v.sentidos) {
        std::string cabecalho;
        if (!s.classe.empty()) {
            const char* id = ClassesGramaticais::EhClasseVerbal(s.classe) ? "D_N_REG" : "D_N_CG";
            cabecalho += "<span id=\"" + std::string(id) + "\">" + Rotulo(s.classe, true) + "</span> ";
        }
        for (const auto& r : s.rotulos)
            cabecalho += "<span id=\"D_RUB\">" + Rotulo(r.texto, false) + "</span> ";
        if (s.linhas.empty() && !cabecalho.empty()) h += cabecalho + "<BR>\n";
        for (const auto& l : s.linhas) {
            h += cabecalho;
            cabecalho.clear();
            if (SeparaLocucao(l, loc, resto)) {
                h += "<span id=\"D_TIT_LOC\">" + Texto(loc, false) + "</span><span id=\"D_LOC\">" +
                     Texto(resto, false) + "</span><BR>\n";
                continue;
            }
            if (numerados > 1) h += "<span id=\"D_N_NUM\">" + std::to_string(++numero) + ".</span> ";
            // Senses added in this edition carry the book's asterisk.
            if (s.acrescimo) h += "<span id=\"D_ACH\">*</span> ";
            h += "<span id=\"D_DEF\">" + Texto(l, false) + "</span><BR>\n";
        }
    }
    for (const auto& e : v.etimologias)
        h += "<span id=\"D_ETM\">" + Texto(e.texto, true) + "</span><BR>\n";
    return h;
}

}  // namespace mini::compilador
