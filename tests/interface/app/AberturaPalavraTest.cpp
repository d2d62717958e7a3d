// A word asked for from outside the window: from the command line before the
// window is ready, then handed over the local socket as a second start does;
// and the stop signals turned into a close request.
#include "AberturaPalavra.h"

#include "AreaConsulta.h"
#include "CanalInstancia.h"
#include "JanelaSemVisor.h"
#include "MotorMini.h"
#include "SinaisTermino.h"

#include <QLineEdit>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

TEST(AberturaPalavra, PalavraDaLinhaDeComando)
{
    EXPECT_EQ(AberturaPalavra::DaLinhaDeComando({QStringLiteral("casa")}), u"casa");
    EXPECT_EQ(
        AberturaPalavra::DaLinhaDeComando({QStringLiteral("pé"), QStringLiteral(" de "), QStringLiteral("moleque")}),
        u"pé de moleque");
    EXPECT_EQ(AberturaPalavra::DaLinhaDeComando({QStringLiteral("MODODEBUG")}), QString());
    EXPECT_EQ(AberturaPalavra::DaLinhaDeComando({}), QString());
}

TEST(AberturaPalavra, NaInicializacaoEPeloCanal)
{
    ArmazemMemoria armazem;
    const auto dona = JanelaSemVisor(armazem);
    frmMain& janela = *dona;
    MotorMini motor{QStringLiteral(MINI_TEST_DB)};
    ASSERT_TRUE(motor.AbreDados());
    ASSERT_EQ(janela.Carrega({}), CicloJanela::Carga::Pronta);

    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("minilexaria.socket"));
    auto* abertura = new AberturaPalavra(janela);
    CanalInstancia canal;
    ASSERT_TRUE(canal.Escuta(caminho));
    QObject::connect(&canal, &CanalInstancia::Recebido, abertura, &AberturaPalavra::Pede);
    QSignalSpy exibidos(&janela.Consulta()->Controlador(), &ControladorConsulta::VerbeteExibido);

    // Asked for before the window shows: it waits for the first letter.
    abertura->Pede(QStringLiteral("pedra"));
    EXPECT_TRUE(abertura->Pendente());
    EXPECT_TRUE(exibidos.isEmpty());
    janela.show();
    ASSERT_TRUE(exibidos.wait(20000));
    EXPECT_FALSE(abertura->Pendente());
    EXPECT_EQ(exibidos.last().at(0).toInt(), motor.LocalizaPalavra(QStringLiteral("pedra")));
    EXPECT_EQ(janela.Consulta()->Entrada()->text(), u"pedra");

    // A second start's line, today's spelling of a 1913 headword.
    {
        QLocalSocket cliente;
        cliente.connectToServer(caminho);
        ASSERT_TRUE(cliente.waitForConnected(5000));
        cliente.write("efeito\n");
        ASSERT_TRUE(exibidos.wait(20000));
    }
    EXPECT_EQ(exibidos.last().at(0).toInt(), motor.LocalizaPalavra(QStringLiteral("efeito")));

    // A flood with no end of line is cut; the channel still answers after it.
    QSignalSpy recebidos(&canal, &CanalInstancia::Recebido);
    {
        QLocalSocket cliente;
        cliente.connectToServer(caminho);
        ASSERT_TRUE(cliente.waitForConnected(5000));
        cliente.write(QByteArray(64 * 1024, 'x'));
        ASSERT_TRUE(recebidos.wait(10000));
    }
    EXPECT_EQ(recebidos.last().at(0).toString().size(), CanalInstancia::TamanhoMaximo);

    // Nobody listening: the second start gives up at once, no hang.
    EXPECT_FALSE(CanalInstancia::Envia(pasta.filePath(QStringLiteral("ninguem.socket")), QStringLiteral("casa"), 500));
    janela.close();
}

TEST(SinaisTermino, SinalViraPedido)
{
    SinaisTermino sinais;
    ASSERT_TRUE(sinais.Instalado());
    QSignalSpy pedidos(&sinais, &SinaisTermino::Pedido);
    std::raise(SIGTERM);
    ASSERT_TRUE(pedidos.wait(5000));
    EXPECT_EQ(pedidos.first().at(0).toInt(), SIGTERM);
}
