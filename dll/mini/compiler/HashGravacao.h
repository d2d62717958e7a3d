// The content hash of a database being written, built from the rows as they
// are inserted instead of reading everything back at the end. It holds only
// while the rows come as the hash reads them: entries by id, then the
// tables, abbreviations, vocabulary and inflections, each of the last two in
// key order. Anything else and Valido() says no: the writer reads back.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "HashConteudo.h"

namespace mini::compilador {

class HashGravacao {
public:
    void Verbete(int64_t id, std::string_view palavra, std::string_view dobrada, std::string_view html);
    void Tabela(std::string_view nome, std::string_view dados);
    void Abreviatura(std::string_view rotulo, std::string_view expansao);
    void Vocabulario(std::string_view chave, std::string_view inversa, std::string_view ids);
    void Flexao(std::string_view chave, std::string_view ids);

    bool Valido() const { return valido_; }
    // Sixteen hex digits, as HashConteudo gives them.
    std::string Resultado();

private:
    // The row groups in the order the hash takes them.
    enum Parte { kVerbetes, kTabelas, kAbreviaturas, kVocabulario, kFlexoes, kFim };
    // Moves on to a group, mixing the buffered tables and abbreviations once
    // they are behind; false when the group is already behind.
    bool Entra(Parte parte);
    // Keys must grow strictly within a group.
    bool Cresce(std::string_view chave);
    void Mistura(std::string_view valor);

    uint64_t h_ = kInicioHashConteudo;
    bool valido_ = true;
    Parte parte_ = kVerbetes;
    int64_t ultimoId_ = -1;
    std::string ultimaChave_;
    bool temChave_ = false;
    std::map<std::string, std::string, std::less<>> tabelas_, abreviaturas_;
};

}  // namespace mini::compilador
