// A hash of everything the compiler wrote (all tables but "info", row by row
// in key order), recorded in "info" at the end of a compile and checked by
// the engine's verification: damage that SQLite itself cannot see shows.
#pragma once

#include <sqlite3.h>

#include <string>

namespace mini {

// Sixteen hex digits; false with SQLite's message when a read fails.
bool HashConteudo(sqlite3* db, std::string& hash, std::string& erro);

}  // namespace mini
