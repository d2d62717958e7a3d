// The history against a fake window: the table of tests/data/historico.tsv,
// what a replay hands over, and the buttons' state.
#include "CHistorico.h"

#include "DestinoHistorico.h"
#include "TabelaCasos.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Answers replays as the main window does: an entry is shown again with
// recording on, pages and result pages are shown without being recorded.
class JanelaFalsa : public DestinoHistorico {
public:
    CHistorico historico{*this};
    std::vector<std::string> eventos;
    std::vector<CHistReg> reproduzidos;
    std::string botoes = "-";
    int avisos = 0;

    void NavegaVerbete(qint32 idVerbete, const CHistReg& registro) override
    {
        eventos.push_back("v" + std::to_string(idVerbete));
        reproduzidos.push_back(registro);
        historico.Adiciona(registro.getTitulo(), idVerbete, registro.getBuscaPalavra(), registro.getBuscaIniciada(),
                           registro.getBuscaTerminada());
    }
    void NavegaPagina(const QString& arquivo, const CHistReg& registro) override
    {
        eventos.push_back("p:" + arquivo.toStdString());
        reproduzidos.push_back(registro);
    }
    void NavegaLista(const QString& conteudo, const CHistReg& registro) override
    {
        eventos.push_back("l:" + conteudo.toStdString());
        reproduzidos.push_back(registro);
    }
    void HabilitaNavegacao(bool anterior, bool proximo) override
    {
        botoes = std::string(anterior ? "1" : "0") + (proximo ? "1" : "0");
        ++avisos;
    }
};

std::vector<std::string> Palavras(const std::string& texto)
{
    std::vector<std::string> r;
    std::istringstream in(texto);
    for (std::string p; in >> p;)
        r.push_back(p);
    return r;
}

// "v3..5" is "v3 v4 v5", "v5..3" is "v5 v4 v3"; "-" is nothing.
std::vector<std::string> Expande(const std::string& texto)
{
    std::vector<std::string> r;
    for (const std::string& p : Palavras(texto)) {
        const std::size_t pontos = p.find("..");
        if (p == "-")
            continue;
        if (p[0] != 'v' || pontos == std::string::npos) {
            r.push_back(p);
            continue;
        }
        const int de = std::stoi(p.substr(1, pontos - 1)), ate = std::stoi(p.substr(pontos + 2));
        for (int k = de;; k += de <= ate ? 1 : -1) {
            r.push_back("v" + std::to_string(k));
            if (k == ate)
                break;
        }
    }
    return r;
}

std::string Nome(const CHistReg& r)
{
    switch (r.getTipo()) {
    case CHistReg::kVerbete: return "v" + std::to_string(r.getIDVerbete());
    case CHistReg::kPagina: return "p:" + r.getArquivo().toStdString();
    case CHistReg::kLista: return "l:" + r.getConteudo().toStdString();
    default: return "?";
    }
}

void Executa(JanelaFalsa& janela, const std::string& operacao)
{
    CHistorico& h = janela.historico;
    if (operacao == "<")
        h.Anterior();
    else if (operacao == ">")
        h.Proximo();
    else if (operacao.rfind("p:", 0) == 0)
        h.AdicionaArquivo(QStringLiteral("Manual"), QString::fromStdString(operacao.substr(2)));
    else if (operacao.rfind("l:", 0) == 0)
        h.AdicionaLista(QString::fromStdString(operacao.substr(2)), {}, {}, {});
    else
        h.Adiciona(QString::fromStdString("t" + operacao.substr(1)), std::stoi(operacao.substr(1)), {}, {}, {});
}

} // namespace

TEST(CHistorico, TabelaDeVisitas)
{
    const auto linhas = LeCasos(QStringLiteral("historico.tsv"));
    ASSERT_GE(linhas.size(), 20u);
    for (const QStringList& linha : linhas) {
        ASSERT_EQ(linha.size(), 5) << linha.join(u' ').toStdString();
        std::vector<std::string> campos;
        for (const QString& c : linha)
            campos.push_back(c.toStdString());
        const std::string& caso = campos[0];

        JanelaFalsa janela;
        for (const std::string& op : Expande(campos[1])) {
            Executa(janela, op);
            const CHistorico& h = janela.historico;
            // Never past the cap, and the buttons always tell the truth.
            ASSERT_LE(h.Quantidade(), CHistorico::kCapacidade) << caso;
            if (janela.avisos > 0) {
                EXPECT_EQ(janela.botoes, std::string(h.PodeVoltar() ? "1" : "0") + (h.PodeAvancar() ? "1" : "0"))
                    << caso << ", depois de " << op;
            }
        }
        const CHistorico& h = janela.historico;
        std::vector<std::string> registros;
        for (int k = 1; k <= h.Quantidade(); ++k)
            registros.push_back((k == h.Atual() ? "*" : "") + Nome(h.Registro(k)));
        std::vector<std::string> esperados = Expande(campos[2]);
        EXPECT_EQ(registros, esperados) << caso;
        EXPECT_EQ(janela.eventos, Expande(campos[3])) << caso;
        EXPECT_EQ(janela.botoes, campos[4]) << caso;
    }
}

TEST(CHistorico, ReproduzComOsCriteriosDaBusca)
{
    JanelaFalsa janela;
    CHistorico& h = janela.historico;
    h.Adiciona(QStringLiteral("casa"), 40, QStringLiteral("casa"), QStringLiteral("ca"), QStringLiteral("sa"));
    h.AdicionaArquivo(QStringLiteral("Manual"), QStringLiteral("/app/manual/principal.htm"));
    h.AdicionaLista(QStringLiteral("<p>3 resultados</p>"), QStringLiteral("pedra"), {}, QStringLiteral("ra"));
    h.Adiciona(QStringLiteral("pedra"), 90, {}, {}, {});
    h.Anterior();
    h.Anterior();
    h.Anterior();
    ASSERT_EQ(janela.reproduzidos.size(), 3u);

    const CHistReg& lista = janela.reproduzidos[0];
    EXPECT_EQ(lista.getTipo(), CHistReg::kLista);
    EXPECT_EQ(lista.getConteudo(), QStringLiteral("<p>3 resultados</p>"));
    EXPECT_EQ(lista.getBuscaPalavra(), QStringLiteral("pedra"));
    EXPECT_EQ(lista.getBuscaTerminada(), QStringLiteral("ra"));
    EXPECT_TRUE(lista.getTitulo().isEmpty());
    EXPECT_EQ(lista.getIDVerbete(), 0);

    // A page carries no criteria, so its replay clears the marking.
    const CHistReg& pagina = janela.reproduzidos[1];
    EXPECT_EQ(pagina.getTipo(), CHistReg::kPagina);
    EXPECT_EQ(pagina.getTitulo(), QStringLiteral("Manual"));
    EXPECT_EQ(pagina.getArquivo(), QStringLiteral("/app/manual/principal.htm"));
    EXPECT_TRUE(pagina.getBuscaPalavra().isEmpty() && pagina.getBuscaIniciada().isEmpty() &&
                pagina.getBuscaTerminada().isEmpty() && pagina.getConteudo().isEmpty());

    const CHistReg& verbete = janela.reproduzidos[2];
    EXPECT_EQ(verbete.getTipo(), CHistReg::kVerbete);
    EXPECT_EQ(verbete.getTitulo(), QStringLiteral("casa"));
    EXPECT_EQ(verbete.getIDVerbete(), 40);
    EXPECT_EQ(verbete.getBuscaPalavra(), QStringLiteral("casa"));
    EXPECT_EQ(verbete.getBuscaIniciada(), QStringLiteral("ca"));
    EXPECT_EQ(verbete.getBuscaTerminada(), QStringLiteral("sa"));
    EXPECT_TRUE(verbete.getArquivo().isEmpty() && verbete.getConteudo().isEmpty());
    EXPECT_EQ(h.Quantidade(), 4);
}

TEST(CHistorico, BotoesSoQuandoMudam)
{
    JanelaFalsa janela;
    CHistorico& h = janela.historico;
    // Before anything is recorded the owner asks once: both disabled.
    h.InformaNavegacao();
    EXPECT_EQ(janela.botoes, "00");
    EXPECT_EQ(janela.avisos, 1);
    h.Adiciona(QStringLiteral("a"), 1, {}, {}, {});
    EXPECT_EQ(janela.avisos, 1); // still nowhere to go
    h.Adiciona(QStringLiteral("b"), 2, {}, {}, {});
    h.Adiciona(QStringLiteral("c"), 3, {}, {}, {});
    EXPECT_EQ(janela.botoes, "10");
    EXPECT_EQ(janela.avisos, 2);
    h.Anterior();
    EXPECT_EQ(janela.botoes, "11");
    h.Anterior();
    EXPECT_EQ(janela.botoes, "01");
    h.Anterior(); // nothing before the first
    EXPECT_EQ(janela.avisos, 4);
}
