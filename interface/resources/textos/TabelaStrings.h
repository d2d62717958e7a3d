// The program's table of texts: messages, titles and tool tips by number.
// Every part of the viewer takes its user-visible wording from here.
#pragma once

#include <QString>

class TabelaStrings {
public:
    static constexpr int TituloMensagens = 100;
    static constexpr int NenhumaPesquisa = 106;
    static constexpr int NenhumVerbete = 113;
    static constexpr int Verbete = 114;
    static constexpr int Verbetes = 115;
    static constexpr int PrefixoFiltro = 116;
    static constexpr int PaginaBuscaVazia = 117;
    static constexpr int FiltrosSomados = 118;
    static constexpr int NomesTempos = 120; // the 13 tense names, comma-separated
    static constexpr int ListaIncompleta = 124;
    static constexpr int Carregando = 128;
    static constexpr int ErroDados = 131;
    static constexpr int Licenca = 134;
    static constexpr int NaoGravaCSS = 371; // the style-sheet folder is read-only
    // Result pages: 201..210 found, +50 not found; titles +100.
    static constexpr int PaginaEncontrados = 200;
    static constexpr int PaginaUmaLetra = 501;
    static constexpr int PaginaSoPalavrasComuns = 502;
    static constexpr int CaixaLateral = 400; // the entry's side box
    static constexpr int SeparadorCaixa = 600; // between its two lists
    static constexpr int DicaPaginaInicial = 701;
    static constexpr int DicaVoltar = 702;
    static constexpr int DicaAvancar = 703;
    static constexpr int DicaModoCompleto = 704;
    static constexpr int DicaModoReduzido = 705;
    static constexpr int DicaModoDicionario = 706;
    static constexpr int DicaImprimir = 707;
    static constexpr int DicaNota = 708;
    static constexpr int DicaSomarFiltros = 710;
    static constexpr int PaginaErroMotor = 900; // %1: the engine's own words
    static constexpr int TituloErroMotor = 901;

    // The text of a number; empty for a number the table does not hold.
    static QString Texto(int id);
    // The text with "%1" replaced by a path or a name.
    static QString Texto(int id, const QString& valor);
};
