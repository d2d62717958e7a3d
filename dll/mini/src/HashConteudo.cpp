#include "HashConteudo.h"

#include <cstdint>
#include <cstdio>

namespace mini {

void MisturaValor(uint64_t& h, const void* bytes, size_t n) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < n; ++i) {
        h ^= b[i];
        h *= 1099511628211ull;
    }
    h ^= static_cast<uint64_t>(n);  // the length ends each value
    h *= 1099511628211ull;
}

std::string HexHashConteudo(uint64_t h) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return hex;
}

bool HashConteudo(sqlite3* db, std::string& hash, std::string& erro) {
    static const char* const consultas[] = {
        "SELECT id, palavra, dobrada, html FROM verbete ORDER BY id",
        "SELECT nome, dados FROM tabela ORDER BY nome",
        "SELECT rotulo, expansao FROM abreviatura ORDER BY rotulo",
        "SELECT chave, inversa, ids FROM vocabulario ORDER BY chave",
        "SELECT chave, ids FROM flexao ORDER BY chave",
    };
    uint64_t h = kInicioHashConteudo;
    for (const char* sql : consultas) {
        sqlite3_stmt* st = nullptr;
        int rc = sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
        while (rc == SQLITE_OK && (rc = sqlite3_step(st)) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                MisturaValor(h, sqlite3_column_blob(st, c), static_cast<size_t>(sqlite3_column_bytes(st, c)));
            rc = SQLITE_OK;
        }
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE) {
            erro = sqlite3_errmsg(db);
            return false;
        }
    }
    hash = HexHashConteudo(h);
    return true;
}

}  // namespace mini
