// Reads the bzip2-compressed XML files of the dictionary directly.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "FonteVerbete.h"

namespace mini::compilador {

class LeitorDicionario {
public:
    // Parses one XML document; entries are appended. False on malformed XML.
    static bool Analisa(const std::string& xml, const std::string& nomeArquivo,
                        std::vector<FonteVerbete>& verbetes, std::string& erro);

    // Every *.xml.bz2 of a folder, in name order. The callback reports
    // progress (file name and entries read from it). With a cache folder the
    // decompressed XML is kept there for the next build.
    static bool LePasta(const std::string& pasta, std::vector<FonteVerbete>& verbetes, std::string& erro,
                        const std::function<void(const std::string&, size_t)>& progresso,
                        const std::string& pastaCache = {});
};

// Collapses runs of white space into one blank and trims the ends.
std::string ColapsaEspacos(const std::string& s);

}  // namespace mini::compilador
