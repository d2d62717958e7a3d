// The start of the program: the splash, the entry-key table, the main
// window loaded and shown, then the splash let go.
#include "AberturaPalavra.h"
#include "CanalInstancia.h"
#include "InstanciaUnica.h"
#include "MedicaoInicio.h"
#include "PastasPrograma.h"
#include "ScriptsPagina.h"
#include "SinaisTermino.h"
#include "TabelaChaves.h"
#include "VersaoPrograma.h"
#include "frmMain.h"
#include "frmSplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
// The web view's library frees some objects with another size than it
// allocated them with, and keeps a few until the process ends; both are
// inside that library, so sanitizer builds leave those two checks out.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0:detect_leaks=0"; }
#endif

int main(int argc, char** argv)
{
    QElapsedTimer relogio;
    relogio.start();
#ifdef Q_OS_UNIX
    // The web view's sandbox refuses to run as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    // A second copy ends before it shows anything, or even connects to the
    // display, once it has handed its word to the running one.
    InstanciaUnica instancia;
    if (!instancia.Adquire()) {
        QCoreApplication nucleo(argc, argv);
        CanalInstancia::Envia(CanalInstancia::CaminhoPadrao(),
                              AberturaPalavra::DaLinhaDeComando(nucleo.arguments().mid(1)));
        return 0;
    }

    // Pages of text need no graphics card: drawn in software, the program
    // and its page processes leave the OpenGL libraries unloaded (about
    // 100 MB less in all). Someone who sets these variables keeps theirs.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    ScriptsPagina::RegistraEsquemas();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Minilexária"));
    app.setApplicationVersion(VersaoPrograma::Versao());
    // The program ends when the main window unloads, not when the last
    // window (the splash, a message) closes.
    app.setQuitOnLastWindowClosed(false);
    // Caught from here on: a stop asked for while the window loads waits
    // for the event loop and closes the window as the user would.
    SinaisTermino sinais;

    frmSplash splash(VersaoPrograma::Versao());
    splash.show();
    splash.repaint();

    TabelaChaves::global().Preenche();

    // Installed, the files are read under the prefix and nothing is written there.
    const PastasPrograma pastas = PastasPrograma::Atual();
    frmMain::Opcoes opcoes;
    opcoes.pastaPrograma = pastas.Programa();
    opcoes.caminhoBanco = pastas.Banco();
    opcoes.pastaDados = pastas.Dados();
    opcoes.instancia = &instancia;
    opcoes.MostraMensagem = [&splash](const QString& texto, const QString& titulo) {
        splash.hide();
        QMessageBox::critical(nullptr, titulo, texto);
    };
    opcoes.Encerra = [] { QCoreApplication::quit(); };
    frmMain janela(std::move(opcoes));

    switch (janela.Carrega(app.arguments().mid(1))) {
    case CicloJanela::Carga::OutraInstancia: return 0;
    case CicloJanela::Carga::SemDados: return 1;
    case CicloJanela::Carga::Pronta: break;
    }
    if (MedicaoInicio::Ativa())
        new MedicaoInicio(janela, relogio);

    // The word of the command line, and those later starts hand over.
    auto* abertura = new AberturaPalavra(janela);
    CanalInstancia canal;
    if (instancia.Ativa())
        canal.Escuta(CanalInstancia::CaminhoPadrao());
    QObject::connect(&canal, &CanalInstancia::Recebido, abertura, &AberturaPalavra::Pede);
    const QString palavra = AberturaPalavra::DaLinhaDeComando(app.arguments().mid(1));
    if (!palavra.isEmpty())
        abertura->Pede(palavra);

    // Told to stop, or the session ending: closed as the user closes it, so
    // what closing saves is saved; the lock goes with `instancia`.
    const auto fecha = [&janela] {
        if (janela.isVisible())
            janela.close();
        QCoreApplication::quit();
    };
    QObject::connect(&sinais, &SinaisTermino::Pedido, &janela, fecha);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &janela, fecha, Qt::DirectConnection);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &janela, fecha);
    // Where no window manager keeps the splash on top, the main window
    // covers it when it shows and again when its web view arrives.
    const auto mantemSplash = [&splash] {
        if (splash.Aguardando())
            splash.raise();
    };
    QObject::connect(&janela, &frmMain::PrimeiraPintura, &splash, mantemSplash);
    QObject::connect(&janela, &frmMain::VisorCriado, &splash, mantemSplash);
    QObject::connect(&splash, &frmSplash::TeclaDigitada, &janela,
                     [&janela](int tecla, Qt::KeyboardModifiers modificadores, const QString& texto) {
                         QCoreApplication::postEvent(&janela,
                                                     new QKeyEvent(QEvent::KeyPress, tecla, modificadores, texto));
                     });
    // The splash held the keyboard; a word typed right after it must reach
    // the main window.
    QObject::connect(&splash, &frmSplash::Fechado, &janela, [&janela] {
        if (janela.isVisible()) {
            janela.raise();
            janela.activateWindow();
        }
    });
    janela.show();
    splash.PedeFechamento();
    return app.exec();
}
