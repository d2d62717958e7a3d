#include "IndicePalavras.h"

#include <locale.h>
#include <regex.h>

#include <algorithm>

#include "mini/DLLMiniLexariaDB.h"
#include "mini/Normaliza.h"

namespace {

bool UmaEdicaoDe(std::u32string_view a, std::u32string_view b) {
    if (a.size() > b.size()) std::swap(a, b);
    if (b.size() - a.size() > 1) return false;
    size_t i = 0;
    while (i < a.size() && a[i] == b[i]) ++i;
    if (a.size() == b.size()) return i == a.size() || a.substr(i + 1) == b.substr(i + 1);
    return a.substr(i) == b.substr(i + 1);
}

// The expressions are read as UTF-8 whatever the process locale is; the
// locale is set for the calling thread only.
locale_t LocaleUtf8() {
    static const locale_t loc = [] {
        locale_t l = newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(0));
        return l ? l : newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    }();
    return loc;
}

class LocaleDaThread {
public:
    LocaleDaThread() : anterior_(uselocale(LocaleUtf8())) {}
    ~LocaleDaThread() { uselocale(anterior_); }
    LocaleDaThread(const LocaleDaThread&) = delete;
    LocaleDaThread& operator=(const LocaleDaThread&) = delete;

private:
    locale_t anterior_;
};

}  // namespace

IndicePalavras::IndicePalavras(DLLMiniLexariaDB& motor) {
    std::string texto;
    for (int32_t id = 0;; ++id) {
        // Key 0 gives the headword alone, without reading the page.
        std::string palavra = motor.ObtemVerbete(id, texto, 0);
        if (palavra.empty()) break;
        palavra = palavra.substr(0, palavra.find("\u00A0"));
        chaves_.push_back(mini::ChaveDobrada(palavra));
        letras_.push_back(mini::DecodificaUtf8(chaves_.back()));
        palavras_.push_back(std::move(palavra));
    }
    ordem_.resize(palavras_.size());
    for (size_t i = 0; i < ordem_.size(); ++i) ordem_[i] = static_cast<int32_t>(i);
    std::stable_sort(ordem_.begin(), ordem_.end(), [this](int32_t a, int32_t b) {
        return chaves_[static_cast<size_t>(a)] < chaves_[static_cast<size_t>(b)];
    });
}

// Ids whose key begins with the folded word (or equals it), found by binary
// search in key order, then put back in dictionary order.
std::vector<int32_t> IndicePalavras::PorOrdem(std::string_view palavra, bool exata) const {
    const std::string chave = mini::ChaveDobrada(palavra);
    std::vector<int32_t> ids;
    if (chave.empty()) return ids;
    auto menor = [this](int32_t id, const std::string& c) { return chaves_[static_cast<size_t>(id)] < c; };
    for (auto it = std::lower_bound(ordem_.begin(), ordem_.end(), chave, menor); it != ordem_.end(); ++it) {
        const std::string& c = chaves_[static_cast<size_t>(*it)];
        if (exata ? c != chave : !c.starts_with(chave)) break;
        ids.push_back(*it);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::vector<int32_t> IndicePalavras::Exatas(std::string_view palavra) const {
    return PorOrdem(palavra, true);
}

std::vector<int32_t> IndicePalavras::Prefixo(std::string_view palavra) const {
    return PorOrdem(palavra, false);
}

std::vector<int32_t> IndicePalavras::Varre(std::string_view palavra, bool fim) const {
    const std::string chave = mini::ChaveDobrada(palavra);
    std::vector<int32_t> ids;
    if (chave.empty()) return ids;
    for (size_t i = 0; i < chaves_.size(); ++i)
        if (fim ? chaves_[i].ends_with(chave) : chaves_[i].find(chave) != std::string::npos)
            ids.push_back(static_cast<int32_t>(i));
    return ids;
}

std::vector<int32_t> IndicePalavras::Sufixo(std::string_view palavra) const { return Varre(palavra, true); }

std::vector<int32_t> IndicePalavras::Contem(std::string_view palavra) const { return Varre(palavra, false); }

std::vector<int32_t> IndicePalavras::UmaEdicao(std::string_view palavra) const {
    const std::u32string letras = mini::DecodificaUtf8(mini::ChaveDobrada(palavra));
    std::vector<int32_t> ids;
    if (letras.empty()) return ids;
    for (size_t i = 0; i < letras_.size(); ++i)
        if (UmaEdicaoDe(letras, letras_[i])) ids.push_back(static_cast<int32_t>(i));
    return ids;
}

bool IndicePalavras::Expressao(std::string_view padrao, std::vector<int32_t>& ids) const {
    ids.clear();
    if (padrao.empty() || padrao.size() > kMaximoExpressao) return false;
    for (size_t i = 0; i + 1 < padrao.size(); ++i) {
        if (padrao[i] == '\\') {
            if (padrao[i + 1] >= '1' && padrao[i + 1] <= '9') return false;
            ++i;
        }
    }
    const std::string texto(padrao);
    if (texto.find('\0') != std::string::npos) return false;
    LocaleDaThread utf8;
    regex_t re;
    if (regcomp(&re, texto.c_str(), REG_EXTENDED | REG_ICASE | REG_NOSUB) != 0) return false;
    for (size_t i = 0; i < palavras_.size(); ++i)
        if (regexec(&re, palavras_[i].c_str(), 0, nullptr, 0) == 0) ids.push_back(static_cast<int32_t>(i));
    regfree(&re);
    return true;
}
