// Which filter classes an entry belongs to, read from its class labels,
// usage labels, definitions and etymology. An entry of several classes is in
// each. The rules are written down in the engine's README.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FonteVerbete.h"

namespace mini::compilador {

// Engine filter ids of the classes.
enum FiltroClasse : int {
    kAdjetivo = 9,
    kAdverbio = 10,
    kArtigo = 11,
    kConjuncao = 12,
    kElemento = 13,
    kInterjeicao = 14,
    kNumeral = 15,
    kPreposicao = 17,
    kPronome = 18,
    kSubstantivo = 19,
    kVerbo = 21,
    kGiria = 22,
    kEstrangeira = 23,
};

constexpr uint16_t Bit(int filtro) { return static_cast<uint16_t>(1u << (filtro - 9)); }

class ClassesGramaticais {
public:
    // Classes of one class label such as "m. e adj." or "Loc. adv.".
    static uint16_t DoRotulo(const std::string& classe);
    // Every class of an entry, Gírias and Estrangeiras included.
    static uint16_t DoVerbete(const FonteVerbete& v);
    // Parts of a class label: "m. ,  f.  e  adj." gives "m.", "f.", "adj.".
    static std::vector<std::string> Partes(const std::string& classe);
    // True for class labels of verbs ("v. t.", "V. i. e p.").
    static bool EhClasseVerbal(const std::string& classe);
};

}  // namespace mini::compilador
