// Reads an entry page as the engine writes it and says what is wrong with
// it, or "" when nothing is: only our tags (span with an id, goto:// links,
// i, sup, BR), each closed in order; every other "<", ">" and "&" escaped;
// none of the source's typing left ("--", an opening "*", "^", "[[");
// no sense without text, and no etymology numbered as a sense.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verifica {

inline bool ComecaCom(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// The name of a tag we write, or "" for anything else.
inline std::string NomeDaMarca(std::string_view marca) {
    if (marca == "<BR>") return "BR";
    if (marca == "<i>" || marca == "</i>") return "i";
    if (marca == "<sup>" || marca == "</sup>") return "sup";
    if (marca == "</span>") return "span";
    if (marca == "</a>") return "a";
    // Today's spelling, inside its own line.
    if (marca == "<span class=\"grafiaatual\">") return "span";
    if (ComecaCom(marca, "<span id=\"D_") && marca.ends_with("\">") &&
        marca.find('"', 12) == marca.size() - 2)
        return "span";
    if (ComecaCom(marca, "<a href=\"goto://") && marca.ends_with("\">")) {
        // The link text itself has no quote; an optional title follows it.
        const std::string_view resto = marca.substr(16, marca.size() - 18);
        const size_t aspa = resto.find('"');
        if (aspa == std::string_view::npos) return "a";
        const std::string_view titulo = resto.substr(aspa);
        if (ComecaCom(titulo, "\" title=\"") && titulo.find('"', 9) == std::string_view::npos) return "a";
    }
    return "";
}

inline bool EntidadeValida(std::string_view s) {
    for (std::string_view e : {"&amp;", "&lt;", "&gt;", "&quot;", "&#39;"})
        if (ComecaCom(s, e)) return true;
    return false;
}

inline std::string Problema(const std::string& html) {
    struct Aberta {
        std::string nome, id;
        std::string texto;  // the text it holds, tags left out
        bool numerada;      // a sense number stands just before it
    };
    std::vector<Aberta> pilha;
    bool aposNumero = false;
    std::string texto;  // all the text, for the typing checks
    for (size_t i = 0; i < html.size();) {
        const char c = html[i];
        if (static_cast<unsigned char>(c) < 0x20 && c != '\n') return "caractere de controle";
        if (c == '<') {
            const size_t fim = html.find('>', i);
            if (fim == std::string::npos) return "\"<\" sem escape";
            const std::string_view marca = std::string_view(html).substr(i, fim + 1 - i);
            const std::string nome = NomeDaMarca(marca);
            if (nome.empty())
                return "marca estranha ou \"<\" sem escape: " + std::string(marca.substr(0, 40));
            if (nome == "BR") {
                if (!pilha.empty()) return "quebra de linha dentro de <" + pilha.back().nome + ">";
            } else if (marca[1] == '/') {
                if (pilha.empty() || pilha.back().nome != nome) return "</" + nome + "> fora de ordem";
                Aberta a = std::move(pilha.back());
                pilha.pop_back();
                for (auto& p : pilha) p.texto += a.texto;
                if (a.id == "D_N_NUM") aposNumero = true;
                if (a.id == "D_DEF" || a.id == "D_LOC" || a.id == "D_TIT_LOC" || a.id == "D_ETM" ||
                    a.id == "D_EXE") {
                    if (a.texto.find_first_not_of(" .,;:") == std::string::npos) return a.id + " vazio";
                    if (a.texto[0] == '*') return "asterisco da fonte em " + a.id;
                }
                if (a.id == "D_DEF" && a.numerada &&
                    (ComecaCom(a.texto, "(Do ") || ComecaCom(a.texto, "(Lat.") ||
                     ComecaCom(a.texto, "(Cp.") || ComecaCom(a.texto, "(Cast.") ||
                     ComecaCom(a.texto, "(De ")))
                    return "etimologia numerada: " + a.texto.substr(0, 40);
            } else {
                std::string id;
                if (nome == "span" && ComecaCom(marca, "<span id="))
                    id = std::string(marca.substr(10, marca.size() - 12));
                const bool numerada = aposNumero && id == "D_DEF";
                if (id != "D_ACH") aposNumero = false;
                pilha.push_back({nome, id, "", numerada});
            }
            i = fim + 1;
            continue;
        }
        if (c == '>') return "\">\" sem escape";
        if (c == '&' && !EntidadeValida(std::string_view(html).substr(i))) return "\"&\" sem escape";
        if (!pilha.empty()) pilha.back().texto.push_back(c);
        texto.push_back(c);
        ++i;
    }
    if (!pilha.empty()) return "<" + pilha.back().nome + "> sem fechar";
    for (std::string_view marca : {"--", "^", "[[", "[**"})
        if (texto.find(marca) != std::string::npos) return "marca da fonte: " + std::string(marca);
    return {};
}

}  // namespace verifica
