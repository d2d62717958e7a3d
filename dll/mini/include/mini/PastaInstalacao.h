// Where the database and the installation files are. A folder run as it is
// (the build's program folder, or a copy of it) holds them beside the
// executables; an installed program keeps them in the data folder of its
// prefix, found from the executable's own place, so a prefix can be moved.
#pragma once

#include <string>

namespace mini {

// The folder of the running executable.
std::string PastaExecutavel();

// The folder holding the database for an executable in pastaExecutavel:
// that folder when the database is there, else the prefix's data folder
// when it is there, else pastaExecutavel (opening then fails as it should).
std::string PastaInstalacao(const std::string& pastaExecutavel);
std::string PastaInstalacao();

// Where the prefix's data folder is, seen from its bin folder.
const char* PastaDadosRelativa();

}  // namespace mini
