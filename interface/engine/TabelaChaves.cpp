#include "TabelaChaves.h"

#include "mini/ChaveVerbete.h"

#include <utility>

static_assert(TabelaChaves::kTamanho == mini::kTamanhoTabelaChaves,
              "the viewer and the engine must agree on the table size");

TabelaChaves::TabelaChaves() : TabelaChaves(&mini::ValorChaveVerbete) { }

// An empty generator would leave nothing to fill with: fall back to the engine's.
TabelaChaves::TabelaChaves(Gerador gerador) : gerador_(gerador ? std::move(gerador) : Gerador(&mini::ValorChaveVerbete))
{
}

TabelaChaves& TabelaChaves::global()
{
    static TabelaChaves tabela;
    return tabela;
}

void TabelaChaves::Preenche()
{
    if (preenchida_)
        return;
    for (int p = 1; p <= kTamanho; ++p)
        valores_[static_cast<size_t>(p - 1)] = gerador_(p);
    preenchida_ = true;
}

qint16 TabelaChaves::valor(int posicao)
{
    if (posicao < 1 || posicao > kTamanho)
        return 0;
    Preenche();
    return valores_[static_cast<size_t>(posicao - 1)];
}

int TabelaChaves::posicao(qint32 id)
{
    if (id < 0)
        return 0;
    return static_cast<int>(id % kTamanho) + 1;
}
