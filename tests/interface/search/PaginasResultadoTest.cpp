// Result pages and titles: which texts a search's kind and term choose
// (tests/data/busca/modelos.tsv), and what a found and a not-found search
// put on the page and in the title line.
#include "PaginasResultado.h"

#include "DestinoResultados.h"
#include "TabelaCasos.h"

#include <gtest/gtest.h>

namespace {

struct DestinoFalso : DestinoResultados {
    QString filtros;
    QStringList log;
    QString titulo;
    void SelecionaLista(int qual) override { log << QStringLiteral("Aba %1").arg(qual); }
    void VerificaVerbete(qint32 id) override { log << QStringLiteral("Notas %1").arg(id); }
    void DesmarcaListaAlfabetica() override { log << QStringLiteral("Desmarca"); }
    QString DescricaoFiltros() const override { return filtros; }
    void MostraLista(int modelo, const QStringList& pares) override
    {
        log << QStringLiteral("Pagina %1 ").arg(modelo) + pares.join(u'#');
    }
    void DefineDescricaoPesquisa(const QString& t) override
    {
        titulo = t;
        log << QStringLiteral("Titulo");
    }
    void MostraAguarde(bool v) override { log << QStringLiteral("Aguarde %1").arg(v ? 1 : 0); }
};

} // namespace

TEST(PaginasResultado, ModeloPorTipoEForma)
{
    const auto casos = LeCasos(QStringLiteral("busca/modelos.tsv"));
    ASSERT_GE(casos.size(), 16u);
    for (const QStringList& c : casos) {
        const QString linha = c.join(u'\t');
        ASSERT_EQ(c.size(), 6);
        const auto e = PaginasResultado::EscolheModelos(static_cast<qint16>(c[0].toInt()), c[1]);
        const std::string caso = linha.toStdString();
        EXPECT_EQ(e.pagina, c[2].toInt()) << caso;
        EXPECT_EQ(e.titulo, c[3].toInt()) << caso;
        EXPECT_EQ(e.usa1 ? e.parte1 : QStringLiteral("-"), c[4]) << caso;
        EXPECT_EQ(e.usa2 ? e.parte2 : QStringLiteral("-"), c[5]) << caso;
    }
}

TEST(PaginasResultado, ContagemDeVerbetes)
{
    EXPECT_EQ(PaginasResultado::TextoNumVerbetes(0), u"0 verbete");
    EXPECT_EQ(PaginasResultado::TextoNumVerbetes(1), u"1 verbete");
    EXPECT_EQ(PaginasResultado::TextoNumVerbetes(5), u"5 verbetes");
    EXPECT_EQ(PaginasResultado::TextoNumVerbetes(10000), u"10000 verbetes");
}

TEST(PaginasResultado, EncontradosMostraPaginaETitulo)
{
    DestinoFalso d;
    PaginasResultado p(d);
    p.RetornoBusca(QStringLiteral("d*"), QStringLiteral("<LISTA>"), 0, 2);
    EXPECT_EQ(d.log, (QStringList{QStringLiteral("Aba 2"), QStringLiteral("Notas -1"), QStringLiteral("Desmarca"),
                                  QStringLiteral("Pagina 202 1#d#filtros##numVerbetes#1 verbete#listaVerbetes#<LISTA>"),
                                  QStringLiteral("Titulo")}));
    EXPECT_EQ(d.titulo, QStringLiteral("Resultado da busca de palavras iniciadas por “d”  (1 verbete)."));

    d.log.clear();
    d.filtros = QStringLiteral("Filtro: Verbo");
    p.RetornoBusca(QStringLiteral("ca*ar"), QStringLiteral("L"), 4, 3);
    EXPECT_EQ(d.log.at(3),
              QStringLiteral("Pagina 208 1#ca#2#ar#filtros#Filtro: Verbo<BR>#numVerbetes#5 verbetes#listaVerbetes#L"));
    EXPECT_EQ(d.titulo,
              QStringLiteral("Palavras iniciadas por “ca” e  terminadas em “ar” no texto do verbete  (5 verbetes)."));

    d.log.clear();
    p.RetornoBusca(QStringLiteral("*"), QStringLiteral("L"), 1, 3);
    EXPECT_EQ(d.log.at(3),
              QStringLiteral("Pagina 210 filtros#Filtro: Verbo<BR>#numVerbetes#2 verbetes#listaVerbetes#L"));
    EXPECT_EQ(d.titulo, QStringLiteral("Resultado da aplicação do filtro  (2 verbetes)."));

    // A pattern with two wildcards fills the list but changes no page or title.
    d.log.clear();
    d.titulo.clear();
    p.RetornoBusca(QStringLiteral("a*b*"), QStringLiteral("L"), 4, 2);
    EXPECT_EQ(d.log, (QStringList{QStringLiteral("Aba 2"), QStringLiteral("Notas -1"), QStringLiteral("Desmarca")}));
}

TEST(PaginasResultado, NaoEncontradoMantemAAba)
{
    DestinoFalso d;
    PaginasResultado p(d);
    p.NaoEncontrado(QStringLiteral("xyz"), 1);
    EXPECT_EQ(d.log, (QStringList{QStringLiteral("Notas -1"), QStringLiteral("Desmarca"),
                                  QStringLiteral("Pagina 251 1#xyz#filtros#"), QStringLiteral("Titulo"),
                                  QStringLiteral("Aguarde 0")}));
    EXPECT_EQ(d.titulo, QStringLiteral("Não foi encontrado o verbete “xyz”."));

    d.log.clear();
    d.filtros = QStringLiteral("Filtro: Gírias");
    p.NaoEncontrado(QStringLiteral("*"), 3);
    EXPECT_EQ(d.log.at(2),
              QStringLiteral("Pagina 210 filtros#Filtro: Gírias<BR>#numVerbetes#nenhum verbete#listaVerbetes#"));
    EXPECT_EQ(d.titulo, QStringLiteral("Resultado da aplicação do filtro  (nenhum verbete)."));

    d.log.clear();
    p.NaoEncontrado(QStringLiteral("qu*"), 2);
    EXPECT_EQ(d.log.at(2), QStringLiteral("Pagina 252 1#qu#filtros#Filtro: Gírias<BR>"));
    EXPECT_EQ(d.titulo, QStringLiteral("Não foi encontrado nenhum verbete iniciado por “qu”."));
    p.NaoEncontrado(QStringLiteral("ab*ba"), 2);
    EXPECT_EQ(d.titulo,
              QStringLiteral("Não foi encontrado nenhum verbete iniciado por \"ab\" e  terminado em \"ba\"."));
}

TEST(PaginasResultado, TituloPreenchidoSemCodificar)
{
    EXPECT_EQ(PaginasResultado::PreencheTitulo(305, {QStringLiteral("1"), QStringLiteral("<a & b>"),
                                                     QStringLiteral("numVerbetes"), QStringLiteral("3 verbetes")}),
              QStringLiteral("Resultado da busca por “<a & b>” no texto do verbete  (3 verbetes)."));
}
