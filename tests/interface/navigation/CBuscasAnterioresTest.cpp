// The previous searches on a surface that writes down what is printed:
// order, capacity, moves to the top, the small homonym number, clicks by
// line and the four settings pairs written at exit.
#include "CBuscasAnteriores.h"

#include "SuperficieDesenho.h"
#include "Temporizador.h"

#include <QHash>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Lines 10 pixels high; every character 5 pixels wide.
class SuperficieTexto : public SuperficieDesenho {
public:
    int altura = 45;
    QStringList impressos; // "x,y,size:text"
    OuvinteSuperficie* ouvinte = nullptr;

    int Largura() const override { return 200; }
    int Altura() const override { return altura; }
    void Redimensiona(int, int altura_) override { altura = altura_; }
    void Limpa(const QColor&) override { impressos.clear(); }
    void LimpaArea(const QRect&, const QColor&) override { }
    double ImprimeTexto(double x, double y, const QString& texto, double tamanho, const QColor&) override
    {
        impressos << QStringLiteral("%1,%2,%3:%4").arg(x).arg(y).arg(tamanho).arg(texto);
        return x + 5.0 * double(texto.size());
    }
    double AlturaTexto(const QString&, double) const override { return 10; }
    void DesenhaCaixa(const QRectF&, const QColor&, bool) override { }
    void DesenhaBitmap(int, const QRect&, const QPoint&) override { }
    void CopiaImagem(const SuperficieDesenho&, const QRect&, const QPoint&) override { }
    void DefinePonteiro(Ponteiro) override { }
    void DefineOuvinte(OuvinteSuperficie* o) override { ouvinte = o; }
    std::unique_ptr<SuperficieDesenho> CriaBuffer(int, int) override { return nullptr; }
    std::unique_ptr<Temporizador> CriaTemporizador() override { return nullptr; }
    QPoint PosicaoNaJanela() const override { return {}; }
    int PonteiroYNaJanela() const override { return 0; }
};

QList<qint32> Ids(const CBuscasAnteriores& b)
{
    QList<qint32> ids;
    for (const CHistReg& r : b.Registros())
        ids << r.getIDVerbete();
    return ids;
}

} // namespace

TEST(CBuscasAnteriores, OrdemCapacidadeESubida)
{
    SuperficieTexto pic;
    CBuscasAnteriores b;
    b.Inicializa(&pic);
    EXPECT_EQ(pic.ouvinte, &b);
    EXPECT_EQ(b.NumLinhas(), 4);
    b.Adiciona(QString(), 5); // an empty saved slot
    EXPECT_EQ(b.Quantidade(), 0);
    for (int id = 1; id <= 6; ++id)
        b.Adiciona(QStringLiteral("p%1").arg(id), id);
    // Among the four newest (3..6): nothing moves.
    b.Adiciona(QStringLiteral("p3"), 3);
    EXPECT_EQ(Ids(b), (QList<qint32>{1, 2, 3, 4, 5, 6}));
    // Older: it comes to the top.
    b.Adiciona(QStringLiteral("p2"), 2);
    EXPECT_EQ(Ids(b), (QList<qint32>{1, 3, 4, 5, 6, 2}));
    // The 21st distinct entry drops the oldest.
    for (int id = 7; id <= 21; ++id)
        b.Adiciona(QStringLiteral("p%1").arg(id), id);
    EXPECT_EQ(b.Quantidade(), CBuscasAnteriores::Capacidade);
    EXPECT_EQ(Ids(b).first(), 3);
    EXPECT_EQ(Ids(b).last(), 21);
}

TEST(CBuscasAnteriores, DesenhaDoMaisNovoComONumeroPequeno)
{
    SuperficieTexto pic;
    pic.altura = 25; // two lines fit: three are drawn
    CBuscasAnteriores b;
    b.Inicializa(&pic);
    b.Adiciona(QStringLiteral("casa"), 1);
    b.Adiciona(QStringLiteral("manga") + QChar(0x00A0) + u'2', 2);
    b.Adiciona(QStringLiteral("pedra"), 3);
    b.Adiciona(QStringLiteral("sal"), 4);
    EXPECT_EQ(pic.impressos, (QStringList{QStringLiteral("3,2,7.5:sal"), QStringLiteral("3,12,7.5:pedra"),
                                          QStringLiteral("3,22,7.5:manga"), QStringLiteral("28,22,5:2 ")}));
}

TEST(CBuscasAnteriores, CliquePelaLinha)
{
    SuperficieTexto pic;
    CBuscasAnteriores b;
    b.Inicializa(&pic);
    QList<qint32> pedidos;
    b.Eventos.SelecionaItem = [&](const QString&, qint32 id) { pedidos << id; };
    b.Adiciona(QStringLiteral("casa"), 10);
    b.Adiciona(QStringLiteral("pedra"), 20);
    auto clica = [&](double y) {
        pic.ouvinte->MousePressiona(5, y, 1);
        pic.ouvinte->MouseSolta(5, y, 1);
    };
    clica(3); // first line: the newest
    clica(13); // second line
    clica(23); // below the last line
    clica(1); // the top margin
    EXPECT_EQ(pedidos, (QList<qint32>{20, 10}));
}

TEST(CBuscasAnteriores, GravaAsQuatroMaisNovas)
{
    CBuscasAnteriores b;
    QHash<QString, QString> gravados;
    auto grava = [&](const QString& nome, const QString& valor) {
        gravados[nome] = valor;
        return true;
    };
    b.Adiciona(QStringLiteral("casa"), 10);
    b.Adiciona(QStringLiteral("pedra"), 20);
    b.GravaHistorico(grava);
    // Fewer than four: only the newest slots are written.
    EXPECT_EQ(gravados, (QHash<QString, QString>{{QStringLiteral("HistTit3"), QStringLiteral("casa")},
                                                 {QStringLiteral("HistID3"), QStringLiteral("10")},
                                                 {QStringLiteral("HistTit4"), QStringLiteral("pedra")},
                                                 {QStringLiteral("HistID4"), QStringLiteral("20")}}));
    for (int id = 30; id <= 60; id += 10)
        b.Adiciona(QStringLiteral("p%1").arg(id), id);
    gravados.clear();
    b.GravaHistorico(grava);
    EXPECT_EQ(gravados.size(), 8);
    EXPECT_EQ(gravados.value(QStringLiteral("HistID1")), u"30");
    EXPECT_EQ(gravados.value(QStringLiteral("HistTit4")), u"p60");

    // Read back oldest first at the next start: the same order.
    CBuscasAnteriores depois;
    for (int k = 1; k <= 4; ++k)
        depois.Adiciona(gravados.value(QStringLiteral("HistTit%1").arg(k)),
                        gravados.value(QStringLiteral("HistID%1").arg(k)).toInt());
    EXPECT_EQ(Ids(depois), (QList<qint32>{30, 40, 50, 60}));
}
