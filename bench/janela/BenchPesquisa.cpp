// Searches in the real window with its web view: from Enter to the result
// page in the view (ate_pagina_ms), and to the whole result list filled
// (the iteration time), with the longest time the event loop went without
// a turn while the list filled (parada_max_ms).
#include "AreaConsulta.h"
#include "ArmazemMemoria.h"
#include "CList.h"
#include "PainelAvancado.h"
#include "VisorWeb.h"
#include "frmMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

struct JanelaBusca {
    ArmazemMemoria armazem;
    std::unique_ptr<frmMain> janela;

    JanelaBusca()
    {
        frmMain::Opcoes o;
        o.pastaPrograma = QStringLiteral(MINI_APP_DIR);
        o.caminhoBanco = QDir(o.pastaPrograma).filePath(QStringLiteral("minilexaria.db"));
        o.armazem = &armazem;
        janela = std::make_unique<frmMain>(o);
        janela->Carrega({});
        QSignalSpy pronta(janela.get(), &frmMain::PaginaCarregada);
        janela->show();
        pronta.wait(30000);
        // The entry template is in the view, as after a first lookup.
        QSignalSpy modelo(janela.get(), &frmMain::PaginaCarregada);
        janela->Consulta()->Controlador().LocalizaNaLista(QStringLiteral("casa"));
        modelo.wait(30000);
        EsperaPagina();
    }
    PainelAvancado& Painel() { return janela->Consulta()->Pesquisa().Painel(); }
    // The panel as a reader leaves it for one kind of search.
    void Prepara(bool aberto, int caixa, int classe)
    {
        if (aberto != Painel().Aberto())
            aberto ? Painel().imgAvancada_Click() : Painel().imgFechar_Click();
        for (int i = 0; i < 3; ++i)
            Painel().Marca(i, i == caixa);
        Painel().EscolheFiltro(classe >= 0 ? 1 : 0);
        for (int i = 0; i < 13; ++i)
            Painel().MarcaClasse(i, i == classe);
    }
    void EsperaPagina()
    {
        QEventLoop laco;
        janela->Visor()->QuandoPronto([&] { laco.quit(); });
        QTimer::singleShot(10000, &laco, &QEventLoop::quit);
        laco.exec();
    }
};

JanelaBusca& Janela()
{
    static JanelaBusca j;
    return j;
}

void Mede(benchmark::State& estado, const QString& texto, bool aberto, int caixa, int classe)
{
    JanelaBusca& j = Janela();
    j.Prepara(aberto, caixa, classe);
    CBrowser& browser = j.janela->Consulta()->Browser();
    double paginaTotal = 0, paradaMax = 0, resultados = 0;
    for (auto _ : estado) {
        QElapsedTimer relogio, passo;
        qint64 pagina = -1, parada = 0;
        QTimer pulso;
        pulso.setInterval(1);
        QObject::connect(&pulso, &QTimer::timeout, [&] { parada = std::max(parada, passo.restart()); });
        auto anterior = browser.Eventos.Carregado;
        browser.Eventos.Carregado = [&] {
            if (anterior)
                anterior();
            // The page is handed to the view here; it shows once the view
            // has run it.
            if (pagina < 0) {
                j.EsperaPagina();
                pagina = relogio.elapsed();
            }
        };
        QLineEdit* entrada = j.janela->Consulta()->Entrada();
        entrada->setText(texto);
        relogio.start();
        passo.start();
        pulso.start();
        j.janela->Consulta()->ProcessaPesquisa();
        pulso.stop();
        browser.Eventos.Carregado = anterior;
        paginaTotal += double(pagina);
        paradaMax = std::max(paradaMax, double(parada));
        resultados = j.janela->Lista2()->Ultimo() + 1;
    }
    estado.counters["ate_pagina_ms"] = benchmark::Counter(paginaTotal, benchmark::Counter::kAvgIterations);
    estado.counters["parada_max_ms"] = paradaMax;
    estado.counters["resultados"] = resultados;
}

void BM_EnterIniciadasPorDes(benchmark::State& e) { Mede(e, QStringLiteral("des*"), false, -1, -1); }
void BM_EnterTerminadasEmCao(benchmark::State& e) { Mede(e, QStringLiteral("*ção"), false, -1, -1); }
void BM_EnterAguaNoTexto(benchmark::State& e) { Mede(e, QStringLiteral("água"), true, 2, -1); }
void BM_EnterTodosOsVerbos(benchmark::State& e) { Mede(e, QString(), true, -1, 10); }
void BM_EnterIniciadasPorA(benchmark::State& e) { Mede(e, QStringLiteral("a*"), false, -1, -1); }

} // namespace

BENCHMARK(BM_EnterIniciadasPorDes)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_EnterTerminadasEmCao)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_EnterAguaNoTexto)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_EnterTodosOsVerbos)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_EnterIniciadasPorA)->Unit(benchmark::kMillisecond)->Iterations(5);
