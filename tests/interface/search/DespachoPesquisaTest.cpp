// The search dispatcher against a fake panel: for each state of the boxes,
// ticks and filters, the calls it makes in order (tests/data/busca).
#include "DespachoPesquisa.h"

#include "FiltrosClasse.h"
#include "PainelPesquisa.h"
#include "TabelaCasos.h"

#include <gtest/gtest.h>

namespace {

struct PainelFalso : PainelPesquisa {
    bool aberto = false;
    bool caixas[4] = {};
    QString entrada, entrada1, entrada2;
    int filtro = 0;
    std::vector<bool> classes = std::vector<bool>(FiltrosClasse::Quantidade, false);
    bool alfabetica = true;
    QStringList log;

    bool PainelAberto() const override { return aberto; }
    bool Marcada(Caixa c) const override { return caixas[c]; }
    QString Entrada() const override { return entrada; }
    QString Entrada1() const override { return entrada1; }
    QString Entrada2() const override { return entrada2; }
    int IndiceFiltro() const override { return filtro; }
    std::vector<bool> ClassesMarcadas() const override { return classes; }
    bool ConsultandoPalavraClicada() const override { return false; }
    bool ListaAlfabeticaVisivel() const override { return alfabetica; }
    void ParaBuscaDigitada() override { }
    void MostraAguarde(bool v) override
    {
        if (v)
            log << QStringLiteral("Aguarde");
    }
    void MostraPagina(int modelo, const QStringList& pares) override
    {
        log << (QStringLiteral("Pagina %1").arg(modelo) + (pares.isEmpty() ? QString() : u' ' + pares.join(u',')));
    }
    void VerificaVerbete(qint32 id) override { log << QStringLiteral("Notas %1").arg(id); }
    void DesmarcaResultados() override { log << QStringLiteral("Desmarca"); }
    void SelecionaLista(int qual) override { log << QStringLiteral("Aba %1").arg(qual); }
    int LarguraRotuloFiltros() const override { return 100; }
    int LarguraTexto(const QString& t) const override { return int(t.size()); }
    void DefineRotuloFiltros(const QString& t, const QString& dica) override
    {
        log << QStringLiteral("Rotulo ") + t + u'#' + dica;
    }
    void PalavraBusca(const QString& p, const QString& i, const QString& t) override
    {
        log << QStringLiteral("Marca ") + p + u'#' + i + u'#' + t;
    }
    QString ExpandeFlexoes(const QString& texto) override { return texto + QStringLiteral(" +formas"); }
    void Pesquisa(TipoPesquisa tipo, const QString& termo, const QString& filtros) override
    {
        log << QStringLiteral("Pesquisa %1 ").arg(static_cast<int>(tipo)) + termo + u'#' + filtros;
    }
};

} // namespace

TEST(DespachoPesquisa, CadaLinhaDaTabela)
{
    const auto casos = LeCasos(QStringLiteral("busca/despacho.tsv"));
    ASSERT_GE(casos.size(), 27u);
    for (const QStringList& c : casos) {
        const QString linha = c.join(u'\t');
        ASSERT_EQ(c.size(), 6) << linha.toStdString();
        const QStringList estado = c[0].split(u' ');
        PainelFalso p;
        p.aberto = estado[0] == u"1";
        for (int i = 0; i < 4; ++i)
            p.caixas[i] = estado[1 + i] == u"1";
        p.filtro = estado[5].toInt();
        for (qsizetype i = 6; i < estado.size(); ++i)
            if (estado[i] != u"-")
                p.classes[size_t(estado[i].toInt() - 1)] = true;
        p.entrada = c[1];
        p.entrada1 = c[2];
        p.entrada2 = c[3];
        p.alfabetica = c[4] == u"1";
        DespachoPesquisa d(p);
        p.log << QStringLiteral("Pode %1").arg(d.PodeLocalizar() ? 1 : 0);
        d.ProcessaPesquisa();
        EXPECT_EQ(p.log.join(QStringLiteral(" ; ")), c[5]) << linha.toStdString();
    }
}

TEST(DespachoPesquisa, RotuloLongoCortadoComDica)
{
    auto mede = [](const QString& s) { return int(s.size()); };
    EXPECT_EQ(DespachoPesquisa::CortaRotulo(QStringLiteral("Filtro: Verbo"), 13, mede), u"Filtro: Verbo");
    EXPECT_EQ(DespachoPesquisa::CortaRotulo(QStringLiteral("abcdefghijklmnopqrstuvwxyz"), 20, mede), u"abcdefg ...");

    PainelFalso p;
    p.aberto = true;
    p.filtro = 1;
    p.classes.assign(FiltrosClasse::Quantidade, true);
    DespachoPesquisa d(p);
    d.ProcessaPesquisa();
    const QString completo = d.DescricaoFiltros();
    ASSERT_GT(completo.size(), 100);
    EXPECT_EQ(p.log.first(), QStringLiteral("Rotulo ") + completo.left(87) + QStringLiteral(" ...#") + completo);
}

TEST(FiltrosClasse, CodigosEDescricao)
{
    // Entries in list order and the codes they write; 8 and 12 never occur.
    const int codigos[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15};
    for (int i = 0; i < FiltrosClasse::Quantidade; ++i)
        EXPECT_EQ(FiltrosClasse::Codigo(i + 1), codigos[i]) << i;
    EXPECT_EQ(FiltrosClasse::Nome(0), u"Adjetivo");
    EXPECT_EQ(FiltrosClasse::Nome(4), u"Elemento de composição");
    EXPECT_EQ(FiltrosClasse::Nome(12), u"Estrangeiras");
    EXPECT_EQ(FiltrosClasse::Nome(13), u"");

    std::vector<bool> marcadas(FiltrosClasse::Quantidade, false);
    EXPECT_EQ(FiltrosClasse::Codigos(marcadas, true), u"");
    EXPECT_EQ(FiltrosClasse::Descricao(marcadas, true), u"");
    marcadas[0] = marcadas[7] = marcadas[11] = true;
    EXPECT_EQ(FiltrosClasse::Codigos(marcadas, true), u"1;9;14;");
    EXPECT_EQ(FiltrosClasse::Codigos(marcadas, false), u"");
    EXPECT_EQ(FiltrosClasse::Descricao(marcadas, false), u"Filtro: Adjetivo | Preposição | Gírias");
    EXPECT_EQ(FiltrosClasse::Descricao(marcadas, true), u"Filtro: Adjetivo | Preposição | Gírias (filtros somados)");
}
