// Names shared by the data compiler (which writes them) and the engine
// (which reads them). Bump kVersaoFormato whenever the layout changes.
#pragma once

#include <cstdint>

namespace mini::esquema {

constexpr const char* kVersaoFormato = "minilexaria-8";

constexpr const char* kCriaTabelas =
    "CREATE TABLE info(chave TEXT PRIMARY KEY, valor TEXT NOT NULL) WITHOUT ROWID;"
    // The headword and its folded key beside the page: one lookup of a
    // process that asks for one word needs no table loaded.
    "CREATE TABLE verbete(id INTEGER PRIMARY KEY, palavra TEXT NOT NULL, dobrada TEXT NOT NULL,"
    " html TEXT NOT NULL);"
    "CREATE TABLE tabela(nome TEXT PRIMARY KEY, dados BLOB NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE abreviatura(rotulo TEXT PRIMARY KEY, expansao TEXT NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE vocabulario(chave TEXT PRIMARY KEY, inversa TEXT NOT NULL, ids BLOB NOT NULL)"
    " WITHOUT ROWID;"
    // Inflected forms (spelling-bridge key) -> the entries they inflect.
    "CREATE TABLE flexao(chave TEXT PRIMARY KEY, ids BLOB NOT NULL) WITHOUT ROWID;";
constexpr const char* kCriaIndices =
    // Covering: an ending's words and ids come from the index alone.
    "CREATE INDEX vocabulario_inversa ON vocabulario(inversa, chave, ids);"
    "CREATE INDEX verbete_dobrada ON verbete(dobrada);";

// Blobs of the "tabela" table.
constexpr const char* kPalavras = "palavras";                   // display headwords, by id
constexpr const char* kDobradas = "dobradas";                   // folded keys, by id (sorted)
constexpr const char* kOrtograficas = "ortograficas";           // spelling-bridge keys, by id
constexpr const char* kOrdemOrtografica = "ordem_ortografica";  // ids sorted by that key
constexpr const char* kClasses = "classes";                     // 16-bit class bits per id
constexpr const char* kModernas = "modernas";                   // today's spellings by id, "a|b" or ""
constexpr const char* kChavesModernas = "chaves_modernas";      // their folded keys, sorted
constexpr const char* kIdsModernos = "ids_modernos";            // the id of each of those keys
// Folded keys and modern keys reversed and sorted, for masks that end in text
// ("*ção"); each id has kBitModerna set when its key is a modern spelling's.
constexpr const char* kInversas = "inversas";
constexpr const char* kIdsInversos = "ids_inversos";
constexpr uint32_t kBitModerna = 0x80000000u;

// Class bits: engine filter id minus 9.
constexpr int kPrimeiroFiltro = 9;
constexpr int kUltimoFiltro = 23;
constexpr int kFiltroAdjetivo = 9;
constexpr int kFiltroNumeral = 15;
constexpr int kFiltroSubstantivo = 19;
constexpr int kFiltroVerbo = 21;

}  // namespace mini::esquema
