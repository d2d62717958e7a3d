#include "PesquisaLista.h"

#include "AmbienteBusca.h"
#include "CList.h"
#include "MotorDicionario.h"
#include "ResultadosHtml.h"

#include <QStringList>

PesquisaLista::PesquisaLista(CList& lista, AmbienteBusca& ambiente) : m_lista(lista), m_ambiente(ambiente) { }

void PesquisaLista::ListaPesquisaFlexivel(const QString& palavra, const QString& filtro)
{
    Pesquisa(TipoPesquisa::Flexivel, palavra, filtro);
}

void PesquisaLista::ListaPesquisaMascara(const QString& mascara, const QString& filtro)
{
    Pesquisa(TipoPesquisa::Mascara, mascara, filtro);
}

void PesquisaLista::ListaPesquisaReversa(const QString& palavra, const QString& filtro)
{
    Pesquisa(TipoPesquisa::Reversa, palavra, filtro);
}

void PesquisaLista::AplicaFiltros(MotorDicionario& motor, const QString& filtro, bool somados)
{
    if (filtro.isEmpty())
        return;
    motor.DefineFiltro(0, 0);
    bool primeiro = true;
    for (const QString& item : filtro.split(u';', Qt::SkipEmptyParts)) {
        const auto id = static_cast<qint16>(item.toInt() + 8);
        motor.DefineFiltro(primeiro || somados ? 3 : 2, id);
        primeiro = false;
    }
    motor.DefineFiltro(1, 0);
}

bool PesquisaLista::Atual(quint32 geracao) const { return geracao == m_geracao && m_lista.Ocupada(); }

void PesquisaLista::Pesquisa(TipoPesquisa tipo, const QString& termo, const QString& filtro)
{
    MotorDicionario* motor = m_lista.Motor();
    if (!motor)
        return;
    const quint32 geracao = ++m_geracao;
    const auto codigo = static_cast<qint16>(tipo);
    QString repassado = termo;
    QString primeiro;
    m_lista.IniciaBusca();
    if (m_lista.Eventos.MostraPesquisando)
        m_lista.Eventos.MostraPesquisando();
    motor->LimiteResultados(TamanhoBloco);
    switch (tipo) {
    case TipoPesquisa::Flexivel: motor->PesquisaPalavra(termo.toLower(), 0, primeiro); break;
    case TipoPesquisa::Mascara: motor->PesquisaMascara(termo, primeiro, 0); break;
    case TipoPesquisa::Reversa: {
        QString pedido = termo;
        qint32 total = 0;
        motor->PesquisaReversa(pedido, primeiro, 0, 0, total);
        repassado.remove(u'+');
        break;
    }
    }
    // Each engine call forgets the error of the one before.
    QString erro = motor->ObtemUltimoErro();
    AplicaFiltros(*motor, filtro, m_ambiente.FiltrosSomados());
    const qint32 quantos = motor->ObtemTotalResultados();
    if (erro.isEmpty())
        erro = motor->ObtemUltimoErro();

    if (quantos < 1) {
        m_lista.EsvaziaResultados();
        m_lista.DefineOcupada(false);
        if (!erro.isEmpty())
            m_ambiente.MostraErroMotor(erro);
        else if (m_lista.Eventos.NaoEncontrado)
            m_lista.Eventos.NaoEncontrado(repassado, codigo);
        if (m_lista.Eventos.OcultaPesquisando)
            m_lista.Eventos.OcultaPesquisando();
        return;
    }

    QString bloco;
    qint32 inicio = 0;
    motor->ObtemResultados(0, inicio, bloco);
    const QString html = ResultadosHtml::Monta(*motor, bloco, m_ambiente.AlturaJanelaTwips());
    m_lista.PreparaResultados(quantos);
    if (m_lista.Eventos.RetornoBusca)
        m_lista.Eventos.RetornoBusca(repassado, html, quantos - 1, codigo);
    // The page's handler may have let events run and a newer search start.
    if (!Atual(geracao))
        return;

    m_preenchendo = true;
    qint32 base = 0;
    qint32 cursor = 0;
    cursor = motor->ObtemResultados(0, cursor, bloco);
    for (;;) {
        m_lista.Desenha();
        m_ambiente.ProcessaEventos();
        if (!Atual(geracao))
            break;
        const int pares = m_lista.ColocaPares(bloco, base);
        base += tipo == TipoPesquisa::Reversa ? TamanhoBloco : pares;
        if (m_lista.Eventos.OcultaPesquisando)
            m_lista.Eventos.OcultaPesquisando();
        if (cursor == -1 || pares == 0) {
            m_lista.DefineOcupada(false);
            m_lista.Desenha();
            break;
        }
        cursor = motor->ObtemResultados(0, cursor, bloco);
    }
    if (geracao == m_geracao)
        m_preenchendo = false;
}
