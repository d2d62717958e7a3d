#include "ValorConfig.h"

namespace ValoresConfig {

const std::array<ValorConfig, 25>& Todos()
{
    static const std::array<ValorConfig, 25> todos{{
        JanelaX,    JanelaY,           JanelaW,           JanelaH,      JanelaMax,     SomarFiltros,  ModoBusca,
        DirNotas,   InstalacaoMaquina, InstalacaoUsuario, TempoTip,     MarcaCorFundo, MarcaCorTexto, FonteVerbete,
        FonteLista, FormaApresentacao, HistTit[0],        HistTit[1],   HistTit[2],    HistTit[3],    HistID[0],
        HistID[1],  HistID[2],         HistID[3],         DirInstalado,
    }};
    return todos;
}

} // namespace ValoresConfig
