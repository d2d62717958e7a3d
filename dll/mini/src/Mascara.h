// Wildcard patterns over folded keys: "*" stands for any run of characters,
// "?" for exactly one (a whole UTF-8 character).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace mini {

class Mascara {
public:
    explicit Mascara(std::string_view padrao);

    bool Casa(std::string_view texto) const;

    // Literal text before the first wildcard: matches can only start with it.
    std::string_view PrefixoLiteral() const;
    bool TemCuringa() const { return curinga_; }
    // Characters a text needs at least to match.
    size_t MinimoCaracteres() const { return minimo_; }
    const std::string& padrao() const { return padrao_; }

    // Applies a transformation to each literal run between wildcards.
    static std::string TransformaSegmentos(std::string_view padrao,
                                           const std::function<std::string(std::string_view)>& f);

private:
    std::string padrao_;  // runs of "*" collapsed, so matching stays linear
    bool curinga_ = false;
    size_t minimo_ = 0;
};

// Length in characters of a UTF-8 text.
size_t ContaCaracteres(std::string_view texto);

}  // namespace mini
