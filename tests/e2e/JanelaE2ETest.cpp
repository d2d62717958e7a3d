// The real window with the real engine and web view, and the real program
// started as a process: it shows, loads the list and the start page, and
// a second copy ends by itself.
#include "ArmazemMemoria.h"
#include "CList.h"
#include "JanelaReal.h"
#include "VisorWeb.h"
#include "frmMain.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <gtest/gtest.h>

namespace {

const QString kPasta = QStringLiteral(MINI_APP_DIR);

// The program in its folder, as a new user: empty settings and runtime folders.
struct Programa {
    QTemporaryDir casa;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();

    Programa()
    {
        QDir(casa.path()).mkpath(QStringLiteral("config"));
        QDir(casa.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(casa.filePath(QStringLiteral("run")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        ambiente.insert(QStringLiteral("HOME"), casa.path());
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), casa.filePath(QStringLiteral("config")));
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), casa.filePath(QStringLiteral("run")));
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    void Inicia(QProcess& p, bool medicao = false)
    {
        QProcessEnvironment a = ambiente;
        if (medicao)
            a.insert(QStringLiteral("MINILEXARIA_MEDICAO"), QStringLiteral("1"));
        p.setProcessEnvironment(a);
        p.start(QDir(kPasta).filePath(QStringLiteral("minilexaria")), {});
    }
};

} // namespace

TEST(JanelaE2E, MostraAListaEAPaginaInicial)
{
    ArmazemMemoria armazem;
    frmMain::Opcoes o;
    o.pastaPrograma = kPasta;
    o.caminhoBanco = QDir(kPasta).filePath(QStringLiteral("minilexaria.db"));
    o.armazem = &armazem;
    frmMain janela(o);
    ASSERT_EQ(janela.Carrega({}), CicloJanela::Carga::Pronta);
    QSignalSpy letra(&janela, &frmMain::LetraCarregada);
    QSignalSpy pagina(&janela, &frmMain::PaginaCarregada);
    janela.show();
    // The letter's contents are checked in JanelaMotorReal; here, that it
    // comes in beside the web view.
    ASSERT_TRUE(letra.wait(10000));
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.windowTitle(), u"Minilexária");
    EXPECT_EQ(janela.Lista()->ObtemLetraAtual(), u"a");

    ASSERT_TRUE(pagina.count() > 0 || pagina.wait(20000));
    EXPECT_TRUE(pagina.first().first().toBool());
    ASSERT_NE(janela.Visor(), nullptr);
    EXPECT_TRUE(janela.Visor()->url().path().endsWith(u"/h.htm"));
    EXPECT_EQ(janela.Visor()->geometry(), janela.DisposicaoAtual().visor);
    // The version line lands in the start page.
    const QString versoes =
        EsperaTexto(janela.Visor()->page(), QStringLiteral("document.getElementById('versoes').innerHTML"),
                    QString::fromUtf8("Monousuário"));
    EXPECT_TRUE(versoes.contains(u"Interface 1.")) << versoes.toStdString();
    EXPECT_TRUE(versoes.contains(u"Mini Monousuário")) << versoes.toStdString();
    janela.close();
}

TEST(ProgramaE2E, PrimeiraPinturaESegundaCopia)
{
    Programa programa;
    QProcess medido;
    programa.Inicia(medido, true);
    ASSERT_TRUE(medido.waitForFinished(60000));
    EXPECT_EQ(medido.exitCode(), 0);
    const QString saida = QString::fromUtf8(medido.readAllStandardOutput());
    EXPECT_TRUE(saida.contains(u"pintura_ms ")) << saida.toStdString();
    EXPECT_TRUE(saida.contains(u"letra_ms ")) << saida.toStdString();

    QProcess primeira;
    programa.Inicia(primeira);
    ASSERT_TRUE(primeira.waitForStarted());
    const QString trava = programa.casa.filePath(QStringLiteral("run/minilexaria.lock"));
    for (int i = 0; i < 100 && !QFile::exists(trava); ++i)
        QTest::qWait(50);
    ASSERT_TRUE(QFile::exists(trava));

    QProcess segunda;
    programa.Inicia(segunda);
    ASSERT_TRUE(segunda.waitForFinished(10000));
    EXPECT_EQ(segunda.exitCode(), 0);
    EXPECT_TRUE(segunda.readAllStandardOutput().isEmpty());
    EXPECT_EQ(primeira.state(), QProcess::Running);

    primeira.terminate();
    primeira.waitForFinished(10000);
}
