// A lookup in the real window with its web view, without a display: from
// the end of the typing pause (or the list's pause, or a mode button) to
// the entry in the page, timed until the page has run every change.
#include "AreaConsulta.h"
#include "ArmazemMemoria.h"
#include "CList.h"
#include "VisorWeb.h"
#include "frmMain.h"

#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

const QString kPasta = QStringLiteral(MINI_APP_DIR);

struct JanelaPronta {
    ArmazemMemoria armazem;
    std::unique_ptr<frmMain> janela;

    JanelaPronta()
    {
        frmMain::Opcoes o;
        o.pastaPrograma = kPasta;
        o.caminhoBanco = QDir(kPasta).filePath(QStringLiteral("minilexaria.db"));
        o.armazem = &armazem;
        janela = std::make_unique<frmMain>(o);
        janela->Carrega({});
        QSignalSpy pagina(janela.get(), &frmMain::PaginaCarregada);
        janela->show();
        pagina.wait(30000);
        // The template is loaded by a first entry, as after the first lookup.
        Digita(QStringLiteral("casa"));
        Espera();
    }
    AreaConsulta& Area() { return *janela->Consulta(); }
    void Digita(const QString& palavra)
    {
        Area().Entrada()->setText(palavra);
        Area().Controlador().TextoDigitado(palavra);
        Area().Controlador().tmrBusca_Timer();
    }
    // Until the page has run everything queued so far.
    void Espera()
    {
        QEventLoop laco;
        janela->Visor()->QuandoPronto([&] { laco.quit(); });
        QTimer::singleShot(10000, &laco, &QEventLoop::quit);
        laco.exec();
    }
};

JanelaPronta& Janela()
{
    static JanelaPronta j;
    return j;
}

const QStringList kPalavras{QStringLiteral("manga"),  QStringLiteral("cantar"),   QStringLiteral("água"),
                            QStringLiteral("pedra"),  QStringLiteral("farmácia"), QStringLiteral("ser"),
                            QStringLiteral("cabeça"), QStringLiteral("dar")};

void BM_PausaAteVerbeteNaPagina(benchmark::State& estado)
{
    JanelaPronta& j = Janela();
    int n = 0;
    for (auto _ : estado) {
        j.Digita(kPalavras.at(n++ % kPalavras.size()));
        j.Espera();
    }
}
BENCHMARK(BM_PausaAteVerbeteNaPagina)->Unit(benchmark::kMillisecond)->Iterations(40);

void BM_CliqueNaListaAteVerbete(benchmark::State& estado)
{
    JanelaPronta& j = Janela();
    CList* lista = j.janela->Lista();
    int passo = 0;
    for (auto _ : estado) {
        lista->SelecionaItem(lista->Ids().front() + (passo += 37) % (lista->Ultimo() + 1));
        lista->Executa();
        // From the end of the list's pause.
        j.Area().Controlador().tmrLista_Timer();
        j.Espera();
    }
}
BENCHMARK(BM_CliqueNaListaAteVerbete)->Unit(benchmark::kMillisecond)->Iterations(40);

void BM_TrocaDeModo(benchmark::State& estado)
{
    JanelaPronta& j = Janela();
    j.Digita(QStringLiteral("cantar"));
    j.Espera();
    int modo = 0;
    for (auto _ : estado) {
        QSignalSpy pagina(j.janela.get(), &frmMain::PaginaCarregada);
        j.janela->AlteraModelo(static_cast<qint16>(modo = (modo + 1) % 3));
        pagina.wait(10000);
        j.Espera();
    }
}
BENCHMARK(BM_TrocaDeModo)->Unit(benchmark::kMillisecond)->Iterations(15);

} // namespace
