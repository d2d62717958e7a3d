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

    static constexpr const char* CaminhoLinks = ":/pagina/links.js";
    // Reports clicks on command links as console lines that begin with
    // marca; the navigation itself does not happen.
    static QString ScriptLinks(const QString& marca);

    // The command link schemes (goto, goid) and the pages' own (mini) must be known to the web view
    // before the application object exists: main() calls this first.
    static void RegistraEsquemas();
};
