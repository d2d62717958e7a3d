#include "FiltrosClasse.h"

#include "TabelaStrings.h"

#include <QStringList>
#include <array>

namespace {

constexpr std::array<const char*, FiltrosClasse::Quantidade> kNomes = {
    "Adjetivo", "Advérbio",    "Artigo", "Conjunção", "Elemento de composição", "Interjeição", "Numeral", "Preposição",
    "Pronome",  "Substantivo", "Verbo",  "Gírias",    "Estrangeiras",
};

} // namespace

QString FiltrosClasse::Nome(int indice)
{
    if (indice < 0 || indice >= Quantidade)
        return {};
    return QString::fromUtf8(kNomes[static_cast<size_t>(indice)]);
}

int FiltrosClasse::Codigo(int entrada)
{
    if (entrada >= 8 && entrada <= 10)
        return entrada + 1;
    if (entrada >= 11 && entrada <= 15)
        return entrada + 2;
    return entrada;
}

QString FiltrosClasse::Codigos(const std::vector<bool>& marcadas, bool filtroEscolhido)
{
    QString codigos;
    if (!filtroEscolhido)
        return codigos;
    for (size_t i = 0; i < marcadas.size() && i < Quantidade; ++i)
        if (marcadas[i])
            codigos += QString::number(Codigo(static_cast<int>(i) + 1)) + u';';
    return codigos;
}

QString FiltrosClasse::Descricao(const std::vector<bool>& marcadas, bool somados)
{
    QStringList nomes;
    for (size_t i = 0; i < marcadas.size() && i < Quantidade; ++i)
        if (marcadas[i])
            nomes << Nome(static_cast<int>(i));
    if (nomes.isEmpty())
        return {};
    QString texto = TabelaStrings::Texto(TabelaStrings::PrefixoFiltro) + u' ' + nomes.join(QStringLiteral(" | "));
    if (somados)
        texto += u' ' + TabelaStrings::Texto(TabelaStrings::FiltrosSomados);
    return texto;
}
