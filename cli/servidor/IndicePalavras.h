// Every headword of the dictionary in memory, read once from the engine, for
// the match strategies over headwords (exact, prefix, suffix, substring,
// regular expression, one edit away). Read-only after construction, so every
// connection shares one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class DLLMiniLexariaDB;

class IndicePalavras {
public:
    explicit IndicePalavras(DLLMiniLexariaDB& motor);

    size_t tamanho() const { return palavras_.size(); }
    // The headword as the entry writes it, without the homonym number.
    const std::string& Palavra(int32_t id) const { return palavras_[static_cast<size_t>(id)]; }

    // Each answer is a list of entry ids in dictionary order. Words are
    // compared by their folded keys: accents, case and separators ignored.
    std::vector<int32_t> Exatas(std::string_view palavra) const;
    std::vector<int32_t> Prefixo(std::string_view palavra) const;
    std::vector<int32_t> Sufixo(std::string_view palavra) const;
    std::vector<int32_t> Contem(std::string_view palavra) const;
    // Headwords at most one insertion, deletion or substitution away.
    std::vector<int32_t> UmaEdicao(std::string_view palavra) const;
    // POSIX extended expression over the headwords as written, case ignored,
    // read as UTF-8. False when the pattern is refused (invalid, too long, or
    // with back-references, which can take exponential time).
    bool Expressao(std::string_view padrao, std::vector<int32_t>& ids) const;

    static constexpr size_t kMaximoExpressao = 256;

private:
    std::vector<int32_t> PorOrdem(std::string_view palavra, bool exata) const;
    // Every key ending with the folded word (fim) or holding it.
    std::vector<int32_t> Varre(std::string_view palavra, bool fim) const;

    std::vector<std::string> palavras_;
    std::vector<std::string> chaves_;     // folded key of each id
    std::vector<std::u32string> letras_;  // the same, as code points
    std::vector<int32_t> ordem_;          // ids sorted by key
};
