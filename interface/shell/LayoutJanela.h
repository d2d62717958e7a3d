// Where every control of the main window sits for a given window size, in
// pixels. Pure arithmetic, so the resize handler's rules can be checked
// without a display: the right-anchored window buttons, the toolbar's two
// placements (wide and narrow windows), the grip in the corner, and the
// note editor taking room at the bottom of the entry view.
#pragma once

#include <QRect>
#include <QSize>
#include <array>

struct Disposicao {
    // Header band: menus, title, window buttons, the drag area behind them.
    QRect imgArquivo, imgAjuda, titulo, imgMove;
    QRect imgMin, imgMax, imgClose;
    // Toolbar, on the header's lower half.
    QRect btAnterior, btProximo, btCasa;
    std::array<QRect, 3> btVisual;
    QRect imgPrinter, imgNota;
    // Left column: search area, search description, letter strip, lists.
    QRect areaBusca, lblDescricaoPesquisa, imgLetras, listas;
    // The entry view, the note editor with its frame, the footer.
    QRect visor, molduraNota, txtNota;
    QRect lblNomeEmpresa, ImgResize;
};

class LayoutJanela {
public:
    static constexpr int LarguraMinima = 640;
    static constexpr int AlturaMinima = 490;
    // Above this width the toolbar keeps its roomy placement.
    static constexpr int LarguraToolbarLarga = 700;
    // Bands of the background picture.
    static constexpr int AlturaCabecalho = 66;
    static constexpr int AlturaRodape = 23;
    static constexpr int LarguraColuna = 253;

    // The size the window must take: each side at least the minimum.
    static QSize AjustaMinimo(QSize tamanho);

    // The controls for a window of this size; alturaNota is the note
    // editor's height, 0 while the editor is hidden.
    static Disposicao Calcula(int largura, int altura, int alturaNota = 0);
};
