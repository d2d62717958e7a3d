// Splits one source line into plain runs, italics and cross-reference terms,
// and marks where its examples begin and end, so the renderer can wrap each
// example whole (the reduced view hides them). An example is a quotation of
// the source (kInicioCitacao … kFimCitacao) with its attribution, up to a
// following note, or a run of italics after a colon: "Convir: _isso não
// me quadra_."; either one starts at its colon.
#pragma once

#include <string_view>
#include <vector>

namespace mini::compilador {

struct Trecho {
    enum Tipo { kTexto, kItalico, kTermo, kInicioCitacao, kFimCitacao, kInicioExemplo, kFimExemplo };
    Tipo tipo;
    std::string_view texto;  // without its underscores or term marks
};

class TrechosLinha {
public:
    static std::vector<Trecho> Divide(std::string_view linha);

private:
    static std::vector<Trecho> Fatia(std::string_view linha);
    static void MarcaExemplos(std::vector<Trecho>& trechos);
};

}  // namespace mini::compilador
