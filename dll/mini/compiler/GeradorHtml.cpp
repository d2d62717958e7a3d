#include "GeradorHtml.h"

#include "ClassesGramaticais.h"
#include "TipografiaFonte.h"
#include "TrechosLinha.h"
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
        if (c == ' ' || c == ',' || c == ';' || c == ':' || c == '(' || c == ')' || c == '.' || c == '!' ||
            c == '?' || c == '"' || c < 0x20)
            return false;
    }
    return true;
}

std::string CodificaHref(std::string_view s) {
    std::string r;
    for (char c : s) {
        if (c == ' ')
            r += "%20";
        else if (c == '"')
            r += "%22";
        else if (c == '&')
            r += "&amp;";
        else if (c == '<')
            r += "%3C";
        else if (c == '>')
            r += "%3E";
        else
            r.push_back(c);
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
            case '\'': r += "&#39;"; break;
            case kInicioSobrescrito: r += "<sup>"; break;
            case kFimSobrescrito: r += "</sup>"; break;
            default:
                // The reader's and the typography's marks never reach the page.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t') r.push_back(c);
        }
    }
    return r;
}

GeradorHtml::GeradorHtml(const Abreviaturas& abreviaturas, EhVerbete ehVerbete)
    : abreviaturas_(abreviaturas), ehVerbete_(std::move(ehVerbete)) {}

std::string GeradorHtml::Link(std::string_view alvo, const std::string& rotuloHtml,
                              std::string_view dica) const {
    std::string r = "<a href=\"goto://" + CodificaHref(alvo) + "\"";
    if (!dica.empty()) r += " title=\"" + EscapaHtml(dica) + "\"";
    return r + ">" + rotuloHtml + "</a>";
}

std::string GeradorHtml::LinkAbreviatura(std::string_view rotulo) const {
    // Links carry a final "." so the viewer knows it is an abbreviation; the
    // tip gives every reading of the label.
    std::string alvo(rotulo);
    if (!alvo.ends_with('.')) alvo.push_back('.');
    std::string dica = abreviaturas_.Expande(rotulo);
    for (size_t p; (p = dica.find('|')) != std::string::npos;) dica.replace(p, 1, " ou ");
    return Link(alvo, EscapaHtml(rotulo), dica);
}

std::string GeradorHtml::Italico(std::string_view trecho) const {
    // A reference whose target is not its own text ("abexins", to abexim).
    const size_t alvo = trecho.find(kAlvoTermo);
    if (alvo != std::string_view::npos) {
        const std::string_view texto = trecho.substr(0, alvo), destino = trecho.substr(alvo + 1);
        if (ehVerbete_(destino)) return "<i>" + Link(destino, EscapaHtml(texto)) + "</i>";
        return "<i>" + EscapaHtml(texto) + "</i>";
    }
    if (EhPalavraUnica(trecho) && ehVerbete_(trecho))
        return "<i>" + Link(trecho, EscapaHtml(trecho)) + "</i>";
    return "<i>" + EscapaHtml(trecho) + "</i>";
}

std::string GeradorHtml::Termo(std::string_view termo) const {
    // "inhanha_ e _inhanho": two references in one term, each in italics.
    std::string r;
    bool italico = true;
    for (size_t ini = 0;;) {
        const size_t fim = termo.find('_', ini);
        const std::string_view parte = termo.substr(ini, fim == std::string_view::npos ? fim : fim - ini);
        if (!parte.empty()) r += italico ? Italico(parte) : EscapaHtml(parte);
        if (fim == std::string_view::npos) return r;
        italico = !italico;
        ini = fim + 1;
    }
}

// End of the dotted word that starts at i ("lat."), or npos.
size_t GeradorHtml::FimAbreviatura(std::string_view s, size_t i) {
    size_t j = i;
    while (j < s.size() && (EhLetraUtf8Inicio(static_cast<unsigned char>(s[j])) ||
                            EhContinuacao(static_cast<unsigned char>(s[j]))))
        ++j;
    return j > i && j < s.size() && s[j] == '.' ? j + 1 : std::string_view::npos;
}

std::string GeradorHtml::Simples(std::string_view trecho, bool linkaAbreviaturas) const {
    if (!linkaAbreviaturas) return EscapaHtml(trecho);
    // Dotted words ("lat.", "Cast.") that the table knows become links; a
    // run of them that the table knows whole ("n. p.", "b. lat.") is one.
    std::string r;
    size_t i = 0;
    while (i < trecho.size()) {
        auto c = static_cast<unsigned char>(trecho[i]);
        bool inicioPalavra = EhLetraUtf8Inicio(c) &&
                             (i == 0 || !(EhLetraUtf8Inicio(static_cast<unsigned char>(trecho[i - 1])) ||
                                          EhContinuacao(static_cast<unsigned char>(trecho[i - 1]))));
        if (inicioPalavra) {
            size_t fins[4], n = 0;
            for (size_t f = FimAbreviatura(trecho, i); f != std::string_view::npos && n < 4;) {
                fins[n++] = f;
                if (f + 1 >= trecho.size() || trecho[f] != ' ') break;
                f = FimAbreviatura(trecho, f + 1);
            }
            size_t fim = std::string_view::npos;
            for (size_t k = n; k-- > 1 && fim == std::string_view::npos;)
                if (abreviaturas_.ConheceInteiro(trecho.substr(i, fins[k] - i))) fim = fins[k];
            if (fim == std::string_view::npos && n > 0 &&
                abreviaturas_.Conhece(trecho.substr(i, fins[0] - i)))
                fim = fins[0];
            if (fim != std::string_view::npos) {
                r += LinkAbreviatura(trecho.substr(i, fim - i));
                i = fim;
                continue;
            }
            size_t j = i;
            while (j < trecho.size() && (EhLetraUtf8Inicio(static_cast<unsigned char>(trecho[j])) ||
                                         EhContinuacao(static_cast<unsigned char>(trecho[j]))))
                ++j;
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
    for (const Trecho& t : TrechosLinha::Divide(linha)) {
        switch (t.tipo) {
            case Trecho::kTexto: r += Simples(t.texto, linkaAbreviaturas); break;
            case Trecho::kItalico: r += Italico(t.texto); break;
            case Trecho::kTermo: r += Termo(t.texto); break;
            case Trecho::kInicioExemplo: r += "<span id=\"D_EXE\">"; break;
            case Trecho::kFimExemplo: r += "</span>"; break;
            case Trecho::kInicioCitacao:
            case Trecho::kFimCitacao: break;
        }
    }
    return r;
}

std::string GeradorHtml::Rotulo(const std::string& rotulo, bool classe) const {
    if (!classe) {
        if (!abreviaturas_.Conhece(rotulo)) return EscapaHtml(rotulo);
        // The source drops the full stop of some labels ("Bras", "Gal");
        // the book prints it.
        return LinkAbreviatura(rotulo.ends_with('.') ? rotulo : rotulo + ".");
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
            r += abreviaturas_.Conhece(nucleo) ? LinkAbreviatura(nucleo) : EscapaHtml(nucleo);
            r += std::string(parte.size() - b - 1, ' ');
        } else {
            r += parte;
        }
        if (fim < s.size()) r += EscapaHtml(s.substr(fim, salto));
        ini = fim + salto;
    }
    return r;
}

bool GeradorHtml::SeparaLocucao(std::string_view linha, std::string_view& locucao, std::string_view& resto) {
    if (linha.size() < 4 || linha[0] != '_') return false;
    size_t fim = linha.find('_', 1);
    if (fim == std::string_view::npos || fim + 1 >= linha.size() || fim == 1) return false;
    char depois = linha[fim + 1];
    if (depois != ',' && depois != ':' && depois != ';') return false;
    locucao = linha.substr(1, fim - 1);
    resto = linha.substr(fim + 1);
    return true;
}

bool GeradorHtml::EhRotuloDeClasse(const std::string& rotulo) const {
    if (ClassesGramaticais::DoRotulo(rotulo) == 0) return false;
    for (const auto& parte : ClassesGramaticais::Partes(rotulo))
        if (!abreviaturas_.ConheceInteiro(parte)) return false;
    return true;
}

// "_v. t._ (e der.)", "_f._ Planta": a class label in italics opening a line
// is the line's class, as if the source had given it apart.
void GeradorHtml::SeparaClasse(LinhaVerbete& lv) const {
    if (lv.texto.size() < 3 || lv.texto[0] != '_') return;
    const size_t fim = lv.texto.find('_', 1);
    if (fim == std::string::npos || (fim + 1 < lv.texto.size() && lv.texto[fim + 1] != ' ')) return;
    std::string rotulo = lv.texto.substr(1, fim - 1);
    if (!EhRotuloDeClasse(rotulo)) return;
    lv.classe = std::move(rotulo);
    const size_t resto = lv.texto.find_first_not_of(' ', fim + 1);
    lv.texto.erase(0, resto == std::string::npos ? lv.texto.size() : resto);
}

std::vector<GeradorHtml::LinhaVerbete> GeradorHtml::Classifica(const FonteVerbete& v) const {
    std::vector<LinhaVerbete> linhas;
    std::string_view loc, resto;
    for (const auto& s : v.sentidos) {
        for (const auto& l : s.linhas) {
            LinhaVerbete lv{&s, l, {}, s.acrescimo, false, LinhaVerbete::kDefinicao};
            if (TipografiaFonte::TiraAsterisco(lv.texto)) lv.acrescimo = lv.asterisco = true;
            lv.texto = TipografiaFonte::Linha(lv.texto);
            if (lv.texto.empty()) continue;
            if (SeparaLocucao(lv.texto, loc, resto)) {
                lv.tipo = LinhaVerbete::kLocucao;
                linhas.push_back(std::move(lv));
                continue;
            }
            SeparaClasse(lv);
            if (lv.texto.empty())
                lv.tipo = LinhaVerbete::kRotulo;
            else if (lv.texto[0] == '(' && (s.linhas.size() > 1 || !lv.classe.empty()))
                // A bracketed line beside the definitions of its sense is a
                // note on them ("(fem. de o)", "(Mais us. no pl.)"), not a sense.
                lv.tipo = LinhaVerbete::kNota;
            linhas.push_back(std::move(lv));
        }
    }
    // Without an etymology of its own, the entry's last bracketed line is it.
    if (v.etimologias.empty() && !linhas.empty() && linhas.back().tipo == LinhaVerbete::kNota &&
        linhas.back().classe.empty() && linhas.back().sentido == &v.sentidos.back())
        linhas.back().tipo = LinhaVerbete::kEtimologia;
    return linhas;
}

std::string GeradorHtml::ClasseHtml(const std::string& classe) const {
    const char* id = ClassesGramaticais::EhClasseVerbal(classe) ? "D_N_REG" : "D_N_CG";
    return "<span id=\"" + std::string(id) + "\">" + Rotulo(TipografiaFonte::RotuloClasse(classe), true) +
           "</span> ";
}

std::string GeradorHtml::Gera(const FonteVerbete& v) const {
    std::string h;
    h.reserve(1024);
    h += "<span id=\"D_TIT\">" + EscapaHtml(TipografiaFonte::Sobrescritos(v.orth));
    if (v.homonimo > 0) h += "<span id=\"D_SUP_TIT\"><sup>" + std::to_string(v.homonimo) + "</sup></span>";
    h += "</span>";
    if (!v.pronuncia.empty()) h += " <span id=\"D_PRON\">(" + EscapaHtml(v.pronuncia) + ")</span>";
    h += "<BR>\n";

    const std::vector<LinhaVerbete> linhas = Classifica(v);
    int numerados = 0;
    for (const auto& l : linhas)
        if (l.tipo == LinhaVerbete::kDefinicao) ++numerados;

    int numero = 0;
    size_t proxima = 0;
    std::string_view loc, resto;
    // Labels of a sense without lines of its own head the next sense.
    std::string pendente;
    for (const auto& s : v.sentidos) {
        std::string cabecalho = std::move(pendente);
        pendente.clear();
        if (!s.classe.empty()) cabecalho += ClasseHtml(s.classe);
        for (const auto& r : s.rotulos)
            cabecalho += "<span id=\"D_RUB\">" + Rotulo(r.texto, false) + "</span> ";
        const size_t inicio = proxima;
        while (proxima < linhas.size() && linhas[proxima].sentido == &s) ++proxima;
        if (inicio == proxima) {
            pendente = std::move(cabecalho);
            continue;
        }
        for (size_t i = inicio; i < proxima; ++i) {
            const LinhaVerbete& l = linhas[i];
            if (l.tipo == LinhaVerbete::kEtimologia) continue;
            if (!l.classe.empty()) cabecalho += ClasseHtml(l.classe);
            if (l.tipo == LinhaVerbete::kRotulo) continue;
            h += cabecalho;
            cabecalho.clear();
            if (l.tipo == LinhaVerbete::kLocucao) {
                SeparaLocucao(l.texto, loc, resto);
                if (l.asterisco) h += "<span id=\"D_ACH\">*</span> ";
                h += "<span id=\"D_TIT_LOC\">" + Texto(loc, false) + "</span><span id=\"D_LOC\">" +
                     Texto(resto, false) + "</span><BR>\n";
                continue;
            }
            if (l.tipo == LinhaVerbete::kDefinicao && numerados > 1)
                h += "<span id=\"D_N_NUM\">" + std::to_string(++numero) + ".</span> ";
            // Senses added in this edition carry the book's asterisk.
            if (l.acrescimo) h += "<span id=\"D_ACH\">*</span> ";
            h += "<span id=\"D_DEF\">" + Texto(l.texto, false) + "</span><BR>\n";
        }
        pendente = std::move(cabecalho);
    }
    if (!pendente.empty()) {
        pendente.pop_back();
        h += pendente + "<BR>\n";
    }
    for (const auto& e : v.etimologias)
        h += "<span id=\"D_ETM\">" + Texto(TipografiaFonte::Linha(e.texto), true) + "</span><BR>\n";
    if (!linhas.empty() && linhas.back().tipo == LinhaVerbete::kEtimologia)
        h += "<span id=\"D_ETM\">" + Texto(linhas.back().texto, true) + "</span><BR>\n";
    return h;
}

}  // namespace mini::compilador
