// The program's window over the built program folder, shown and with its
// web view's first page in place (null when it could not get there), and
// scripts run in its page; a test fixture that opens it for each test.
#pragma once

#include "ArmazemMemoria.h"
#include "VisorWeb.h"
#include "frmMain.h"

#include <QDir>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <gtest/gtest.h>
#include <memory>

// The script's value, run where the program's own scripts run.
inline QVariant Avalia(QWebEnginePage* pagina, const QString& js)
{
    QVariant resultado;
    QEventLoop laco;
    pagina->runJavaScript(js, QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
        resultado = v;
        laco.quit();
    });
    QTimer::singleShot(10000, &laco, &QEventLoop::quit);
    laco.exec();
    return resultado;
}

// Waits until the script's value (a string) holds the text; returns the last value.
inline QString EsperaTexto(QWebEnginePage* pagina, const QString& js, const QString& esperado, int ms = 15000)
{
    QString valor;
    for (int t = 0; t < ms / 50; ++t) {
        valor = Avalia(pagina, js).toString();
        if (valor.contains(esperado))
            break;
        QTest::qWait(50);
    }
    return valor;
}

inline std::unique_ptr<frmMain> AbreJanelaReal(ArmazemMemoria& armazem)
{
    frmMain::Opcoes o;
    o.pastaPrograma = QStringLiteral(MINI_APP_DIR);
    o.caminhoBanco = QDir(o.pastaPrograma).filePath(QStringLiteral("minilexaria.db"));
    o.armazem = &armazem;
    auto janela = std::make_unique<frmMain>(o);
    if (janela->Carrega({}) != CicloJanela::Carga::Pronta)
        return nullptr;
    QSignalSpy pagina(janela.get(), &frmMain::PaginaCarregada);
    janela->show();
    if (!pagina.wait(30000) || !janela->Visor())
        return nullptr;
    return janela;
}

class JanelaRealTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        janela = AbreJanelaReal(armazem);
        ASSERT_NE(janela, nullptr);
    }
    void TearDown() override
    {
        if (janela)
            janela->close();
    }
    QWebEnginePage* Pagina() const { return janela->Visor()->page(); }

    ArmazemMemoria armazem;
    std::unique_ptr<frmMain> janela;
};
