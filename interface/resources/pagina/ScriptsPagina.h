// Scripts the program runs in the entry page (in its own script world;
// the page's templates allow no scripts of their own).
#pragma once

#include <QString>

class ScriptsPagina {
public:
    static constexpr const char* CaminhoMarca = ":/pagina/marca.js";

    // Defines MarcaBusca(palavras, iniciada, terminada, corFundo, corTexto),
    // DesmarcaBusca(), RecoloreBusca(corFundo, corTexto) and ChaveBusca(texto).
    static QString ScriptMarca();
};
