// UTF-8 for the conjugator. Unlike the engine's folding module, a byte
// sequence that is not valid UTF-8 is refused here: a headword we cannot read
// exactly cannot be conjugated, and a guess would print a wrong table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mini {

class Utf8Estrito {
public:
    // Code points of texto, or nothing when texto is not valid UTF-8
    // (overlong forms, surrogates, truncated sequences) or holds more than
    // limite code points.
    static std::optional<std::u32string> Decodifica(std::string_view texto, std::size_t limite);
    static std::string Codifica(std::u32string_view texto);
    static void Acrescenta(std::string& destino, char32_t c);
};

}  // namespace mini
