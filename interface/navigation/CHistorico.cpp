#include "CHistorico.h"

#include "DestinoHistorico.h"

CHistorico::CHistorico(DestinoHistorico& destino) : m_destino(destino) { }

void CHistorico::Adiciona(const QString& titulo, qint32 idVerbete, const QString& palavra, const QString& iniciada,
                          const QString& terminada)
{
    CHistReg registro;
    registro.Dados(titulo, idVerbete, palavra, iniciada, terminada);
    // Only an entry record can be the same entry: a page or result record
    // carries id 0, which is also the first headword's id.
    if (m_atual != 0) {
        const CHistReg& atual = Registro(m_atual);
        if (atual.getTipo() == CHistReg::kVerbete && atual.getIDVerbete() == idVerbete)
            return;
    }
    Acrescenta(registro);
}

void CHistorico::AdicionaArquivo(const QString& titulo, const QString& arquivo)
{
    CHistReg registro;
    registro.Dados_Paginas(titulo, arquivo);
    Acrescenta(registro);
}

void CHistorico::AdicionaLista(const QString& conteudo, const QString& palavra, const QString& iniciada,
                               const QString& terminada)
{
    CHistReg registro;
    registro.Dados_Lista(conteudo, palavra, iniciada, terminada);
    Acrescenta(registro);
}

void CHistorico::Acrescenta(const CHistReg& registro)
{
    m_registros.resize(static_cast<size_t>(m_atual));
    if (m_atual == kCapacidade) {
        m_registros.pop_front();
        --m_atual;
    }
    m_registros.push_back(registro);
    ++m_atual;
    Informa(false);
}

void CHistorico::Anterior()
{
    if (m_atual <= 1)
        return;
    --m_atual;
    Informa(false);
    Reproduz();
}

void CHistorico::Proximo()
{
    if (m_atual >= Quantidade())
        return;
    ++m_atual;
    Informa(false);
    Reproduz();
}

void CHistorico::Reproduz()
{
    // A copy: the owner's answer may record, which can drop this record.
    const CHistReg registro = Registro(m_atual);
    switch (registro.getTipo()) {
    case CHistReg::kVerbete: m_destino.NavegaVerbete(registro.getIDVerbete(), registro); break;
    case CHistReg::kPagina: m_destino.NavegaPagina(registro.getArquivo(), registro); break;
    case CHistReg::kLista: m_destino.NavegaLista(registro.getConteudo(), registro); break;
    default: break;
    }
}

void CHistorico::InformaNavegacao() { Informa(true); }

void CHistorico::Informa(bool sempre)
{
    const std::pair<bool, bool> estado{PodeVoltar(), PodeAvancar()};
    if (!sempre && m_informado == estado)
        return;
    m_informado = estado;
    m_destino.HabilitaNavegacao(estado.first, estado.second);
}
