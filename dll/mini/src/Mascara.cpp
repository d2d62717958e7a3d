#include "Mascara.h"

namespace mini {
namespace {

bool EhContinuacao(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Steps over one UTF-8 character starting at i.
size_t Proximo(std::string_view s, size_t i) {
    ++i;
    while (i < s.size() && EhContinuacao(s[i])) ++i;
    return i;
}

}  // namespace

size_t ContaCaracteres(std::string_view texto) {
    size_t n = 0;
    for (char c : texto)
        if (!EhContinuacao(c)) ++n;
    return n;
}

Mascara::Mascara(std::string_view padrao) {
    padrao_.reserve(padrao.size());
    for (char c : padrao) {
        if (c == '*') {
            curinga_ = true;
            if (!padrao_.empty() && padrao_.back() == '*') continue;
        } else if (c == '?') {
            curinga_ = true;
            ++minimo_;
        } else if (!EhContinuacao(c)) {
            ++minimo_;
        }
        padrao_.push_back(c);
    }
}

std::string_view Mascara::PrefixoLiteral() const {
    size_t fim = padrao_.find_first_of("*?");
    return std::string_view(padrao_).substr(0, fim);
}

bool Mascara::Casa(std::string_view t) const {
    std::string_view p = padrao_;
    size_t i = 0, j = 0;
    size_t estrela = std::string_view::npos, retomada = 0;
    while (i < t.size()) {
        if (j < p.size() && p[j] == '?') {
            i = Proximo(t, i);
            ++j;
        } else if (j < p.size() && p[j] == '*') {
            estrela = j++;
            retomada = i;
        } else if (j < p.size() && p[j] == t[i]) {
            ++i;
            ++j;
        } else if (estrela != std::string_view::npos) {
            j = estrela + 1;
            retomada = Proximo(t, retomada);
            i = retomada;
        } else {
            return false;
        }
    }
    while (j < p.size() && p[j] == '*') ++j;
    return j == p.size();
}

std::string Mascara::TransformaSegmentos(std::string_view padrao,
                                         const std::function<std::string(std::string_view)>& f) {
    std::string saida;
    size_t ini = 0;
    while (ini <= padrao.size()) {
        size_t fim = padrao.find_first_of("*?", ini);
        if (fim == std::string_view::npos) fim = padrao.size();
        saida += f(padrao.substr(ini, fim - ini));
        if (fim == padrao.size()) break;
        saida.push_back(padrao[fim]);
        ini = fim + 1;
    }
    return saida;
}

}  // namespace mini
