// Splits a command line of the dictionary protocol into its words: blanks
// separate them, and a word may be quoted with double or single quotes, with
// a backslash taking the next character as it is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class LinhaComando {
public:
    // False when a quote is left open or the line ends in a lone backslash.
    static bool Divide(std::string_view linha, std::vector<std::string>& palavras);
};
