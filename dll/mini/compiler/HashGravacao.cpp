#include "HashGravacao.h"

namespace mini::compilador {

void HashGravacao::Mistura(std::string_view valor) { MisturaValor(h_, valor.data(), valor.size()); }

bool HashGravacao::Entra(Parte parte) {
    if (parte < parte_) return valido_ = false;
    for (; parte_ < parte; parte_ = static_cast<Parte>(parte_ + 1)) {
        // Leaving a group whose rows were held back: they go in, in key order.
        const auto* guardados = parte_ == kTabelas        ? &tabelas_
                                : parte_ == kAbreviaturas ? &abreviaturas_
                                                          : nullptr;
        if (guardados)
            for (const auto& [chave, valor] : *guardados) {
                Mistura(chave);
                Mistura(valor);
            }
        temChave_ = false;
    }
    return valido_;
}

bool HashGravacao::Cresce(std::string_view chave) {
    if (temChave_ && !(ultimaChave_ < chave)) return valido_ = false;
    ultimaChave_.assign(chave);
    temChave_ = true;
    return true;
}

void HashGravacao::Verbete(int64_t id, std::string_view palavra, std::string_view dobrada,
                           std::string_view html) {
    if (!Entra(kVerbetes)) return;
    if (id <= ultimoId_) {
        valido_ = false;
        return;
    }
    ultimoId_ = id;
    // SQLite gives an integer back as its decimal text.
    Mistura(std::to_string(id));
    Mistura(palavra);
    Mistura(dobrada);
    Mistura(html);
}

void HashGravacao::Tabela(std::string_view nome, std::string_view dados) {
    // A second table of one name is refused by the database itself.
    if (Entra(kTabelas) && !tabelas_.emplace(std::string(nome), std::string(dados)).second) valido_ = false;
}

void HashGravacao::Abreviatura(std::string_view rotulo, std::string_view expansao) {
    // Written with "or replace": the last one of a label stays.
    if (Entra(kAbreviaturas)) abreviaturas_.insert_or_assign(std::string(rotulo), std::string(expansao));
}

void HashGravacao::Vocabulario(std::string_view chave, std::string_view inversa, std::string_view ids) {
    if (!Entra(kVocabulario) || !Cresce(chave)) return;
    Mistura(chave);
    Mistura(inversa);
    Mistura(ids);
}

void HashGravacao::Flexao(std::string_view chave, std::string_view ids) {
    if (!Entra(kFlexoes) || !Cresce(chave)) return;
    Mistura(chave);
    Mistura(ids);
}

std::string HashGravacao::Resultado() {
    Entra(kFim);
    return HexHashConteudo(h_);
}

}  // namespace mini::compilador
