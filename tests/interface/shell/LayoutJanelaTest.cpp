// The resize handler's placement rules, for any window size.
#include "LayoutJanela.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<std::pair<const char*, QRect>> Controles(const Disposicao& d)
{
    return {{"imgArquivo", d.imgArquivo}, {"imgAjuda", d.imgAjuda},     {"imgMin", d.imgMin},
            {"imgMax", d.imgMax},         {"imgClose", d.imgClose},     {"btAnterior", d.btAnterior},
            {"btProximo", d.btProximo},   {"btCasa", d.btCasa},         {"btVisual1", d.btVisual[0]},
            {"btVisual2", d.btVisual[1]}, {"btVisual3", d.btVisual[2]}, {"imgPrinter", d.imgPrinter},
            {"imgNota", d.imgNota},       {"imgLetras", d.imgLetras},   {"listas", d.listas},
            {"visor", d.visor},           {"ImgResize", d.ImgResize}};
}

} // namespace

TEST(LayoutJanela, TamanhoMinimo)
{
    EXPECT_EQ(LayoutJanela::AjustaMinimo({500, 400}), QSize(640, 490));
    EXPECT_EQ(LayoutJanela::AjustaMinimo({500, 900}), QSize(640, 900));
    EXPECT_EQ(LayoutJanela::AjustaMinimo({1000, 300}), QSize(1000, 490));
    EXPECT_EQ(LayoutJanela::AjustaMinimo({640, 490}), QSize(640, 490));
}

TEST(LayoutJanela, AncorasDaDireitaEDoCanto)
{
    for (const QSize s : {QSize(640, 490), QSize(700, 500), QSize(800, 600), QSize(1920, 1080)}) {
        const Disposicao d = LayoutJanela::Calcula(s.width(), s.height());
        EXPECT_EQ(d.imgClose.left(), s.width() - 22) << s.width();
        EXPECT_EQ(d.imgMax.left(), s.width() - 42);
        EXPECT_EQ(d.imgMin.left(), s.width() - 62);
        EXPECT_EQ(d.ImgResize.topLeft(), QPoint(s.width() - 23, s.height() - 24));
        EXPECT_EQ(d.ImgResize.size(), QSize(24, 23));
        EXPECT_EQ(d.imgClose.size(), QSize(17, 17));
    }
    // 800 wide: close at 778, note at 677.
    const Disposicao d = LayoutJanela::Calcula(800, 600);
    EXPECT_EQ(d.imgClose.left(), 778);
    EXPECT_EQ(d.imgNota.left(), 677);
    EXPECT_EQ(d.imgPrinter.left(), 637);
}

TEST(LayoutJanela, ToolbarLargaEEstreita)
{
    const Disposicao larga = LayoutJanela::Calcula(701, 500);
    EXPECT_EQ(larga.btVisual[0].left(), 432);
    EXPECT_EQ(larga.btVisual[1].left(), 469);
    EXPECT_EQ(larga.btVisual[2].left(), 505);
    EXPECT_EQ(larga.imgNota.left(), 701 - 123);
    EXPECT_EQ(larga.imgPrinter.left(), 701 - 163);
    // At 700 and below the rule changes: the view modes start at 420.
    for (int w = 640; w <= 700; w += 10) {
        const Disposicao d = LayoutJanela::Calcula(w, 500);
        EXPECT_EQ(d.btVisual[0].left(), 420) << w;
        const QRect fila[] = {d.btVisual[0], d.btVisual[1], d.btVisual[2], d.imgPrinter, d.imgNota};
        for (int i = 1; i < 5; ++i)
            EXPECT_GT(fila[i].left(), fila[i - 1].right()) << w << " " << i;
        EXPECT_LE(d.imgNota.right(), w - 10) << w;
    }
}

// Down to the minimum nothing leaves the window or covers another control,
// and the list and the view keep a useful size.
TEST(LayoutJanela, LegivelAteOMinimo)
{
    for (const QSize s : {QSize(640, 490), QSize(700, 520), QSize(1280, 800)}) {
        const Disposicao d = LayoutJanela::Calcula(s.width(), s.height());
        const auto controles = Controles(d);
        const QRect janela(QPoint(0, 0), s);
        for (size_t i = 0; i < controles.size(); ++i) {
            // The grip's picture is one pixel wider than its place in the
            // corner; the column beyond the edge is simply not drawn.
            const QRect r = controles[i].second;
            EXPECT_TRUE(janela.contains(i + 1 == controles.size() ? r.adjusted(0, 0, -1, 0) : r))
                << controles[i].first << " " << s.width();
            for (size_t j = i + 1; j < controles.size(); ++j)
                EXPECT_FALSE(controles[i].second.intersects(controles[j].second))
                    << controles[i].first << " x " << controles[j].first << " at " << s.width();
        }
        EXPECT_GE(d.listas.height(), 280);
        EXPECT_GE(d.visor.width(), 360);
        EXPECT_GE(d.visor.height(), 380);
        EXPECT_EQ(d.imgLetras.size(), QSize(247, 38));
    }
}

TEST(LayoutJanela, NotaNoFundoDaJanela)
{
    const int W = 900, H = 700, altura = 90;
    const Disposicao sem = LayoutJanela::Calcula(W, H);
    const Disposicao com = LayoutJanela::Calcula(W, H, altura);
    EXPECT_EQ(com.molduraNota.top(), H - altura - 50);
    EXPECT_EQ(com.txtNota.top(), H - altura - 25);
    EXPECT_EQ(com.txtNota.width(), W - com.txtNota.left() - 10);
    EXPECT_EQ(com.txtNota.height(), altura);
    // The view gets shorter and ends above the editor's frame.
    EXPECT_LT(com.visor.height(), sem.visor.height());
    EXPECT_LT(com.visor.bottom(), com.molduraNota.top());
    EXPECT_EQ(com.listas, sem.listas);
    EXPECT_TRUE(sem.txtNota.isNull());
}
