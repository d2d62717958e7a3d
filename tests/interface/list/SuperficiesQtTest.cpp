// The Qt side: pictures, the widget surface under the real list and
// letter strip, timers and the preview box, without a display.
#include "BitmapsLista.h"
#include "CEscolheLetra.h"
#include "CaixaPreviaQt.h"
#include "ListaTeste.h"
#include "SuperficieImagem.h"
#include "SuperficieWidget.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QSize TamanhoLogico(const QPixmap& p) { return (QSizeF(p.size()) / p.devicePixelRatio()).toSize(); }

bool Parecida(QColor a, QColor b, int tolerancia = 40)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <= tolerancia;
}

// A list on a real widget, over the fake engine.
struct ListaQt {
    MotorFalso motor;
    SuperficieWidget fundo;
    CList lista;
    QList<qint32> escolhidos;

    ListaQt()
    {
        motor.AdicionaLetra("a", 1000, 1000);
        fundo.resize(250, 400);
        fundo.show();
        lista.Eventos.SelecionaItem = [this](const QString&, qint32 id) { escolhidos << id; };
        lista.Inicializa(&fundo, &motor, nullptr);
        lista.Redimensionada();
    }
    QImage Imagem() const { return fundo.Imagem().Pixmap().toImage(); }
};

} // namespace

TEST(SuperficiesQt, Bitmaps)
{
    for (qreal escala : {1.0, 2.0}) {
        EXPECT_EQ(TamanhoLogico(BitmapsLista::Bitmap(101, escala)), QSize(21, 25));
        EXPECT_EQ(TamanhoLogico(BitmapsLista::Bitmap(102, escala)), QSize(21, 16));
        EXPECT_EQ(TamanhoLogico(BitmapsLista::Bitmap(103, escala)), QSize(21, 16));
        for (int id : {401, 402, 403})
            EXPECT_EQ(TamanhoLogico(BitmapsLista::Bitmap(id, escala)), QSize(247, 38)) << id;
    }
    EXPECT_TRUE(BitmapsLista::Bitmap(999, 1.0).isNull());
    // The bar's pictures leave their first column empty, so the 20-pixel
    // strip redrawn during a drag covers everything they paint.
    for (int id : {101, 102, 103}) {
        const QImage img = BitmapsLista::Bitmap(id, 1.0).toImage();
        for (int y = 0; y < img.height(); ++y)
            ASSERT_EQ(qAlpha(img.pixel(0, y)), 0) << id << " y=" << y;
    }
    EXPECT_EQ(BitmapsLista::Cursor(101).shape(), Qt::BitmapCursor);
    // The selected strip differs from the normal one in every cell.
    const QImage normal = BitmapsLista::Bitmap(401, 1.0).toImage();
    const QImage selecionada = BitmapsLista::Bitmap(402, 1.0).toImage();
    for (QChar c : {u'A', u'M', u'N', u'Z'}) {
        const QPoint canto = CEscolheLetra::Celula(c).topLeft() + QPoint(4, 4);
        EXPECT_NE(normal.pixel(canto), selecionada.pixel(canto)) << c.toLatin1();
    }
}

TEST(SuperficiesQt, ListaDesenhadaNoWidget)
{
    ListaQt t;
    t.lista.ListaLetra("a", -1);
    while (t.lista.CarregaListaLetra()) { }
    const QImage img = t.Imagem();
    const double linha = t.lista.AlturaLinha();
    ASSERT_GT(linha, 5);
    // The selected first row has the yellow box at its left edge.
    EXPECT_TRUE(Parecida(img.pixelColor(16, 6 + int(linha / 2)), QColor(255, 206, 29)));
    // Some ink of the text colour on the second row.
    bool tinta = false;
    for (int x = 20; x < 120 && !tinta; ++x)
        for (int y = int(6 + linha); y < int(6 + 2 * linha) && !tinta; ++y)
            tinta = Parecida(img.pixelColor(x, y), QColor(12, 102, 154), 120);
    EXPECT_TRUE(tinta);
    // The thumb is painted in the bar, the list's right edge is background.
    const ImagemScroll& barra = t.lista.ImagemBarra();
    EXPECT_NE(img.pixelColor(int(barra.Left) + 10, int(barra.Top) + 12), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(int(barra.Left) + 10, int(barra.Top) + 100), QColor(Qt::white));

    // A real click on the fourth row opens it.
    QTest::mouseClick(&t.fundo, Qt::LeftButton, {}, QPoint(100, int(10 + 3 * linha + linha / 2)));
    EXPECT_EQ(t.lista.Selecionado(), 3);
    EXPECT_EQ(t.escolhidos, QList<qint32>({1003}));
    EXPECT_EQ(SuperficieWidget::CodigoTecla(Qt::Key_PageUp), 33);
    EXPECT_EQ(SuperficieWidget::CodigoTecla(Qt::Key_A), 0);
}

TEST(SuperficiesQt, EscalaDupla)
{
    SuperficieImagem s(100, 50, [] { return 2.0; });
    EXPECT_EQ(s.Pixmap().size(), QSize(200, 100));
    s.DesenhaBitmap(101, QRect(), QPoint(10, 10));
    s.DesenhaCaixa(QRectF(50, 10, 20, 20), QColor(255, 206, 29), true);
    const QImage img = s.Pixmap().toImage();
    // The thumb painted at logical (10, 10) covers device pixels from (20, 20).
    EXPECT_NE(img.pixelColor(2 * 10 + 21, 2 * 10 + 25), QColor(Qt::white));
    EXPECT_TRUE(Parecida(img.pixelColor(2 * 60, 2 * 20), QColor(255, 206, 29), 0));
}

TEST(SuperficiesQt, FaixaDeLetrasNoWidget)
{
    SuperficieWidget faixa;
    faixa.resize(247, 38);
    faixa.show();
    auto buffer = faixa.CriaBuffer(247, 38);
    CEscolheLetra escolhe;
    QStringList eventos;
    escolhe.Eventos.SelecionaLetra = [&](const QString& l) { eventos << l; };
    escolhe.Inicializa(&faixa, buffer.get());
    const QImage antes = faixa.Imagem().Pixmap().toImage();
    escolhe.SelecionaLetra("Z");
    const QImage depois = faixa.Imagem().Pixmap().toImage();
    const QPoint z = CEscolheLetra::Celula(u'Z').topLeft() + QPoint(4, 4);
    const QPoint a = CEscolheLetra::Celula(u'A').topLeft() + QPoint(4, 4);
    EXPECT_NE(antes.pixel(z), depois.pixel(z));
    EXPECT_EQ(antes.pixel(a), depois.pixel(a));

    QTest::mouseClick(&faixa, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(eventos, QStringList({"A"}));
    EXPECT_EQ(escolhe.Selecionada(), "A");
}

TEST(SuperficiesQt, CaixaPrevia)
{
    QWidget janela;
    janela.resize(600, 500);
    QLineEdit caixa(&janela);
    CaixaPreviaQt previa(&caixa);
    janela.show();
    previa.Mostra(442, 284, "Carregando...");
    EXPECT_TRUE(caixa.isVisible());
    EXPECT_EQ(caixa.text(), "Carregando...");
    EXPECT_EQ(caixa.pos(), QPoint(442, 284));
    previa.Esconde();
    EXPECT_FALSE(caixa.isVisible());
}

TEST(SuperficiesQt, SetaSeguradaRepete)
{
    ListaQt t;
    t.lista.ListaLetra("a", -1);
    while (t.lista.CarregaListaLetra()) { }
    const QPoint seta(240, 395);
    QTest::mousePress(&t.fundo, Qt::LeftButton, {}, seta);
    EXPECT_EQ(t.lista.Topo(), 1);
    QTest::qWait(100);
    EXPECT_EQ(t.lista.Topo(), 1); // still in the half-second wait
    QTest::qWait(600);
    QTest::mouseRelease(&t.fundo, Qt::LeftButton, {}, seta);
    const qint32 solto = t.lista.Topo();
    EXPECT_GT(solto, 1);
    QTest::qWait(50);
    EXPECT_EQ(t.lista.Topo(), solto);
}
