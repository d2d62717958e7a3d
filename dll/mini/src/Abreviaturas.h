// The dictionary's abbreviation labels ("v. t.", "Prov.", "Bras. do N",
// "lat.") and what they stand for. The data compiler uses it to decide which
// labels become links; the engine uses it to expand a clicked label.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mini {

class Abreviaturas {
public:
    // Pairs of label and expansion; several readings of one label are
    // separated by "|".
    void Define(const std::vector<std::pair<std::string, std::string>>& tabela);

    // Reads the tab-separated table; lines starting with "#" are comments.
    static bool LeArquivo(const std::string& caminho,
                          std::vector<std::pair<std::string, std::string>>& tabela, std::string& erro);

    // Expansion of a label, or "" when nothing of it is known. The label may
    // come from a link ("%20" for blanks, a final "." added). A label that is
    // not in the table whole is expanded word by word, unknown words kept.
    std::string Expande(std::string_view rotulo) const;

    // True when the label, or every dotted word of it, is in the table.
    bool Conhece(std::string_view rotulo) const;

    // True when the label is in the table as a whole ("n. p.", "b. lat."),
    // not only word by word.
    bool ConheceInteiro(std::string_view rotulo) const;

    size_t tamanho() const { return tabela_.size(); }

private:
    const std::string* Procura(std::string_view chave) const;

    std::map<std::string, std::string, std::less<>> tabela_;
};

}  // namespace mini
