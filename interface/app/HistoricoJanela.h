// The history of the window: records what the lookup area shows and, on
// Back and Forward, shows it again through the entry view and the lookup
// controller. The buttons' state goes out through a hook.
#pragma once

#include "CHistorico.h"
#include "DestinoHistorico.h"

#include <functional>

class CBrowser;
class ControladorConsulta;

class HistoricoJanela : public DestinoHistorico {
public:
    HistoricoJanela(CBrowser& browser, ControladorConsulta& controlador);

    CHistorico& Historico() { return m_historico; }
    std::function<void(bool anterior, bool proximo)> AoHabilitar;
    std::function<void(bool ocultar)> AoOcultarBotoesVerbete;

    void NavegaVerbete(qint32 idVerbete, const CHistReg& registro) override;
    void NavegaPagina(const QString& arquivo, const CHistReg& registro) override;
    void NavegaLista(const QString& conteudo, const CHistReg& registro) override;
    void HabilitaNavegacao(bool anterior, bool proximo) override;

private:
    CBrowser& m_browser;
    ControladorConsulta& m_controlador;
    CHistorico m_historico{*this};
};
