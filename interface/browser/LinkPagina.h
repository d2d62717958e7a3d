// The commands a link in a shown page stands for. The page reports the
// link's text as written in the HTML; this turns it into a command.
#pragma once

#include <QString>
#include <QtGlobal>

struct LinkPagina {
    enum Tipo {
        Nenhum = 0,
        Verbete = 1,
        Palavra = 2,
        Voltar = 3
    };

    Tipo tipo = Nenhum;
    qint32 id = -1; // Verbete: the entry to open
    QString palavra; // Palavra: the word to look up, as the link has it

    // "goID://123" (any case) is an entry, "goto://word" a lookup and
    // "javascript:history.back()" a step back; anything else is no command.
    // A trailing "/" some browsers add after the text is dropped.
    static LinkPagina Interpreta(const QString& endereco);
};
