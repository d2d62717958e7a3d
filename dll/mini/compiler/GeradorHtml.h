// Renders an entry into the HTML the viewer's pages style: one span id per
// styled element (title, homonym number, class, rubric, definition number,
// definition, example, addition, locution title, locution, etymology),
// italics from the source's underscores, links on cross-references that are
// headwords and on every abbreviation label, with its meaning as the tip.
// Every source text is escaped; only the tags made here reach the page.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Abreviaturas.h"
#include "FonteVerbete.h"

namespace mini::compilador {

class GeradorHtml {
public:
    using EhVerbete = std::function<bool(std::string_view palavra)>;

    GeradorHtml(const Abreviaturas& abreviaturas, EhVerbete ehVerbete);

    std::string Gera(const FonteVerbete& v) const;

    // One line of source text: "_" italics, cross-reference terms, HTML
    // escaping; dotted abbreviations become links when asked.
    std::string Texto(std::string_view linha, bool linkaAbreviaturas) const;

    // A class or usage label with its links.
    std::string Rotulo(const std::string& rotulo, bool classe) const;

    // Splits "_phrase_, meaning" into phrase and meaning; false when the line
    // is not a locution.
    static bool SeparaLocucao(std::string_view linha, std::string_view& locucao, std::string_view& resto);

private:
    // A line of a sense, once the source's typing conventions are read.
    struct LinhaVerbete {
        enum Tipo { kDefinicao, kLocucao, kNota, kEtimologia, kRotulo };
        const Sentido* sentido;
        std::string texto;
        std::string classe;  // a class label the line opened with
        bool acrescimo;      // the sense or the line is an addition
        bool asterisco;      // the line itself opened with the book's asterisk
        Tipo tipo;
    };
    std::vector<LinhaVerbete> Classifica(const FonteVerbete& v) const;
    bool EhRotuloDeClasse(const std::string& rotulo) const;
    void SeparaClasse(LinhaVerbete& lv) const;
    std::string ClasseHtml(const std::string& classe) const;
    static size_t FimAbreviatura(std::string_view s, size_t i);

    std::string Italico(std::string_view trecho) const;
    std::string Termo(std::string_view termo) const;
    std::string Simples(std::string_view trecho, bool linkaAbreviaturas) const;
    std::string Link(std::string_view alvo, const std::string& rotuloHtml, std::string_view dica = {}) const;
    std::string LinkAbreviatura(std::string_view rotulo) const;

    const Abreviaturas& abreviaturas_;
    EhVerbete ehVerbete_;
};

// Escapes &, <, >, the quotation marks and the apostrophe; raised text
// becomes <sup>, and the reader's marks are dropped.
std::string EscapaHtml(std::string_view s);

}  // namespace mini::compilador
