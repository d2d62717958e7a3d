// The headword list and the window against their targets: a full list page
// drawn, the letter "a" loaded in chunks through the event loop (with the
// longest the loop was held), and the program's start to its first paint
// with its memory once the web view shows the start page.
#include "CList.h"
#include "MotorMini.h"
#include "ScriptsPagina.h"
#include "SuperficieImagem.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

const QString kPasta = QStringLiteral(MINI_APP_DIR);

MotorMini& Motor()
{
    static MotorMini motor(QDir(kPasta).filePath(QStringLiteral("minilexaria.db")));
    static const bool aberto = motor.AbreDados();
    if (!aberto)
        std::abort();
    return motor;
}

// A list of the main window's size over the real engine, letter loaded.
struct ListaReal {
    SuperficieImagem fundo{253, 500, [] { return 1.0; }};
    CList lista;

    explicit ListaReal(const QString& letra)
    {
        lista.Inicializa(&fundo, &Motor(), nullptr);
        lista.Redimensionada();
        lista.ListaLetra(letra, -1);
        while (lista.CarregaListaLetra()) { }
    }
};

void BM_DesenhaPaginaLista(benchmark::State& estado)
{
    ListaReal l(QStringLiteral("a"));
    qint32 topo = 0;
    for (auto _ : estado) {
        // A different page each time, as while scrolling.
        l.lista.SelecionaItem(l.lista.Ids().front() + topo);
        topo = (topo + 97) % (l.lista.Ultimo() + 1);
    }
    estado.counters["linhas"] = l.lista.Linhas() + 1;
}
BENCHMARK(BM_DesenhaPaginaLista)->Unit(benchmark::kMicrosecond);

// The letter loaded one chunk per tick of a 1 ms timer, as the window does;
// a probe timer measures the longest the event loop was held.
void BM_CargaLetraA(benchmark::State& estado)
{
    double piorMs = 0;
    for (auto _ : estado) {
        SuperficieImagem fundo(253, 500, [] { return 1.0; });
        CList lista;
        lista.Inicializa(&fundo, &Motor(), nullptr);
        lista.Redimensionada();
        QEventLoop laco;
        QTimer carga;
        carga.setInterval(1);
        QObject::connect(&carga, &QTimer::timeout, [&] {
            if (!lista.CarregaListaLetra()) {
                carga.stop();
                laco.quit();
            }
        });
        lista.Eventos.IniciaCargaListaLetra = [&](qint32) { carga.start(); };
        QElapsedTimer desde;
        QTimer sonda;
        sonda.setInterval(0);
        QObject::connect(&sonda, &QTimer::timeout, [&] {
            piorMs = std::max(piorMs, desde.nsecsElapsed() / 1e6);
            desde.restart();
        });
        desde.start();
        sonda.start();
        lista.ListaLetra(QStringLiteral("a"), -1);
        laco.exec();
        sonda.stop();
        if (lista.Palavras().back().isEmpty())
            estado.SkipWithError("letra incompleta");
        estado.counters["palavras"] = lista.Ultimo() + 1;
    }
    estado.counters["pior_parada_ms"] = piorMs;
}
BENCHMARK(BM_CargaLetraA)->Unit(benchmark::kMillisecond)->Iterations(5);

// The program as a new user starts it, without a display; it reports its
// own moments and memory and ends.
void BM_InicioAtePrimeiraPintura(benchmark::State& estado)
{
    double pintura = 0, letra = 0, pagina = 0, rss = 0, pss = 0, externo = 0;
    for (auto _ : estado) {
        QTemporaryDir casa;
        QDir(casa.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(casa.filePath(QStringLiteral("run")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment a = QProcessEnvironment::systemEnvironment();
        a.insert(QStringLiteral("HOME"), casa.path());
        a.insert(QStringLiteral("XDG_CONFIG_HOME"), casa.path());
        a.insert(QStringLiteral("XDG_RUNTIME_DIR"), casa.filePath(QStringLiteral("run")));
        a.insert(QStringLiteral("MINILEXARIA_MEDICAO"), QStringLiteral("1"));
        if (!a.contains(QStringLiteral("DISPLAY")))
            a.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess p;
        p.setProcessEnvironment(a);
        QElapsedTimer relogio;
        relogio.start();
        p.start(QDir(kPasta).filePath(QStringLiteral("minilexaria")), {});
        bool pintou = false;
        while (p.waitForReadyRead(30000) || p.state() == QProcess::Running) {
            while (p.canReadLine()) {
                const QList<QByteArray> campos = p.readLine().trimmed().split(' ');
                const double v = campos.value(1).toDouble();
                if (campos.value(0) == "pintura_ms") {
                    pintura = v;
                    externo = relogio.nsecsElapsed() / 1e6;
                    pintou = true;
                } else if (campos.value(0) == "letra_ms") {
                    letra = v;
                } else if (campos.value(0) == "pagina_ms") {
                    pagina = v;
                } else if (campos.value(0) == "rss_kb") {
                    rss = v / 1024;
                } else if (campos.value(0) == "pss_arvore_kb") {
                    pss = v / 1024;
                }
            }
            if (p.state() != QProcess::Running)
                break;
        }
        p.waitForFinished(30000);
        if (!pintou)
            estado.SkipWithError("o programa não pintou a janela");
    }
    estado.counters["pintura_externa_ms"] = externo;
    estado.counters["pintura_ms"] = pintura;
    estado.counters["letra_a_ms"] = letra;
    estado.counters["pagina_ms"] = pagina;
    estado.counters["rss_mb"] = rss;
    estado.counters["pss_com_visor_mb"] = pss;
}
BENCHMARK(BM_InicioAtePrimeiraPintura)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    ScriptsPagina::RegistraEsquemas();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
