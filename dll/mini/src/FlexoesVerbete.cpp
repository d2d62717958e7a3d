#include "FlexoesVerbete.h"

#include <algorithm>

#include "Conjugador.h"
#include "Esquema.h"
#include "FlexaoNominal.h"
#include "mini/Normaliza.h"

namespace mini {
namespace {

constexpr std::size_t kParticipio = 66;

bool Tem(uint16_t classes, int filtro) {
    return (classes & (1u << (filtro - esquema::kPrimeiroFiltro))) != 0;
}

bool TemMaiuscula(std::string_view s) {
    for (char32_t c : DecodificaUtf8(s))
        if (Minuscula(c) != c) return true;
    return false;
}

std::vector<std::string> FormasNominais(std::string_view palavra, uint16_t classes) {
    const bool substantivo = Tem(classes, esquema::kFiltroSubstantivo);
    const bool adjetivo = Tem(classes, esquema::kFiltroAdjetivo);
    // Numbers ("cinco", "cincoenta") do not inflect like adjectives.
    if ((substantivo || adjetivo) && !Tem(classes, esquema::kFiltroNumeral) && !TemMaiuscula(palavra))
        return FlexaoNominal::Formas(palavra, substantivo, adjetivo);
    return {};
}

bool Contem(const std::vector<std::string>& formas, std::string_view forma) {
    return std::find(formas.begin(), formas.end(), forma) != formas.end();
}

}  // namespace

std::string FlexoesVerbete::Chave(std::string_view forma) {
    // As written: a rule fold would make "atos" a form of "apto".
    return ChaveDobrada(forma);
}

std::string_view FlexoesVerbete::SemHomonimo(std::string_view palavra) {
    return palavra.substr(0, palavra.find("\u00A0"));
}

std::vector<std::string> FlexoesVerbete::FormasVerbais(std::string_view palavra) {
    palavra = SemHomonimo(palavra);
    auto completas = Conjugador::FormasCompletas(palavra);
    const std::size_t hifen = palavra.find('-');
    if (completas.empty() && hifen != std::string_view::npos && hifen > 0 && palavra[hifen - 1] == 'r')
        completas = Conjugador::FormasCompletas(palavra.substr(0, hifen));
    if (completas.size() < kParticipio) return {};
    std::vector<std::string> formas;
    formas.reserve(completas.size() + 12);
    for (std::size_t i = 0; i < completas.size(); ++i) {
        const std::string& f = completas[i];
        if (f.empty() || f == "/") continue;
        formas.push_back(f);
        // A participle agrees like an adjective: feito, feita, feitos, feitas.
        if (i >= kParticipio && f.back() == 'o') {
            const std::string radical = f.substr(0, f.size() - 1);
            formas.push_back(radical + "a");
            formas.push_back(radical + "os");
            formas.push_back(radical + "as");
        }
    }
    return formas;
}

std::vector<std::string> FlexoesVerbete::Formas(std::string_view palavra, uint16_t classes) {
    palavra = SemHomonimo(palavra);
    std::vector<std::string> todas;
    if (Tem(classes, esquema::kFiltroVerbo)) todas = FormasVerbais(palavra);
    for (auto& f : FormasNominais(palavra, classes)) todas.push_back(std::move(f));
    // Each form once, in the order made; sorting views beats hashing strings here.
    std::vector<std::pair<std::string_view, std::size_t>> ordem;
    ordem.reserve(todas.size());
    for (std::size_t i = 0; i < todas.size(); ++i) ordem.emplace_back(todas[i], i);
    std::sort(ordem.begin(), ordem.end());
    std::vector<bool> fica(todas.size(), false);
    for (std::size_t i = 0; i < ordem.size(); ++i)
        fica[ordem[i].second] = (i == 0 || ordem[i].first != ordem[i - 1].first) && ordem[i].first != palavra;
    std::vector<std::string> formas;
    formas.reserve(todas.size());
    for (std::size_t i = 0; i < todas.size(); ++i)
        if (fica[i]) formas.push_back(std::move(todas[i]));
    return formas;
}

bool FlexoesVerbete::TemForma(std::string_view palavra, uint16_t classes, std::string_view forma) {
    // What Formas would list, without sorting out repeats: the verb's forms
    // first, and the nominal ones only when those do not have it.
    palavra = SemHomonimo(palavra);
    if (forma == palavra) return false;
    if (Tem(classes, esquema::kFiltroVerbo) && Contem(FormasVerbais(palavra), forma)) return true;
    return Contem(FormasNominais(palavra, classes), forma);
}

}  // namespace mini
