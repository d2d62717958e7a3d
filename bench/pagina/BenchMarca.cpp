// Highlighting against its target: an entry page of 5,000 words from the
// real dictionary, marked in the real web view. The time is the page's own
// (performance.now around the call); the content is put back between runs
// outside the timing. Variants: a plain word with its forms, a word that
// occurs hundreds of times, and the script evaluated before each call.
#include "MotorMini.h"
#include "ScriptsPagina.h"
#include "TabelaChaves.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <benchmark/benchmark.h>
#include <memory>
#include <unistd.h>

namespace {

const QString kPasta = QStringLiteral(MINI_APP_DIR);

QString Literal(const QString& t)
{
    const QByteArray json = QJsonDocument(QJsonArray{t}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QVariant Js(QWebEnginePage& p, const QString& codigo)
{
    QVariant r;
    QEventLoop laco;
    p.runJavaScript(codigo, QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
        r = v;
        laco.quit();
    });
    QTimer::singleShot(30000, &laco, &QEventLoop::quit);
    laco.exec();
    return r;
}

// Entries from "casa" on, joined until the text holds 5,000 words.
QString Verbete5000(int& palavras)
{
    MotorMini motor(QDir(kPasta).filePath(QStringLiteral("minilexaria.db")));
    if (!motor.AbreDados())
        std::abort();
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression espacos(QStringLiteral("\\s+"));
    QString html;
    palavras = 0;
    for (qint32 id = motor.LocalizaPalavra(QStringLiteral("casa")); palavras < 5000; ++id) {
        qint32 i = id;
        QString corpo;
        if (motor.ObtemVerbete(i, corpo, TabelaChaves::global().chave(id)).isEmpty())
            break;
        html += corpo;
        palavras += static_cast<int>(QString(corpo).remove(tags).split(espacos, Qt::SkipEmptyParts).size());
    }
    return html;
}

struct Pagina {
    QWebEnginePage pagina;
    int palavras = 0;
    Pagina()
    {
        QEventLoop laco;
        QObject::connect(&pagina, &QWebEnginePage::loadFinished, &laco, &QEventLoop::quit);
        pagina.load(QUrl::fromLocalFile(QDir(kPasta).filePath(QStringLiteral("f1.htm"))));
        laco.exec();
        const QString html = Verbete5000(palavras);
        Js(pagina, QStringLiteral("window.conteudoBench = %1;").arg(Literal(html)));
        Js(pagina, ScriptsPagina::ScriptMarca());
    }
};

// Made on first use and dropped before the application goes, as the web
// profile must outlive its pages.
std::unique_ptr<Pagina> unica;

Pagina& Unica()
{
    if (!unica)
        unica = std::make_unique<Pagina>();
    return *unica;
}

void Marca(benchmark::State& estado, const QString& palavras, bool avaliaScript)
{
    Pagina& p = Unica();
    const QString script = avaliaScript ? ScriptsPagina::ScriptMarca() : QString();
    const QString chamada = QStringLiteral("document.getElementById('AreaVerbete').innerHTML = window.conteudoBench;"
                                           "var t0 = performance.now(); %1"
                                           "var n = MarcaBusca(%2, '', '', '#FFFF00', '#000000');"
                                           "[performance.now() - t0, n];")
                                .arg(script, palavras);
    int marcas = 0;
    for (auto _ : estado) {
        const QVariantList r = Js(p.pagina, chamada).toList();
        if (r.size() != 2) {
            estado.SkipWithError("a página não respondeu");
            return;
        }
        estado.SetIterationTime(r[0].toDouble() / 1000.0);
        marcas = r[1].toInt();
    }
    estado.counters["palavras"] = p.palavras;
    estado.counters["marcas"] = marcas;
}

void BM_MarcaPalavraEFormas(benchmark::State& e)
{
    Marca(e, QStringLiteral("['casa', 'casas', 'caza', 'cazas']"), false);
}
void BM_MarcaPalavraFrequente(benchmark::State& e) { Marca(e, QStringLiteral("['de', 'que', 'casa']"), false); }
void BM_AvaliaScriptEMarca(benchmark::State& e) { Marca(e, QStringLiteral("['casa', 'casas']"), true); }
BENCHMARK(BM_MarcaPalavraEFormas)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MarcaPalavraFrequente)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_AvaliaScriptEMarca)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    unica.reset();
    return 0;
}
