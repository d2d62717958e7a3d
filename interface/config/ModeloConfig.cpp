#include "ModeloConfig.h"

namespace {

// Three parallel lists, split at start; the names hold a "/" and accents
// that end up inside stored value names.
const char* const kNomes = "Achega,Classe gramatical/Regência,Definição,Etimologia,Locução,Número da definição,"
                           "Rubrica,Título,Título da locução";
const char* const kCores = "983400,FF0000,000000,3068FF,303498,000000,008000,336699,000099";
const char* const kTipos = "0,2,2,0,0,0,0,2,2";

} // namespace

std::array<ElementoVerbete, ModeloConfig::NumElementos> ModeloConfig::ElementosIniciais()
{
    const QStringList nomes = QString::fromUtf8(kNomes).split(u',');
    const QStringList cores = QString::fromUtf8(kCores).split(u',');
    const QStringList tipos = QString::fromUtf8(kTipos).split(u',');
    std::array<ElementoVerbete, NumElementos> elementos;
    for (int i = 0; i < NumElementos; ++i) {
        ElementoVerbete& e = elementos[static_cast<size_t>(i)];
        e.Nome = nomes[i];
        e.CorPadrao = e.Cor = cores[i];
        e.TipoFonte = e.TipoFontePadrao = static_cast<qint16>(tipos[i].toShort());
    }
    return elementos;
}

QStringList ModeloConfig::NomesTiposFonte()
{
    return {QStringLiteral("Normal"), QStringLiteral("Itálico"), QStringLiteral("Negrito"),
            QStringLiteral("Itálico e negrito"), QStringLiteral("Sublinhado")};
}

ModeloConfig& Configuracao()
{
    static ModeloConfig modelo;
    return modelo;
}
