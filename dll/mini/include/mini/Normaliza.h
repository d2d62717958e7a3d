// One folding module for the whole program: the engine orders and finds
// headwords with it, and the viewer's rules call the same functions, so
// accents, case and separators are treated alike everywhere.
#pragma once

#include <string>
#include <string_view>

namespace mini {

// Comparison key of a word: accents folded to the base letter, separators
// ("-", " ", "'", "(", ")", "\", "/", "°", ".", "?", "!", ":", "*", "~",
// no-break space and U+0178) dropped, lower case, trimmed. Letters of
// U+00C0..U+00FF without a Portuguese base letter ("Ñ", "Ý", "Æ" ...) become
// "-", as the viewer's comparison has always done.
std::string NormalizaPalavra(std::string_view texto);

// The key the engine sorts and matches headwords by: NormalizaPalavra, except
// that every Latin letter folds to its base letter ("ñ" to "n", "ý" to "y"),
// so no headword falls outside the letter it is filed under.
std::string ChaveDobrada(std::string_view texto);

// Same as ChaveDobrada but keeps "*" and "?" (mask wildcards).
std::string ChaveDobradaMascara(std::string_view texto);

// Bridges the 1913 spelling and today's: takes a ChaveDobrada result and
// simplifies what the two spellings write differently (ph, th, rh, y, double
// consonants, silent c and p, "sc" at the start). Both sides of a comparison
// go through it, so "pharmacia" and "farmacia" meet at "farmacia".
std::string ChaveOrtografica(std::string_view chaveDobrada);

// Decodes UTF-8 into code points; a byte that does not start a valid sequence
// is taken as a Windows-1252 character, so no input is ever rejected.
std::u32string DecodificaUtf8(std::string_view texto);
std::string CodificaUtf8(std::u32string_view texto);
void AcrescentaUtf8(std::string& destino, char32_t c);

// Reverses a text character by character (suffix searches walk reversed keys).
std::string InverteUtf8(std::string_view texto);

// Lower case for the letters a dictionary of Portuguese meets (ASCII and
// U+00C0..U+017F); other characters are returned unchanged.
char32_t Minuscula(char32_t c);
std::string MinusculasUtf8(std::string_view texto);

}  // namespace mini
