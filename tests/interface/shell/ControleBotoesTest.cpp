// The skin of the image buttons: hover, reset, press, click and menu looks.
#include "ControleBotoes.h"

#include "TabelaCasos.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

struct BotaoFalso : BotaoPele {
    QString nome, tag, figura;
    QSize tamanho{17, 17};
    int cargas = 0;

    BotaoFalso(const char* n, const char* f) : nome(QString::fromLatin1(n)), figura(QString::fromLatin1(f)) { }
    QString Nome() const override { return nome; }
    QString Tag() const override { return tag; }
    void DefineTag(const QString& t) override { tag = t; }
    QString Figura() const override { return figura; }
    void CarregaFigura(const QString& f) override
    {
        figura = f;
        ++cargas;
    }
    QSize Tamanho() const override { return tamanho; }
};

struct Janela {
    qint32 estado = 0;
    ControleBotoes controle{[this] { return estado; }};
    std::map<QString, std::unique_ptr<BotaoFalso>> botoes;
    QStringList cliques;
    int visuaisRedesenhados = 0;

    Janela()
    {
        const std::pair<const char*, const char*> todos[] = {
            {"btAnterior", "BTNSETAESQUERDA"}, {"btProximo", "BTNSETADIREITA"}, {"btCasa", "BTNCASA"},
            {"imgMin", "BTNMINIMIZAR"},        {"imgMax", "BTNMAXIMIZAR"},      {"imgClose", "BTNFECHAR"},
            {"imgNota", "BTNLAPIS"},           {"imgPrinter", "BTNPRINTER"},    {"imgArquivo", "BTNARQUIVO"},
            {"imgAjuda", "BTNAJUDA"},
        };
        for (auto [nome, figura] : todos) {
            botoes[QString::fromLatin1(nome)] = std::make_unique<BotaoFalso>(nome, figura);
            controle.Registra(botoes[QString::fromLatin1(nome)].get());
        }
        // A view-mode button takes part in hover but has no highlight of its own.
        botoes[QStringLiteral("btVisual2")] = std::make_unique<BotaoFalso>("btVisual2", "BTNVISUAL2");
        controle.Eventos.Clique = [this](BotaoPele& b) { cliques << b.Nome(); };
        controle.Eventos.RedesenhaVisuais = [this] { ++visuaisRedesenhados; };
    }
    BotaoFalso& operator[](const char* nome) { return *botoes.at(QString::fromLatin1(nome)); }
    int Marcados() const
    {
        int n = 0;
        for (const auto& [nome, b] : botoes)
            n += b->tag == ControleBotoes::Selecionado;
        return n;
    }
};

} // namespace

TEST(ControleBotoes, NomesBase)
{
    const auto casos = LeCasos(QStringLiteral("shell/botoes.tsv"));
    ASSERT_GE(casos.size(), 13u);
    for (const QStringList& c : casos) {
        ASSERT_EQ(c.size(), 3) << c.join(u' ').toStdString();
        EXPECT_EQ(ControleBotoes::NomeBase(c[0], c[1].toInt()), c[2]) << c.join(u' ').toStdString();
    }
}

TEST(ControleBotoes, PassarPorCimaDestacaUmSo)
{
    Janela j;
    j.controle.MarcarBotao(&j["imgClose"], 0);
    EXPECT_EQ(j["imgClose"].figura, u"BTNFECHARSELECIONADO");
    EXPECT_EQ(j["imgClose"].tag, u"selecionado");
    EXPECT_EQ(j.visuaisRedesenhados, 1);

    // Moving on over the same button loads nothing again.
    const int cargas = j["imgClose"].cargas;
    j.controle.MarcarBotao(&j["imgClose"], 0);
    EXPECT_EQ(j["imgClose"].cargas, cargas);

    // Onto the next button: the first goes back to normal.
    j.controle.MarcarBotao(&j["btCasa"], 0);
    EXPECT_EQ(j["imgClose"].figura, u"BTNFECHAR");
    EXPECT_TRUE(j["imgClose"].tag.isEmpty());
    EXPECT_EQ(j["btCasa"].figura, u"BTNCASASELECIONADO");
    EXPECT_EQ(j.Marcados(), 1);

    // A view-mode button clears the others and lights nothing itself.
    j.controle.MarcarBotao(&j["btVisual2"], 0);
    EXPECT_EQ(j.Marcados(), 0);
    EXPECT_EQ(j["btVisual2"].figura, u"BTNVISUAL2");

    // To the bare background: every highlight clears.
    j.controle.MarcarBotao(&j["imgAjuda"], 0);
    j.controle.DesmarcarBotoes();
    EXPECT_EQ(j["imgAjuda"].figura, u"BTNAJUDA");
    EXPECT_EQ(j.Marcados(), 0);
}

TEST(ControleBotoes, ComBotaoDoMouseApertadoNadaAcende)
{
    Janela j;
    j.controle.MarcarBotao(&j["imgMin"], 1);
    EXPECT_EQ(j["imgMin"].figura, u"BTNMINIMIZAR");
    EXPECT_EQ(j.Marcados(), 0);
    EXPECT_EQ(j.visuaisRedesenhados, 1);
}

TEST(ControleBotoes, MaximizarSegueOEstadoDaJanela)
{
    Janela j;
    j.estado = 2;
    j.controle.MarcarBotao(&j["imgMax"], 0);
    EXPECT_EQ(j["imgMax"].figura, u"BTNRESTAURARSELECIONADO");
    j.controle.DesmarcarBotoes();
    EXPECT_EQ(j["imgMax"].figura, u"BTNRESTAURAR");
    j.estado = 0;
    j.controle.MarcarBotao(&j["imgMax"], 0);
    j.controle.DesmarcarBotoes();
    EXPECT_EQ(j["imgMax"].figura, u"BTNMAXIMIZAR");
}

TEST(ControleBotoes, PressionarESoltar)
{
    Janela j;
    j.controle.MarcarBotao(&j["imgClose"], 0);
    j.controle.Pressiona(&j["imgClose"]);
    EXPECT_EQ(j["imgClose"].figura, u"BTNFECHAR");
    EXPECT_TRUE(j["imgClose"].tag.isEmpty());

    // Released outside: no click, the button stays normal.
    j.controle.Solta(&j["imgClose"], 18, 5);
    j.controle.Solta(&j["imgClose"], 5, -1);
    EXPECT_TRUE(j.cliques.isEmpty());
    EXPECT_EQ(j["imgClose"].figura, u"BTNFECHAR");

    // The edges count as inside.
    j.controle.Solta(&j["imgClose"], 0, 0);
    j.controle.Solta(&j["imgClose"], 17, 17);
    EXPECT_EQ(j.cliques, QStringList({"imgClose", "imgClose"}));

    // The maximize button drops its picture but keeps its state.
    j.controle.MarcarBotao(&j["imgMax"], 0);
    j.controle.Pressiona(&j["imgMax"]);
    EXPECT_EQ(j["imgMax"].figura, u"BTNMAXIMIZAR");
    EXPECT_EQ(j["imgMax"].tag, u"selecionado");
}

TEST(ControleBotoes, MenuAberto)
{
    Janela j;
    j.controle.MarcarBotao(&j["btCasa"], 0);
    j.controle.MostraMenuAberto(&j["imgArquivo"]);
    EXPECT_EQ(j["imgArquivo"].figura, u"BTNARQUIVOMENU");
    EXPECT_EQ(j["imgArquivo"].tag, u"selecionado");
    EXPECT_EQ(j["btCasa"].figura, u"BTNCASA");
    // Hovering the open menu's button does not turn it into the hover look.
    j.controle.MarcarBotao(&j["imgArquivo"], 0);
    EXPECT_EQ(j["imgArquivo"].figura, u"BTNARQUIVOMENU");
    // The menu closes.
    j.controle.DesmarcarBotoes();
    EXPECT_EQ(j["imgArquivo"].figura, u"BTNARQUIVO");
    j.controle.MostraMenuAberto(&j["imgAjuda"]);
    EXPECT_EQ(j["imgAjuda"].figura, u"BTNAJUDAMENU");
}
