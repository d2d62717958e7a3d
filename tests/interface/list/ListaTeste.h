// A list on a 250 x 400 fake surface over the fake engine, optionally with
// one letter fully loaded. Rows are 15 pixels apart at 7.5 points.
//   "a": 1000 words, ids 1000..1999     "b": 40 words, ids 2000..2039
//   "c": 5 words, ids 2500..2504        "z": 1 word, id 3000
//   "m": four words with homonym marks, ids 4000..4003
#pragma once

#include "CList.h"
#include "CaixaPreviaFalsa.h"
#include "MotorFalso.h"
#include "SuperficieFalsa.h"

#include <utility>

struct ListaTeste {
    MotorFalso motor;
    SuperficieFalsa fundo{250, 400};
    CaixaPreviaFalsa tip;
    CList lista;
    QList<std::pair<QString, qint32>> selecoes;
    QList<qint32> cargas;
    int ocultas = 0;
    QStringList erros;

    explicit ListaTeste(const QString& letra = {})
    {
        motor.AdicionaLetra("a", 1000, 1000);
        motor.AdicionaLetra("b", 2000, 40);
        motor.AdicionaLetra("c", 2500, 5);
        motor.AdicionaLetra("z", 3000, 1);
        motor.letras.append({"m",
                             4000,
                             {"mal", QString::fromUtf8("manga\u00A01"), QString::fromUtf8("manga\u00A02"),
                              QString::fromUtf8("mano\u01783")}});
        lista.Eventos.SelecionaItem = [this](const QString& t, qint32 id) { selecoes.append({t, id}); };
        lista.Eventos.IniciaCargaListaLetra = [this](qint32 pos) { cargas << pos; };
        lista.Eventos.OcultaPesquisando = [this] { ++ocultas; };
        lista.Eventos.ErroMotor = [this](const QString& e) { erros << e; };
        lista.Inicializa(&fundo, &motor, &tip);
        if (!letra.isEmpty()) {
            lista.ListaLetra(letra, -1);
            CarregaTudo();
        }
    }

    SuperficieFalsa& Buffer() { return *fundo.buffers.front(); }
    // Calls until the load ends; how many calls it took (at most 100).
    int CarregaTudo()
    {
        int chamadas = 1;
        while (lista.CarregaListaLetra() && chamadas < 100)
            ++chamadas;
        return chamadas;
    }
    void Limpa()
    {
        fundo.ops.clear();
        Buffer().ops.clear();
    }
    // The middle of a row for the mouse, which counts rows from y = 10.
    static double YDaLinha(int linha) { return 10 + 15 * linha + 7; }
};
