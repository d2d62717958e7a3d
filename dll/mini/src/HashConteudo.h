// A hash of everything the compiler wrote (all tables but "info", row by row
// in key order), recorded in "info" at the end of a compile and checked by
// the engine's verification: damage that SQLite itself cannot see shows.
#pragma once

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace mini {

// Sixteen hex digits; false with SQLite's message when a read fails.
bool HashConteudo(sqlite3* db, std::string& hash, std::string& erro);

// The same hash built value by value, for a writer that sees the rows go by
// in that order: start from kInicioHashConteudo, mix each value's bytes as
// SQLite gives them back, and write the result with HexHashConteudo.
constexpr uint64_t kInicioHashConteudo = 14695981039346656037ull;
void MisturaValor(uint64_t& h, const void* bytes, size_t n);
std::string HexHashConteudo(uint64_t h);

}  // namespace mini
