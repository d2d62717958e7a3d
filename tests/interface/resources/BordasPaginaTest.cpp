// The GIF writer read back by Qt's reader, and the page's border pictures:
// every name the side box and the result pages use, and edges that meet.
#include "BordasPagina.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <random>

namespace {

QImage Le(const ImagemGif& g) { return QImage::fromData(g.Codifica(), "GIF"); }

void ComparaPixels(const ImagemGif& g, const std::vector<uint32_t>& paleta, int transparente)
{
    const QImage lida = Le(g);
    ASSERT_FALSE(lida.isNull());
    ASSERT_EQ(lida.width(), g.Largura());
    ASSERT_EQ(lida.height(), g.Altura());
    int erros = 0;
    for (int y = 0; y < g.Altura(); ++y) {
        for (int x = 0; x < g.Largura(); ++x) {
            const uint8_t i = g.Indice(x, y);
            const QRgb p = lida.pixel(x, y);
            const bool ok = i == transparente ? qAlpha(p) == 0 : qAlpha(p) == 255 && (p & 0xFFFFFF) == paleta[i];
            if (!ok && ++erros < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " índice " << int(i);
        }
    }
}

ImagemGif Figura(const QString& nome)
{
    for (auto& [n, g] : BordasPagina::Todas())
        if (n == nome)
            return g;
    ADD_FAILURE() << nome.toStdString();
    return ImagemGif(1, 1, {0});
}

} // namespace

TEST(ImagemGif, LidaDeVoltaPixelAPixel)
{
    // Noise in 256 colours fills the code table several times over, so the
    // codes widen to 12 bits and the table starts again.
    std::mt19937 sorteio(7);
    std::vector<uint32_t> paleta(256);
    for (size_t i = 0; i < paleta.size(); ++i)
        paleta[i] = static_cast<uint32_t>((i * 0x10307u) & 0xFFFFFF);
    ImagemGif ruido(157, 93, paleta);
    for (int y = 0; y < 93; ++y)
        for (int x = 0; x < 157; ++x)
            ruido.Pinta(x, y, static_cast<uint8_t>(sorteio() % 256));
    ComparaPixels(ruido, paleta, -1);

    // Long runs of one colour make long codes; two colours, a table of two.
    ImagemGif listras(300, 40, {0x000000, 0xFFFFFF});
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x)
            listras.Pinta(x, y, (x / 37 + y / 5) % 2 ? 1 : 0);
    ComparaPixels(listras, {0x000000, 0xFFFFFF}, -1);

    ImagemGif transparente(5, 3, {0x123456, 0xABCDEF, 0xFFFFFF});
    transparente.DefineTransparente(2);
    transparente.Pinta(1, 1, 2);
    transparente.Pinta(4, 2, 1);
    ComparaPixels(transparente, {0x123456, 0xABCDEF, 0xFFFFFF}, 2);

    ComparaPixels(ImagemGif(1, 1, {0x00FF00}), {0x00FF00}, -1);
}

TEST(BordasPagina, TodasAsFigurasQueAsPaginasNomeiam)
{
    QFile f(QStringLiteral(MINI_TESTES_DADOS "/pagina/fragmentos.tsv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString fragmentos = QString::fromUtf8(f.readAll());
    QSet<QString> nomeadas;
    for (const auto& m : QRegularExpression(QStringLiteral("[A-Za-z]+\\.gif")).globalMatch(fragmentos))
        nomeadas.insert(m.captured(0));
    QSet<QString> feitas;
    const std::vector<uint32_t> paleta = {BordasPagina::CorFundo, BordasPagina::CorBorda, 0xFFFFFF, 0xFFFFFF};
    for (const auto& [nome, g] : BordasPagina::Todas()) {
        feitas.insert(nome);
        SCOPED_TRACE(nome.toStdString());
        ComparaPixels(g, paleta, 2);
    }
    EXPECT_EQ(feitas, nomeadas);
}

TEST(BordasPagina, CantosEncontramAsBordas)
{
    const int n = BordasPagina::Lado;
    const QImage sup = Le(Figura(QStringLiteral("LinhaSup.gif")));
    const QImage esq = Le(Figura(QStringLiteral("LinhaEsquerda.gif")));
    const QImage dir = Le(Figura(QStringLiteral("LinhaDireita.gif")));
    const QImage inf = Le(Figura(QStringLiteral("LinhaInf.gif")));
    const QImage se = Le(Figura(QStringLiteral("BordaSupEsquerda.gif")));
    const QImage sd = Le(Figura(QStringLiteral("BordaSupDireita.gif")));
    const QImage ie = Le(Figura(QStringLiteral("BordaInfEsquerda.gif")));
    const QImage id = Le(Figura(QStringLiteral("BordaInfDireita.gif")));
    const QRgb borda = 0xFF000000 | BordasPagina::CorBorda;
    const QRgb fundo = 0xFF000000 | BordasPagina::CorFundo;
    // Where a corner touches an edge, both draw the border on the same row or column.
    EXPECT_EQ(se.pixel(n - 1, 0), borda);
    EXPECT_EQ(sd.pixel(0, 0), borda);
    EXPECT_EQ(se.pixel(0, n - 1), borda);
    EXPECT_EQ(ie.pixel(0, 0), borda);
    EXPECT_EQ(sd.pixel(n - 1, n - 1), borda);
    EXPECT_EQ(id.pixel(n - 1, 0), borda);
    EXPECT_EQ(ie.pixel(n - 1, n - 1), borda);
    EXPECT_EQ(id.pixel(0, n - 1), borda);
    EXPECT_EQ(sup.pixel(3, 0), borda);
    EXPECT_EQ(inf.pixel(3, n - 1), borda);
    EXPECT_EQ(esq.pixel(0, 3), borda);
    EXPECT_EQ(dir.pixel(n - 1, 3), borda);
    // Rounded: the outer corner is see-through, the inner one is the box.
    EXPECT_EQ(qAlpha(se.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(id.pixel(n - 1, n - 1)), 0);
    EXPECT_EQ(se.pixel(n - 1, n - 1), fundo);
    EXPECT_EQ(sup.pixel(3, 4), fundo);
}
