// The program's table of texts: messages, titles and tool tips by number.
// Every part of the viewer takes its user-visible wording from here.
#pragma once

#include <QString>

class TabelaStrings {
public:
    static constexpr int TituloMensagens = 100;
    static constexpr int NenhumaPesquisa = 106;
    static constexpr int NomesTempos = 120;   // the 13 tense names, comma-separated
    static constexpr int Carregando = 128;
    static constexpr int ErroDados = 131;
    static constexpr int Licenca = 134;
    static constexpr int NaoGravaCSS = 371;   // the style-sheet folder is read-only
    static constexpr int CaixaLateral = 400;     // the entry's side box
    static constexpr int SeparadorCaixa = 600;   // between its two lists
    static constexpr int DicaPaginaInicial = 701;
    static constexpr int DicaVoltar = 702;
    static constexpr int DicaAvancar = 703;
    static constexpr int DicaModoCompleto = 704;
    static constexpr int DicaModoReduzido = 705;
    static constexpr int DicaModoDicionario = 706;
    static constexpr int DicaImprimir = 707;
    static constexpr int DicaNota = 708;

    // The text of a number; empty for a number the table does not hold.
    static QString Texto(int id);
    // The text with "%1" replaced by a path or a name.
    static QString Texto(int id, const QString& valor);
};
