// What the history needs from its owner (the main window): showing a
// visited record again, and the state of the Back and Forward buttons.
// Calls come synchronously from inside CHistorico's operations.
#pragma once

#include <QString>
#include <QtGlobal>

class CHistReg;

class DestinoHistorico {
public:
    virtual ~DestinoHistorico() = default;

    // Show the entry again: mark the record's search words, then the
    // show-entry flow for the id with an empty title, recording on. Its
    // Adiciona lands on the record being replayed and adds nothing.
    virtual void NavegaVerbete(qint32 idVerbete, const CHistReg& registro) = 0;
    // Show the plain page again, with "?" after arquivo so the browser
    // does not report it as a new visit.
    virtual void NavegaPagina(const QString& arquivo, const CHistReg& registro) = 0;
    // Put the stored result page back into the entry area (not through the
    // page composition, which would record it again).
    virtual void NavegaLista(const QString& conteudo, const CHistReg& registro) = 0;

    // Back and Forward can (true) or cannot be used; the buttons must look
    // disabled when there is nowhere to go. Called whenever this changes.
    virtual void HabilitaNavegacao(bool anterior, bool proximo) = 0;
};
