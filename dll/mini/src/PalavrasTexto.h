// How the entry text is cut into words, shared by the text index and the
// queries on it, so a query word is always a word the index could hold.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mini {

// Words of a text as they are written: runs of letters and digits; a
// hyphenated or apostrophed word ("guarda-chuva", "d'água") gives the whole,
// then each part. With curingas, "*" and "?" count as letters (query masks).
std::vector<std::string> PalavrasDoTexto(std::string_view texto, bool curingas = false);

// The same words, in the same order, handed over decoded and without a copy
// each: the compiler cuts the whole book with it.
void ParaCadaPalavra(std::string_view texto, bool curingas,
                     const std::function<void(std::u32string_view palavra)>& recebe);

}  // namespace mini
