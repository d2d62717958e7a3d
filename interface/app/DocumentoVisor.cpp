#include "DocumentoVisor.h"

#include "VisorWeb.h"

#include <QDesktopServices>
#include <QUrl>

void DocumentoVisor::DefineVisor(VisorWeb* visor)
{
    m_visor = visor;
    if (m_visor && !m_pendente.isEmpty())
        m_visor->Navega(m_pendente);
    m_pendente.clear();
}

void DocumentoVisor::Navega(const QString& caminho)
{
    if (m_visor)
        m_visor->Navega(caminho);
    else
        m_pendente = caminho;
}

void DocumentoVisor::DefineHtml(const QString& id, const QString& html)
{
    if (m_visor)
        m_visor->DefineHtml(id, html);
}

void DocumentoVisor::DefineVisivel(const QString& id, bool visivel)
{
    if (m_visor)
        m_visor->DefineVisivel(id, visivel);
}

void DocumentoVisor::Marca(const QStringList& palavras, const QString& iniciada, const QString& terminada,
                           const QString& corFundo, const QString& corTexto)
{
    if (m_visor)
        m_visor->Marca(palavras, iniciada, terminada, corFundo, corTexto);
}

void DocumentoVisor::Imprime()
{
    if (m_visor)
        m_visor->Imprime();
}

void DocumentoVisor::AbreExterno(const QString& endereco) { QDesktopServices::openUrl(QUrl(endereco)); }
