// One entry as read from the dictionary's XML, before it is ordered and
// rendered. Definition text keeps the source's mark-up conventions: "_" opens
// and closes italics, a cross-reference term is wrapped in kInicioTermo /
// kFimTermo, and a quoted example in kInicioCitacao / kFimCitacao.
#pragma once

#include <string>
#include <vector>

namespace mini::compilador {

constexpr char kInicioTermo = '\x01';
constexpr char kFimTermo = '\x02';
constexpr char kInicioCitacao = '\x03';
constexpr char kFimCitacao = '\x04';

struct Rotulo {
    std::string tipo;   // "style", "geo" or "dom"
    std::string texto;  // as written, e.g. "Prov." or "Bras. do N"
};

struct Sentido {
    std::string classe;  // gramGrp, spaces collapsed; empty when absent
    std::vector<Rotulo> rotulos;
    std::vector<std::string> linhas;  // one line per sense of the definition
    bool acrescimo = false;           // marked as an addition of this edition
};

struct Etimologia {
    std::string texto;
    std::string origem;  // the ori/orig attribute, if any
};

struct FonteVerbete {
    std::string arquivo;  // source file, e.g. "A.xml.bz2"
    size_t ordem = 0;     // place in the source, for a stable order
    std::string orth;
    std::string pronuncia;
    int homonimo = 0;
    bool geografico = false;
    bool nomeProprio = false;
    bool estrangeiro = false;  // written between braces in the printed book
    std::vector<Sentido> sentidos;
    std::vector<Etimologia> etimologias;
};

}  // namespace mini::compilador
