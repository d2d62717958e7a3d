#include "CBrowser.h"

#include "DocumentoPagina.h"
#include "TabelaStrings.h"
#include "UtilTexto.h"

#include <QDir>

namespace {

const QString kCaixa = QStringLiteral("table1");
const QString kArea = QStringLiteral("AreaVerbete");

const QString kLinhaSimples =
    QStringLiteral("<table border='0' cellspacing='0' cellpadding='0' width='100%'><tr><td height='10'></td></tr><tr>"
                   "<td background='simples.gif' height='6' ></td></tr><tr><td height='10'></td></tr></table>");
const QString kLinhaDupla =
    QStringLiteral("<table border='0' cellspacing='0' cellpadding='0' width='100%'><tr><td height='10'></td></tr><tr>"
                   "<td background='duplo.gif' height='6'></td></tr><tr><td height='10'></td></tr></table>");

bool EhModelo(const QString& endereco)
{
    for (const char* nome : {"f1.htm", "f2.htm", "f3.htm"})
        if (endereco.endsWith(QLatin1String(nome), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

CBrowser::CBrowser(DocumentoPagina& documento, QString pastaPrograma)
    : m_documento(documento), m_pasta(std::move(pastaPrograma))
{
}

void CBrowser::MostraPagina(const QString& caminho)
{
    m_estado = PaginaSimples;
    m_caixaVisivel = false;
    m_documento.Navega(caminho);
}

void CBrowser::MostraConteudo(const QString& html)
{
    m_htmlConteudo = html;
    if (m_estado == ModeloPronto) {
        m_documento.DefineHtml(kArea, html);
        m_caixaVisivel = false;
        if (Eventos.Carregado)
            Eventos.Carregado();
        return;
    }
    // The last call while the template loads wins.
    m_estado = ModeloCarregando;
    m_documento.Navega(QDir(m_pasta).filePath(m_arquivoModelo));
}

void CBrowser::MostraVerbete(const QString& html)
{
    m_semVerbete = false;
    m_htmlAlternativas.clear();
    m_htmlConjugacao.clear();
    m_htmlConteudo = html;
    if (m_estado != ModeloPronto) {
        MostraConteudo(html);
        return;
    }
    // Each entry starts with an empty hidden side box.
    m_documento.DefineHtml(kArea, TabelaStrings::Texto(TabelaStrings::CaixaLateral) + html);
    m_caixaVisivel = false;
    if (m_marcaAtiva && TemBusca())
        MarcarTexto();
    if (Eventos.Carregado)
        Eventos.Carregado();
}

void CBrowser::MostraLista(int texto, const QStringList& parametros)
{
    m_semVerbete = true;
    QString html = TabelaStrings::Texto(texto);
    for (qsizetype i = 0; i + 1 < parametros.size(); i += 2) {
        const QString& nome = parametros.at(i);
        QString valor = parametros.at(i + 1);
        if (nome == u"1" || nome == u"2")
            valor = CodificaHTML(valor);
        html.replace(u'%' + nome, valor);
    }
    html.replace(QStringLiteral("%linhaSimples"), kLinhaSimples);
    html.replace(QStringLiteral("%linhaDupla"), kLinhaDupla);
    m_htmlAlternativas.clear();
    m_htmlConjugacao.clear();
    if (Eventos.Historico)
        Eventos.Historico(html);
    MostraConteudo(html);
}

void CBrowser::MostraHtmlLista(const QString& html)
{
    m_semVerbete = true;
    m_htmlAlternativas.clear();
    m_htmlConjugacao.clear();
    MostraConteudo(html);
}

void CBrowser::ListaAlternativas(const QString& alternativas, const QString& conjugacao)
{
    if (m_estado == ModeloCarregando) {
        m_htmlAlternativas = alternativas;
        m_htmlConjugacao = conjugacao;
        return;
    }
    if (m_estado != ModeloPronto)
        return;
    m_htmlAlternativas = alternativas;
    m_htmlConjugacao = conjugacao;
    const bool temAlternativas = !alternativas.trimmed().isEmpty();
    const bool temConjugacao = !conjugacao.trimmed().isEmpty();
    if (temAlternativas)
        m_documento.DefineHtml(QStringLiteral("ListaAlternativas"),
                               QStringLiteral("<span id='vAlternativa'>") + alternativas + QStringLiteral("</span>"));
    if (temConjugacao)
        m_documento.DefineHtml(QStringLiteral("ListaConjugacao"),
                               QStringLiteral("<span id='vAlternativa'>") + conjugacao + QStringLiteral("</span>"));
    if (temAlternativas && temConjugacao)
        m_documento.DefineHtml(QStringLiteral("ListaEspaco"), TabelaStrings::Texto(TabelaStrings::SeparadorCaixa));
}

void CBrowser::MostrarListaAlternativa(bool visivel)
{
    m_caixaVisivel = visivel;
    m_documento.DefineVisivel(kCaixa, visivel);
}

bool CBrowser::Navegacao(const QString& endereco)
{
    if (!endereco.endsWith(u'?') && !EhModelo(endereco)) {
        m_estado = PaginaSimples;
        m_caixaVisivel = false;
        if (Eventos.HistPagina)
            Eventos.HistPagina(endereco);
    }
    return true;
}

void CBrowser::LinkClicado(const QString& endereco)
{
    const LinkPagina link = LinkPagina::Interpreta(endereco);
    if (link.tipo != LinkPagina::Nenhum && Eventos.ExecComando)
        Eventos.ExecComando(link);
}

void CBrowser::DocumentoCompleto()
{
    if (m_estado != ModeloCarregando)
        return;
    if (!m_htmlConteudo.isEmpty()) {
        m_documento.DefineHtml(kArea, TabelaStrings::Texto(TabelaStrings::CaixaLateral) + m_htmlConteudo);
        m_caixaVisivel = false;
        if (m_marcaAtiva && !m_semVerbete && TemBusca())
            MarcarTexto();
        if (Eventos.Carregado)
            Eventos.Carregado();
    }
    m_estado = ModeloPronto;
    ListaAlternativas(m_htmlAlternativas, m_htmlConjugacao);
    if (!m_htmlAlternativas.isEmpty() || !m_htmlConjugacao.isEmpty())
        MostrarListaAlternativa(true);
}

void CBrowser::AlteraModelo(int modo)
{
    if (modo < 0 || modo > 2)
        return;
    m_arquivoModelo = QStringLiteral("f%1.htm").arg(modo + 1);
    if (m_estado == PaginaSimples)
        return;
    m_estado = ModeloCarregando;
    m_modoVisual = modo;
    m_documento.Navega(QDir(m_pasta).filePath(m_arquivoModelo));
}

QString CBrowser::ObtemVisualNome(int indice) const
{
    QString nome = QStringLiteral("BTNVISUAL%1").arg(indice);
    const bool selecionado = m_botaoVisual != 0 ? m_botaoVisual == indice : m_modoVisual == indice - 1;
    if (selecionado)
        nome += QStringLiteral("SELECIONADO");
    return nome;
}

void CBrowser::Imprimir()
{
    // The print shows the conjugation but never the list of homonyms.
    const bool mudou = m_estado == ModeloPronto && m_caixaVisivel;
    if (mudou) {
        m_documento.DefineHtml(kArea, TabelaStrings::Texto(TabelaStrings::CaixaLateral) + m_htmlConteudo);
        if (!m_htmlConjugacao.trimmed().isEmpty()) {
            m_documento.DefineHtml(QStringLiteral("ListaConjugacao"), QStringLiteral("<span id='vAlternativa'>") +
                                                                          m_htmlConjugacao + QStringLiteral("</span>"));
            m_documento.DefineVisivel(kCaixa, true);
        }
    }
    m_documento.Imprime();
    if (mudou) {
        // Put the screen back as it was: the entry, its box, its marks.
        m_documento.DefineHtml(kArea, TabelaStrings::Texto(TabelaStrings::CaixaLateral) + m_htmlConteudo);
        if (m_marcaAtiva && !m_semVerbete && TemBusca())
            MarcarTexto();
        ListaAlternativas(m_htmlAlternativas, m_htmlConjugacao);
        m_documento.DefineVisivel(kCaixa, true);
    }
}

void CBrowser::AbreWeb() { m_documento.AbreExterno(EnderecoWeb); }

void CBrowser::PalavraBusca(const QString& palavra, const QString& iniciada, const QString& terminada)
{
    m_palavraBusca = palavra;
    m_buscaIniciada = iniciada;
    m_buscaTerminada = terminada;
}

void CBrowser::DefineCorPalavraEncontrada(quint32 fundo, quint32 texto)
{
    m_corFundo = CorHtml(fundo);
    m_corTexto = CorHtml(texto);
}

QString CBrowser::CorHtml(quint32 corBGR)
{
    const quint32 r = corBGR & 0xFF, g = (corBGR >> 8) & 0xFF, b = (corBGR >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QChar(u'0'))
        .arg(g, 2, 16, QChar(u'0'))
        .arg(b, 2, 16, QChar(u'0'))
        .toUpper();
}

bool CBrowser::TemBusca() const
{
    return !m_palavraBusca.isEmpty() || !m_buscaIniciada.isEmpty() || !m_buscaTerminada.isEmpty();
}

void CBrowser::MarcarTexto()
{
    QStringList palavras;
    if (m_buscaIniciada.isEmpty() && m_buscaTerminada.isEmpty())
        palavras = m_palavraBusca.split(u' ', Qt::SkipEmptyParts);
    m_documento.Marca(palavras, m_buscaIniciada, m_buscaTerminada, m_corFundo, m_corTexto);
}
