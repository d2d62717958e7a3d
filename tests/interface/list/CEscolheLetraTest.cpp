// The letter strip: which letter lies under the pointer, and what is drawn.
#include "CEscolheLetra.h"

#include "SuperficieFalsa.h"

#include <gtest/gtest.h>

namespace {

struct Faixa {
    SuperficieFalsa img{247, 38}, buffer{247, 38};
    CEscolheLetra escolhe;
    QStringList eventos;

    Faixa()
    {
        escolhe.Eventos.SelecionaLetra = [this](const QString& l) { eventos << l; };
        escolhe.Inicializa(&img, &buffer);
    }
    // What the next action draws into the buffer: "401", "402:x,y" for a cell.
    template <typename F> QStringList Desenhos(F acao)
    {
        buffer.ops.clear();
        acao();
        QStringList r;
        for (const auto& op : buffer.DoTipo(SuperficieFalsa::Tipo::Bitmap))
            r << QString::number(op.id) +
                     (op.origem.isNull() ? QString() : QStringLiteral(":%1,%2").arg(op.origem.x()).arg(op.origem.y()));
        return r;
    }
};

} // namespace

TEST(CEscolheLetra, LetraSobOPonteiro)
{
    EXPECT_EQ(CEscolheLetra::LetraEm(18, 5), u'A');
    EXPECT_EQ(CEscolheLetra::LetraEm(19, 5), u'B');
    EXPECT_EQ(CEscolheLetra::LetraEm(0, 19), u'N');
    EXPECT_EQ(CEscolheLetra::LetraEm(246, 30), u'Z');
    EXPECT_EQ(CEscolheLetra::LetraEm(246, 5), u'M');
    for (auto [x, y] : {std::pair{-1.0, 5.0}, {247.0, 5.0}, {100.0, -1.0}, {100.0, 38.0}})
        EXPECT_FALSE(CEscolheLetra::EhLetra(CEscolheLetra::LetraEm(x, y))) << x << "," << y;
    EXPECT_EQ(CEscolheLetra::Celula(u'M'), QRect(228, 0, 19, 19));
    EXPECT_EQ(CEscolheLetra::Celula(u'N'), QRect(0, 19, 19, 19));
}

TEST(CEscolheLetra, DestaqueEClique)
{
    Faixa f;
    EXPECT_EQ(f.Desenhos([&] { f.escolhe.MouseMove(18, 5, 0); }), QStringList({"401", "403:0,0"}));
    EXPECT_EQ(f.img.ops.last().origem, QRect(0, 0, 247, 38)); // the buffer copied whole
    EXPECT_TRUE(f.Desenhos([&] { f.escolhe.MouseMove(10, 10, 0); }).isEmpty()); // same letter
    f.escolhe.SelecionaLetra("C");
    // Onto the selected letter: nothing drawn. The highlight covers the selection.
    EXPECT_TRUE(f.Desenhos([&] { f.escolhe.MouseMove(40, 5, 0); }).isEmpty());
    EXPECT_EQ(f.Desenhos([&] { f.escolhe.MouseMove(0, 30, 0); }), QStringList({"401", "402:38,0", "403:0,19"}));
    EXPECT_EQ(f.Desenhos([&] { f.escolhe.PerdeFoco(); }), QStringList({"401", "402:38,0"}));

    EXPECT_EQ(f.Desenhos([&] { f.escolhe.MouseSolta(246, 30, 1); }), QStringList({"401", "402:228,19"}));
    EXPECT_EQ(f.eventos, QStringList({"Z"}));
    EXPECT_EQ(f.escolhe.Destacada(), "");
    // Released off the strip: no drawing, no event, the choice stays.
    EXPECT_TRUE(f.Desenhos([&] { f.escolhe.MouseSolta(-3, 30, 1); }).isEmpty());
    EXPECT_EQ(f.eventos, QStringList({"Z"}));
    EXPECT_EQ(f.escolhe.Selecionada(), "Z");
}

TEST(CEscolheLetra, SelecaoPeloDono)
{
    Faixa f;
    EXPECT_EQ(f.Desenhos([&] { f.escolhe.SelecionaLetra("A"); }), QStringList({"401", "402:0,0"}));
    EXPECT_TRUE(f.eventos.isEmpty());
    // An accented capital is kept, but no cell shows it.
    EXPECT_EQ(f.Desenhos([&] { f.escolhe.SelecionaLetra(QString::fromUtf8("Éxodo")); }), QStringList({"401"}));
    EXPECT_EQ(f.escolhe.Selecionada(), QString::fromUtf8("É"));
    f.escolhe.SelecionaLetra("B");
    f.escolhe.MouseMove(100, 5, 0);
    EXPECT_EQ(f.Desenhos([&] { f.escolhe.LimparSelecao(); }), QStringList({"401"}));
    EXPECT_EQ(f.escolhe.Selecionada(), "");
}
