#include "HistoricoJanela.h"

#include "CBrowser.h"
#include "ControladorConsulta.h"

HistoricoJanela::HistoricoJanela(CBrowser& browser, ControladorConsulta& controlador)
    : m_browser(browser), m_controlador(controlador)
{
}

void HistoricoJanela::NavegaVerbete(qint32 idVerbete, const CHistReg& registro)
{
    m_browser.MarcaPalavra(true);
    m_browser.PalavraBusca(registro.getBuscaPalavra(), registro.getBuscaIniciada(), registro.getBuscaTerminada());
    m_controlador.ExibeVerbete(idVerbete, QString(), true, true);
}

void HistoricoJanela::NavegaPagina(const QString& arquivo, const CHistReg&)
{
    m_browser.MostraPagina(arquivo + u'?');
    if (AoOcultarBotoesVerbete)
        AoOcultarBotoesVerbete(true);
}

void HistoricoJanela::NavegaLista(const QString& conteudo, const CHistReg& registro)
{
    m_browser.MarcaPalavra(false);
    m_browser.PalavraBusca(registro.getBuscaPalavra(), registro.getBuscaIniciada(), registro.getBuscaTerminada());
    m_browser.MostraHtmlLista(conteudo);
    m_browser.ListaAlternativas(QString(), QString());
    m_browser.MarcaPalavra(true);
}

void HistoricoJanela::HabilitaNavegacao(bool anterior, bool proximo)
{
    if (AoHabilitar)
        AoHabilitar(anterior, proximo);
}
