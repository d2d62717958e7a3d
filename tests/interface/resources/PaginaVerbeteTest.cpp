// The entry templates in the real web view: each links its view mode's
// sheet, the modes look as their names say, the side box shows its border
// pictures, and nothing in the content runs as a script.
#include "PaginaTeste.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kPasta = QStringLiteral(MINI_APP_DIR);

const QString kVerbete =
    QStringLiteral("<span id=\"D_TIT\">Febre</span><span id=\"D_SUP_TIT\">1</span><BR>\n"
                   "<span id=\"D_N_CG\"><a href=\"goto://f.\">f.</a></span> <span id=\"D_N_NUM\">1.</span> "
                   "<span id=\"D_DEF\">Estado mórbido: <i>tem febre</i>.</span><BR>\n"
                   "<span id=\"D_N_NUM\">2.</span> <span id=\"D_DEF\">Exaltação.</span><BR>\n"
                   "<span id=\"D_ETM\">(<a href=\"goto://Lat.\">Lat.</a> <i>febris</i>)</span><BR>\n");

QString Estilo(PaginaTeste& p, const QString& seletor, const QString& propriedade)
{
    return p.Js(QStringLiteral("getComputedStyle(document.querySelector('%1')).%2").arg(seletor, propriedade))
        .toString();
}

void Espera(PaginaTeste& p, const QString& condicao)
{
    for (int i = 0; i < 200 && !p.Js(condicao).toBool(); ++i) {
        QEventLoop laco;
        QTimer::singleShot(25, &laco, &QEventLoop::quit);
        laco.exec();
    }
}

} // namespace

TEST(PaginaVerbete, CadaModoComASuaFolha)
{
    PaginaTeste p;
    for (int modo = 1; modo <= 3; ++modo) {
        SCOPED_TRACE(modo);
        ASSERT_TRUE(p.Carrega(QDir(kPasta).filePath(QStringLiteral("f%1.htm").arg(modo))));
        p.Conteudo(PaginaTeste::Fragmento(QStringLiteral("caixa")) + kVerbete);
        // The default medium size and the title's colour, in every mode.
        EXPECT_EQ(Estilo(p, QStringLiteral("#D_TIT"), QStringLiteral("fontSize")), u"18px");
        EXPECT_EQ(Estilo(p, QStringLiteral("#D_TIT"), QStringLiteral("color")), u"rgb(51, 102, 153)");
        EXPECT_EQ(Estilo(p, QStringLiteral("#D_SUP_TIT"), QStringLiteral("verticalAlign")), u"super");
        // Links take the page's colours, never the browser's underlined blue.
        EXPECT_EQ(Estilo(p, QStringLiteral("#D_N_CG a"), QStringLiteral("color")), u"rgb(255, 0, 0)");
        EXPECT_EQ(Estilo(p, QStringLiteral("#D_N_CG a"), QStringLiteral("textDecorationLine")), u"none");

        const QString etimologia = Estilo(p, QStringLiteral("#D_ETM"), QStringLiteral("display"));
        const QString quebra = Estilo(p, QStringLiteral("#AreaVerbete > br"), QStringLiteral("display"));
        if (modo == 2)
            EXPECT_EQ(etimologia, u"none"); // the reduced mode leaves the etymology out
        else
            EXPECT_NE(etimologia, u"none");
        if (modo == 3)
            EXPECT_EQ(quebra, u"none"); // the dictionary mode runs the senses in
        else
            EXPECT_NE(quebra, u"none");
    }
}

TEST(PaginaVerbete, QuadroLateralComAsSuasFigurasEOEstiloDaPropriaMarcacao)
{
    PaginaTeste p;
    ASSERT_TRUE(p.Carrega(QDir(kPasta).filePath(QStringLiteral("f1.htm"))));
    p.Conteudo(PaginaTeste::Fragmento(QStringLiteral("caixa")) + kVerbete);
    p.Js(QStringLiteral("document.getElementById('ListaAlternativas').innerHTML = \"<span id='vAlternativa'>"
                        "<a href='goID://2'>febre<sup>2</sup></a><br><a href='goID://3'>febre<sup>3</sup></a>"
                        "</span>\"; document.getElementById('ListaEspaco').innerHTML = %1;")
             .arg(PaginaTeste::Literal(PaginaTeste::Fragmento(QStringLiteral("separador")))));
    // The box's own style attribute keeps it hidden until the program shows it.
    EXPECT_EQ(Estilo(p, QStringLiteral("#table1"), QStringLiteral("visibility")), u"hidden");
    // Line breaks inside the box are never taken away, in any mode.
    EXPECT_NE(Estilo(p, QStringLiteral("#ListaAlternativas br"), QStringLiteral("display")), u"none");

    const QString todas = QStringLiteral("Array.from(document.querySelectorAll('#table1 img'))");
    Espera(p, todas + QStringLiteral(".every(function (i) { return i.complete; })"));
    const QString larguras =
        p.Js(todas + QStringLiteral(".map(function (i) { return i.naturalWidth; }).join(',')")).toString();
    EXPECT_EQ(larguras.split(u',').size(), 11); // six in the box, five in the separator
    EXPECT_FALSE(larguras.split(u',').contains(QStringLiteral("0"))) << larguras.toStdString();
}

TEST(PaginaVerbete, ConteudoNaoExecutaScripts)
{
    PaginaTeste p;
    ASSERT_TRUE(p.Carrega(QDir(kPasta).filePath(QStringLiteral("f1.htm"))));
    p.Conteudo(kVerbete + QStringLiteral("<img src=\"nao-existe.gif\" onerror=\"document.title='onerror'\">"
                                         "<a id=\"js\" href=\"javascript:document.title='href'\">x</a>"
                                         "<img src=\"http://127.0.0.1:9/x.gif\" id=\"remota\">"));
    // innerHTML never runs <script>; a script element added as a node would.
    p.Js(QStringLiteral("var s = document.createElement('script'); s.textContent = \"document.title='script'\";"
                        "document.body.appendChild(s);"),
         QWebEngineScript::MainWorld);
    p.Js(QStringLiteral("document.getElementById('js').click();"));
    Espera(p, QStringLiteral("document.getElementById('remota').complete"));
    const QString titulo = p.Js(QStringLiteral("document.title"), QWebEngineScript::MainWorld).toString();
    EXPECT_EQ(titulo, u"Verbete (modo completo)");
    EXPECT_EQ(p.Js(QStringLiteral("document.getElementById('remota').naturalWidth")).toInt(), 0);
    // The program's own world still runs its script.
    p.PreparaMarca();
    EXPECT_EQ(p.Js(QStringLiteral("MarcaBusca(['febre'], '', '', '#FFFF00', '#000000')")).toInt(), 2);
}
