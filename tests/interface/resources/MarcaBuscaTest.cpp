// Search-word highlighting in the real entry page: whole words found
// without regard to case and accents, beginnings and endings, and the
// marks taken away and recoloured.
#include "PaginaTeste.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kPasta = QStringLiteral(MINI_APP_DIR);
const QString kCaixa = PaginaTeste::Fragmento(QStringLiteral("caixa"));

QString Campo(const QString& c) { return c == u"-" ? QString() : c; }

class MarcaBusca : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        pagina = new PaginaTeste;
        carregada = pagina->Carrega(QDir(kPasta).filePath(QStringLiteral("f1.htm")));
    }
    static void TearDownTestSuite()
    {
        delete pagina;
        pagina = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(carregada); }

    // Puts the entry in, evaluates the script and marks; returns the count.
    static int Marca(const QString& html, const QStringList& palavras, const QString& iniciada,
                     const QString& terminada)
    {
        pagina->Conteudo(kCaixa + html);
        pagina->PreparaMarca();
        return pagina
            ->Js(
                QStringLiteral("MarcaBusca(%1, %2, %3, '#FFFF00', '#000000')")
                    .arg(PaginaTeste::Lista(palavras), PaginaTeste::Literal(iniciada), PaginaTeste::Literal(terminada)))
            .toInt();
    }
    static QStringList Marcados()
    {
        const QString json =
            pagina
                ->Js(QStringLiteral(
                    "JSON.stringify(Array.from(document.querySelectorAll('#AreaVerbete span.marcabusca'))"
                    ".map(function (e) { return e.textContent; }))"))
                .toString();
        QStringList r;
        for (const QJsonValue& v : QJsonDocument::fromJson(json.toUtf8()).array())
            r << v.toString();
        return r;
    }

    static inline PaginaTeste* pagina = nullptr;
    static inline bool carregada = false;
};

} // namespace

TEST_F(MarcaBusca, CasosDaTabela)
{
    const auto casos = LeCasos(QStringLiteral("pagina/marca.tsv"));
    ASSERT_GE(casos.size(), 20u);
    ASSERT_FALSE(kCaixa.isEmpty());
    for (const QStringList& c : casos) {
        ASSERT_EQ(c.size(), 7) << c.join(u'|').toStdString();
        const QStringList palavras = Campo(c[2]).isEmpty() ? QStringList() : c[2].split(u'|');
        const QStringList esperados = Campo(c[5]).isEmpty() ? QStringList() : c[5].split(u'|');
        const int total = Marca(c[1], palavras, Campo(c[3]), Campo(c[4]));
        EXPECT_EQ(total, c[6].toInt()) << c[0].toStdString();
        EXPECT_EQ(Marcados(), esperados) << c[0].toStdString();
    }
}

TEST_F(MarcaBusca, DesmarcarDevolveOTextoComoEraERecolorirTrocaAsCores)
{
    const QString html =
        QStringLiteral("<span id=\"D_DEF\">Uma casa, <i>casa</i> e <a href=\"goto://ca\">ca</a>sa.</span>");
    const int total = Marca(html, {QStringLiteral("casa")}, {}, {});
    EXPECT_EQ(total, 3);
    EXPECT_EQ(pagina->Js(QStringLiteral("getComputedStyle(document.querySelector('.marcabusca')).backgroundColor"))
                  .toString(),
              u"rgb(255, 255, 0)");
    EXPECT_EQ(pagina->Js(QStringLiteral("RecoloreBusca('#102030', '#FFFFFF')")).toInt(), 4); // one span per node
    EXPECT_EQ(pagina->Js(QStringLiteral("getComputedStyle(document.querySelector('.marcabusca')).backgroundColor"))
                  .toString(),
              u"rgb(16, 32, 48)");
    EXPECT_EQ(pagina->Js(QStringLiteral("getComputedStyle(document.querySelector('.marcabusca')).color")).toString(),
              u"rgb(255, 255, 255)");

    const QString antes = [&] {
        pagina->Js(QStringLiteral("DesmarcaBusca()"));
        return pagina->Conteudo();
    }();
    pagina->Conteudo(kCaixa + html);
    EXPECT_EQ(antes, pagina->Conteudo());
    EXPECT_EQ(pagina
                  ->Js(QStringLiteral("document.getElementById('AreaVerbete').querySelectorAll('i')[0]"
                                      ".childNodes.length"))
                  .toInt(),
              1);

    // Marking again replaces the old marks instead of adding to them.
    EXPECT_EQ(Marca(html, {QStringLiteral("casa")}, {}, {}), 3);
    EXPECT_EQ(pagina->Js(QStringLiteral("MarcaBusca(['uma'], '', '', 'vermelho', '')")).toInt(), 1);
    EXPECT_EQ(Marcados(), QStringList{QStringLiteral("Uma")});
    // Colours that are not #RRGGBB fall back to yellow on black.
    EXPECT_EQ(pagina->Js(QStringLiteral("getComputedStyle(document.querySelector('.marcabusca')).backgroundColor"))
                  .toString(),
              u"rgb(255, 255, 0)");
}

TEST_F(MarcaBusca, ConjugacaoNoQuadroLateralTambemEMarcada)
{
    pagina->Conteudo(kCaixa + QStringLiteral("<span id=\"D_TIT\">Lavar</span><BR>"));
    pagina->Js(QStringLiteral("document.getElementById('ListaConjugacao').innerHTML = "
                              "\"<span id='vAlternativa'><span id='conj'>lavo<br></span><span id='conj'>lavas<br>"
                              "</span></span>\";"));
    pagina->PreparaMarca();
    EXPECT_EQ(pagina->Js(QStringLiteral("MarcaBusca(['lavar', 'lavas'], '', '', '#FFFF00', '#000000')")).toInt(), 2);
    // The box comes first in the page.
    EXPECT_EQ(Marcados(), (QStringList{QStringLiteral("lavas"), QStringLiteral("Lavar")}));
}
