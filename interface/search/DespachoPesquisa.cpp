#include "DespachoPesquisa.h"

#include "FiltrosClasse.h"
#include "PainelPesquisa.h"
#include "TabelaStrings.h"
#include "UtilTexto.h"

DespachoPesquisa::DespachoPesquisa(PainelPesquisa& painel) : m_painel(painel) { }

QString DespachoPesquisa::DescricaoFiltros() const
{
    if (!m_painel.PainelAberto() || m_painel.ConsultandoPalavraClicada() || m_painel.IndiceFiltro() != 1)
        return {};
    return FiltrosClasse::Descricao(m_painel.ClassesMarcadas(), m_painel.Marcada(PainelPesquisa::Somar));
}

QString DespachoPesquisa::CodigosFiltros() const
{
    return FiltrosClasse::Codigos(m_painel.ClassesMarcadas(), m_painel.IndiceFiltro() == 1);
}

bool DespachoPesquisa::PodeLocalizar() const
{
    if (!m_painel.PainelAberto())
        return true;
    if (m_painel.Marcada(PainelPesquisa::Inicio) || m_painel.Marcada(PainelPesquisa::Fim) ||
        m_painel.Marcada(PainelPesquisa::NoTexto))
        return false;
    const int filtro = m_painel.IndiceFiltro();
    const bool semFiltro = filtro == 0 || (filtro == 1 && DescricaoFiltros().isEmpty());
    return semFiltro && m_painel.ListaAlfabeticaVisivel();
}

QString DespachoPesquisa::CortaRotulo(const QString& texto, int largura, const std::function<int(const QString&)>& mede)
{
    if (mede(texto) <= largura)
        return texto;
    qsizetype n = texto.size();
    while (n > 0 && mede(texto.left(n)) > largura - 13)
        --n;
    return texto.left(n) + QStringLiteral(" ...");
}

void DespachoPesquisa::ProcessaPesquisa()
{
    m_painel.ParaBuscaDigitada();
    if (PodeLocalizar())
        PesquisaSimples();
    else
        PesquisaAvancada();
}

void DespachoPesquisa::PesquisaSimples()
{
    m_painel.MostraAguarde(true);
    const QString t = m_painel.Entrada().trimmed();
    if (t.isEmpty()) {
        m_painel.MostraPagina(TabelaStrings::PaginaBuscaVazia, {});
        m_painel.DesmarcaResultados();
        return;
    }
    m_painel.DefineRotuloFiltros(QString(), QString());
    m_painel.Pesquisa(t.contains(u'*') ? TipoPesquisa::Mascara : TipoPesquisa::Flexivel, t, QString());
}

void DespachoPesquisa::AtualizaRotulo()
{
    const QString f = DescricaoFiltros();
    if (f.isEmpty()) {
        m_painel.DefineRotuloFiltros(QString(), QString());
        return;
    }
    const int largura = m_painel.LarguraRotuloFiltros();
    const QString rotulo = CortaRotulo(f, largura, [this](const QString& s) { return m_painel.LarguraTexto(s); });
    m_painel.DefineRotuloFiltros(rotulo, rotulo == f ? QString() : f);
}

void DespachoPesquisa::LimpaBusca() { m_painel.PalavraBusca(QString(), QString(), QString()); }

void DespachoPesquisa::RecusaUmaLetra()
{
    m_painel.VerificaVerbete(-1);
    m_painel.MostraPagina(TabelaStrings::PaginaUmaLetra, {});
}

void DespachoPesquisa::PesquisaAvancada()
{
    AtualizaRotulo();
    const QString codigos = CodigosFiltros();
    const bool b = m_painel.Marcada(PainelPesquisa::Inicio);
    const bool e = m_painel.Marcada(PainelPesquisa::Fim);
    const bool x = m_painel.Marcada(PainelPesquisa::NoTexto);
    const QString texto = m_painel.Entrada();
    const QString t = texto.trimmed().remove(u'*');
    const QString t1 = m_painel.Entrada1().remove(u'*');
    const QString t2 = m_painel.Entrada2().remove(u'*');

    if (!codigos.isEmpty() && t.isEmpty() && !b && !e && !x) {
        LimpaBusca();
        m_painel.Pesquisa(TipoPesquisa::Reversa, QStringLiteral("*"), codigos);
        return;
    }
    if ((t.isEmpty() && !(b && e)) || (b && e && t1.trimmed().isEmpty() && t2.trimmed().isEmpty())) {
        LimpaBusca();
        m_painel.MostraPagina(TabelaStrings::PaginaBuscaVazia, {});
        m_painel.DesmarcaResultados();
        m_painel.SelecionaLista(1);
        return;
    }

    if (!x) {
        LimpaBusca();
        if (b && e)
            m_painel.Pesquisa(TipoPesquisa::Mascara, t1 + u'*' + t2, codigos);
        else if (b)
            m_painel.Pesquisa(TipoPesquisa::Mascara, t + u'*', codigos);
        else if (e)
            m_painel.Pesquisa(TipoPesquisa::Mascara, u'*' + t, codigos);
        else {
            m_painel.MostraAguarde(true);
            const QString termo = texto.trimmed();
            m_painel.Pesquisa(termo.contains(u'*') ? TipoPesquisa::Mascara : TipoPesquisa::Flexivel, termo, codigos);
        }
        return;
    }

    if (!b && !e) {
        const QString q = RetiraPalavrasComuns(t, [this](int modelo, const QStringList& valores) {
            QStringList pares;
            for (qsizetype i = 0; i < valores.size(); ++i)
                pares << QString::number(i + 1) << valores.at(i);
            m_painel.VerificaVerbete(-1);
            m_painel.MostraPagina(modelo, pares);
        });
        if (q.isEmpty())
            return;
        m_painel.PalavraBusca(m_painel.ExpandeFlexoes(q), QString(), QString());
        m_painel.Pesquisa(TipoPesquisa::Reversa, q.trimmed().replace(u' ', QStringLiteral(" +")), codigos);
    } else if (b && !e) {
        m_painel.PalavraBusca(QString(), texto, QString());
        if (texto.size() == 1)
            RecusaUmaLetra();
        else
            m_painel.Pesquisa(TipoPesquisa::Reversa, t + u'*', codigos);
    } else if (!b) {
        m_painel.PalavraBusca(QString(), QString(), texto);
        if (texto.size() == 1)
            RecusaUmaLetra();
        else
            m_painel.Pesquisa(TipoPesquisa::Reversa, u'*' + t, codigos);
    } else {
        m_painel.PalavraBusca(QString(), m_painel.Entrada1(), m_painel.Entrada2());
        if (t1.size() < 2 && t2.size() < 2)
            RecusaUmaLetra();
        else
            m_painel.Pesquisa(TipoPesquisa::Reversa, t1 + u'*' + t2, codigos);
    }
}
