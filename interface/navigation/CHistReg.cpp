#include "CHistReg.h"

void CHistReg::Dados(const QString& titulo, qint32 idVerbete, const QString& palavra, const QString& iniciada,
                     const QString& terminada)
{
    m_tipo = kVerbete;
    m_titulo = titulo;
    m_idVerbete = idVerbete;
    m_buscaPalavra = palavra;
    m_buscaIniciada = iniciada;
    m_buscaTerminada = terminada;
}

void CHistReg::Dados_Paginas(const QString& titulo, const QString& arquivo)
{
    m_tipo = kPagina;
    m_titulo = titulo;
    m_arquivo = arquivo;
}

void CHistReg::Dados_Lista(const QString& conteudo, const QString& palavra, const QString& iniciada,
                           const QString& terminada)
{
    m_tipo = kLista;
    m_conteudo = conteudo;
    m_buscaPalavra = palavra;
    m_buscaIniciada = iniciada;
    m_buscaTerminada = terminada;
}
