// The start-up measurement: with MINILEXARIA_MEDICAO set, the program
// prints when its window first painted and, once the letter's list and the
// start page are in, how long that took and how much memory the program
// and its web-view helpers hold; then it ends. Used by the benchmarks.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QtGlobal>

class frmMain;

class MedicaoInicio : public QObject {
    Q_OBJECT
public:
    inline static const char* const Variavel = "MINILEXARIA_MEDICAO";

    static bool Ativa();
    // relogio: started when the process entered main.
    MedicaoInicio(frmMain& janela, const QElapsedTimer& relogio);

    // Resident memory of one process, and the proportional share of a
    // process and all its descendants, in kB (0 where unknown).
    static qint64 RssKb(qint64 pid);
    static qint64 PssArvoreKb(qint64 pid);

private:
    void Verifica();

    frmMain& m_janela;
    const QElapsedTimer& m_relogio;
    bool m_letra = false;
    bool m_pagina = false;
};
