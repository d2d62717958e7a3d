#include "AberturaPalavra.h"

#include "AreaConsulta.h"
#include "CicloJanela.h"
#include "frmMain.h"

AberturaPalavra::AberturaPalavra(frmMain& janela) : QObject(&janela), m_janela(janela)
{
    // Readiness is looked at again now and then, and as soon as a letter's
    // list is in.
    m_espera.setInterval(50);
    connect(&m_espera, &QTimer::timeout, this, &AberturaPalavra::Mostra);
    connect(&janela, &frmMain::LetraCarregada, this, [this] {
        if (m_pendente)
            Mostra();
    });
}

QString AberturaPalavra::DaLinhaDeComando(const QStringList& argumentos)
{
    if (CicloJanela::ModoDebug(argumentos))
        return {};
    return argumentos.join(u' ').simplified();
}

void AberturaPalavra::Pede(const QString& palavra)
{
    m_palavra = palavra.simplified();
    m_pendente = true;
    if (m_janela.isVisible()) {
        if (m_janela.isMinimized())
            m_janela.showNormal();
        m_janela.raise();
        m_janela.activateWindow();
    }
    if (Pronta())
        Mostra();
    else
        m_espera.start();
}

bool AberturaPalavra::Pronta() const
{
    return m_janela.Consulta() && m_janela.Motor() && !m_janela.Ciclo().PrimeiraAtivacaoPendente() &&
           !m_janela.CarregandoLetra();
}

void AberturaPalavra::Mostra()
{
    if (!m_pendente || !Pronta())
        return;
    m_espera.stop();
    m_pendente = false;
    if (!m_palavra.isEmpty())
        m_janela.Consulta()->MostraPalavra(m_palavra);
}
