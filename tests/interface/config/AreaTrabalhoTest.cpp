// The usable screen area beside a docked task bar.
#include "AreaTrabalho.h"

#include <gtest/gtest.h>

using namespace AreaTrabalho;

namespace {

const Tela kTela{1024, 768, 15.0, 15.0};

QRect Area(const BarraTarefas& b, const Tela& t = kTela)
{
    return {ObtemAreaEsquerda(b, t), ObtemAreaTopo(b, t), ObtemAreaLargura(b, t), ObtemAreaAltura(b, t)};
}

} // namespace

TEST(AreaTrabalho, BarraEmCadaLado)
{
    // At the left edge: left = 62 x 15, width = (1024 - 62) x 15.
    EXPECT_EQ(Area({2, true, -2, -2, 62, 770}), QRect(930, 0, 14430, 11520));
    EXPECT_EQ(Area({1, true, 990, -2, 1026, 770}), QRect(0, 0, 990 * 15, 11520));
    EXPECT_EQ(Area({2, true, -2, -2, 1026, 30}), QRect(0, 450, 15360, (768 - 30) * 15));
    EXPECT_EQ(Area({2, true, -2, 738, 1026, 770}), QRect(0, 0, 15360, 738 * 15));
    // Starting exactly at 0 does not count as docked.
    EXPECT_EQ(Area({2, true, 0, 0, 62, 768}), QRect(0, 0, 15360, 11520));
    // 192 dpi, 7.5 twips per pixel: 61 x 7.5 = 457.5 rounds up.
    EXPECT_EQ(ObtemAreaEsquerda({2, true, -2, -2, 61, 1442}, {2560, 1440, 7.5, 7.5}), 458);
}

TEST(AreaTrabalho, SemBarraUtil)
{
    // Auto-hide and always on top (3), no bar (0), position unknown.
    for (const BarraTarefas b : {BarraTarefas{3, true, -2, -2, 62, 770}, BarraTarefas{0, true, -2, -2, 62, 770},
                                 BarraTarefas{2, false, -2, -2, 62, 770}})
        EXPECT_EQ(Area(b), QRect(0, 0, 15360, 11520));
    EXPECT_TRUE(BarraTarefasAtiva({1, false, 0, 0, 0, 0}));
    EXPECT_FALSE(BarraTarefasAtiva({3, false, 0, 0, 0, 0}));
}

TEST(AreaTrabalho, AreaDisponivelVistaComoBarra)
{
    // Panels on one side, or a top bar with a dock at the left, come back
    // as the available area itself.
    const QRect tela(0, 0, 1024, 768);
    for (const QRect& disponivel : {QRect(0, 0, 1024, 728), QRect(0, 32, 1024, 736), QRect(70, 0, 954, 768),
                                    QRect(0, 0, 960, 768), QRect(70, 32, 954, 736), tela}) {
        const QRect twips = Area(BarraEquivalente(tela, disponivel));
        EXPECT_EQ(QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15), disponivel);
    }
    EXPECT_EQ(BarraEquivalente(tela, tela).Estado, 0);
    // A second screen: measured from its own origin.
    EXPECT_EQ(BarraEquivalente(QRect(1024, 0, 1024, 768), QRect(1024, 0, 1024, 728)).Topo, 728);
}
