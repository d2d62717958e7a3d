#include "LayoutJanela.h"

#include <algorithm>

namespace {

constexpr int kMargem = 6;
constexpr int kTopoLinhaMenus = 6;
constexpr int kTopoToolbar = 33;
constexpr int kBotaoNavegacao = 26;
constexpr int kBotaoToolbar = 25;
constexpr int kBotaoJanela = 17;
constexpr int kLarguraTitulo = 100;
constexpr int kAlturaTitulo = 20;
// The note editor: its frame starts this far above the editor's top, the
// editor ends this far above the window's bottom.
constexpr int kNotaAcimaEditor = 25;
constexpr int kNotaAbaixo = 25;
constexpr int kNotaRecuo = 10;
constexpr int kEspacoVisorNota = 6;

QRect Quadrado(int x, int y, int lado) { return {x, y, lado, lado}; }

} // namespace

QSize LayoutJanela::AjustaMinimo(QSize tamanho)
{
    return {std::max(tamanho.width(), LarguraMinima), std::max(tamanho.height(), AlturaMinima)};
}

Disposicao LayoutJanela::Calcula(int W, int H, int alturaNota)
{
    Disposicao d;

    d.imgArquivo = {8, kTopoLinhaMenus, 45, 19};
    d.imgAjuda = {55, kTopoLinhaMenus, 36, 19};
    d.imgClose = Quadrado(W - 22, kTopoLinhaMenus + 1, kBotaoJanela);
    d.imgMax = Quadrado(W - 42, kTopoLinhaMenus + 1, kBotaoJanela);
    d.imgMin = Quadrado(W - 62, kTopoLinhaMenus + 1, kBotaoJanela);
    d.titulo = {(W - kLarguraTitulo) / 2, kTopoLinhaMenus - 1, kLarguraTitulo, kAlturaTitulo};
    // The whole header drags the window; the buttons lie above it.
    d.imgMove = {0, 0, W, AlturaCabecalho - 4};

    d.btAnterior = Quadrado(8, kTopoToolbar, kBotaoNavegacao);
    d.btProximo = Quadrado(36, kTopoToolbar, kBotaoNavegacao);
    d.btCasa = Quadrado(64, kTopoToolbar, kBotaoNavegacao);

    const int yToolbar = kTopoToolbar + 1;
    if (W > LarguraToolbarLarga) {
        d.btVisual = {Quadrado(432, yToolbar, kBotaoToolbar), Quadrado(469, yToolbar, kBotaoToolbar),
                      Quadrado(505, yToolbar, kBotaoToolbar)};
        d.imgPrinter = Quadrado(W - 163, yToolbar, kBotaoToolbar);
        d.imgNota = Quadrado(W - 123, yToolbar, kBotaoToolbar);
    } else {
        // Narrow windows: the view modes close up from x = 420 and the print
        // and note buttons stay anchored to the right edge as long as they
        // clear them, else they follow right after.
        constexpr int passo = 32;
        d.btVisual = {Quadrado(420, yToolbar, kBotaoToolbar), Quadrado(420 + passo, yToolbar, kBotaoToolbar),
                      Quadrado(420 + 2 * passo, yToolbar, kBotaoToolbar)};
        const int aposVisuais = d.btVisual[2].right() + 1 + 13;
        const int impressora = std::max(W - 163, aposVisuais);
        d.imgPrinter = Quadrado(impressora, yToolbar, kBotaoToolbar);
        d.imgNota = Quadrado(std::max(W - 123, impressora + 40), yToolbar, kBotaoToolbar);
    }

    const int topoCorpo = AlturaCabecalho + kMargem;
    const int baseCorpo = H - AlturaRodape - 5;
    d.areaBusca = {kMargem, topoCorpo, LarguraColuna, 24};
    d.lblDescricaoPesquisa = {kMargem + 2, topoCorpo + 28, LarguraColuna - 4, 16};
    d.imgLetras = {kMargem + 3, topoCorpo + 48, 247, 38};
    const int topoListas = d.imgLetras.bottom() + 1 + 6;
    d.listas = {kMargem, topoListas, LarguraColuna, std::max(0, baseCorpo - topoListas)};

    const int esquerdaVisor = kMargem + LarguraColuna + 7;
    d.visor = {esquerdaVisor, topoCorpo, std::max(0, W - esquerdaVisor - kMargem), std::max(0, baseCorpo - topoCorpo)};
    if (alturaNota > 0) {
        const int topoMoldura = H - alturaNota - kNotaAcimaEditor - kNotaAbaixo;
        const int topoEditor = H - alturaNota - kNotaAbaixo;
        const int esquerdaEditor = esquerdaVisor + kNotaRecuo;
        d.molduraNota = {esquerdaVisor, topoMoldura, d.visor.width(), alturaNota + kNotaAcimaEditor + 2};
        d.txtNota = {esquerdaEditor, topoEditor, std::max(0, W - esquerdaEditor - kNotaRecuo), alturaNota};
        d.visor.setHeight(std::max(0, topoMoldura - kEspacoVisorNota - topoCorpo));
    }

    d.lblNomeEmpresa = {kMargem + 2, H - AlturaRodape + 4, std::max(0, W - 2 * kMargem - 30), 16};
    d.ImgResize = {W - 23, H - 24, 24, 23};
    return d;
}
