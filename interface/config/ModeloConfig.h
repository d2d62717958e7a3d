// The settings that the whole program reads: one copy, filled by CConfig
// and changed only by it and by the settings dialogs.
#pragma once

#include "ElementoVerbete.h"
#include "Retangulo.h"

#include <QStringList>
#include <array>

struct ModeloConfig {
    static constexpr int NumElementos = 9;
    static constexpr qint16 FonteVerbetePadrao = 1;
    static constexpr quint32 MarcaCorFundoPadrao = 65535; // yellow, 0x00BBGGRR
    static constexpr quint32 MarcaCorTextoPadrao = 0; // black

    std::array<ElementoVerbete, NumElementos> ElementosVerbete = ElementosIniciais();
    qint16 FonteVerbete = FonteVerbetePadrao; // 0 small, 1 medium, 2 large
    qint16 FonteLista = 1; // list font choice
    quint32 MarcaCorFundo = MarcaCorFundoPadrao;
    quint32 MarcaCorTexto = MarcaCorTextoPadrao;
    Retangulo RetanguloNormal; // where a maximized window returns to

    // The nine elements with their built-in colours and styles, in the order
    // the dialogs list them and the style sheets process them.
    static std::array<ElementoVerbete, NumElementos> ElementosIniciais();
    // Style names by code, as the font-type choice shows them.
    static QStringList NomesTiposFonte();
};

// The program's single copy.
ModeloConfig& Configuracao();
