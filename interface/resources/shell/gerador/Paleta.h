// The colours of the window's pictures: cool neutrals and one blue accent,
// the same blue as the headword list's scroll bar and letter strip.
#pragma once

#include <QColor>

struct Paleta {
    static inline const QColor Acento{12, 102, 154};
    static inline const QColor AcentoEscuro{8, 74, 114};
    static inline const QColor AcentoClaro{220, 234, 244};
    static inline const QColor BordaClara{141, 181, 211};

    static inline const QColor Ardosia{52, 82, 104}; // window controls and menu words
    static inline const QColor Texto{38, 52, 64};
    static inline const QColor TextoSuave{98, 116, 130};

    static inline const QColor Corpo{237, 241, 244};
    static inline const QColor CabecalhoAlto{250, 252, 253};
    static inline const QColor CabecalhoBaixo{228, 236, 242};
    static inline const QColor Rodape{227, 233, 238};
    static inline const QColor Linha{208, 218, 226};
    static inline const QColor Moldura{142, 166, 184};
    static inline const QColor Branco{255, 255, 255};
};
