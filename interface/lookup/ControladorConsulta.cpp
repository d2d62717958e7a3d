#include "ControladorConsulta.h"

#include "CBrowser.h"
#include "CList.h"
#include "ConsultaFlexoes.h"
#include "JanelaConsulta.h"
#include "ListaAlternativas.h"
#include "MotorDicionario.h"
#include "TabelaChaves.h"
#include "TabelaStrings.h"
#include "UtilTexto.h"

#include <QDir>
#include <QFileInfo>
#include <exception>

namespace {

// Marks a clicked word may carry after it in running text.
const QString kPontuacaoFinal = QStringLiteral(".:,/?!;])([");

} // namespace

ControladorConsulta::ControladorConsulta(Partes partes) : m(std::move(partes))
{
    tmrBusca.setInterval(IntervaloBusca);
    tmrBusca.setSingleShot(true);
    connect(&tmrBusca, &QTimer::timeout, this, &ControladorConsulta::tmrBusca_Timer);
    tmrLista.setInterval(IntervaloLista);
    tmrLista.setSingleShot(true);
    connect(&tmrLista, &QTimer::timeout, this, &ControladorConsulta::tmrLista_Timer);
    tmrComandoBrowser.setInterval(1);
    tmrComandoBrowser.setSingleShot(true);
    connect(&tmrComandoBrowser, &QTimer::timeout, this, &ControladorConsulta::tmrComandoBrowser_Timer);
}

void ControladorConsulta::Para()
{
    tmrBusca.stop();
    tmrLista.stop();
    tmrComandoBrowser.stop();
}

void ControladorConsulta::ExibeVerbete(qint32 id, QString palavra, bool registra, bool sincroniza)
{
    if (id < 0) {
        m.janela.MostraAguarde(false);
        return;
    }
    MotorDicionario* motor = m.motor();
    if (!motor)
        return;
    m_pedido = id;
    m.janela.MostraAguarde(true);
    try {
        QString html;
        qint32 idMotor = id;
        const QString bruto = motor->ObtemVerbete(idMotor, html, TabelaChaves::global().chave(id));
        const QString erro = motor->ObtemUltimoErro();
        if (palavra.isEmpty())
            palavra = limpaVerbete(bruto);
        m.janela.ProcessaEventos();
        if (!Atual(id))
            return;
        if (html.isEmpty()) {
            // A damaged entry is said to be one; an id with no entry leaves
            // the page as it is.
            if (!erro.isEmpty())
                MostraErroMotor(erro);
            m.janela.MostraAguarde(false);
            return;
        }

        m.browser.MostraVerbete(html);
        m.janela.OcultaBotoesVerbete(false);
        m.janela.VerificaVerbete(id);

        if (registra) {
            QString busca, iniciada, terminada;
            // A replay marks what this showing marked: the search of the
            // results list, or the typed word and its forms.
            if (!m.janela.ListaAlfabeticaVisivel())
                m.lista2.getPalavraBusca(busca, iniciada, terminada);
            else
                busca = m.browser.PalavraBuscada();
            m.janela.RegistraHistorico(palavra, id, busca, iniciada, terminada);
        }
        m.janela.ProcessaEventos();
        if (!Atual(id))
            return;

        if (!m.janela.ListaAlfabeticaVisivel() && m.lista2.ObtemPoslista() != id) {
            if (!m.lista2.SelecionaItemID(id))
                m.janela.MostraListaAlfabetica();
            else
                m.lista.DesmarcaLista();
        }
        if (sincroniza && m.janela.ListaAlfabeticaVisivel()) {
            const QString chave = NormalizaPalavra(palavra);
            if (!chave.isEmpty() && chave.left(1).toLower() != m.lista.ObtemLetraAtual().toLower()) {
                m.janela.SelecionaLetra(chave.left(1).toUpper());
                m.lista.ListaLetra(palavra.left(1).toLower(), id);
                m.lista2.DesmarcaLista();
            } else if (m.lista.ObtemPoslista() != id) {
                m.lista.SelecionaItem(id);
                m.lista2.DesmarcaLista();
            }
        }

        const QString alternativas = MontaListaAlternativas(*motor, palavra, id);
        m.janela.ProcessaEventos();
        if (!Atual(id))
            return;

        const QString conjugacao = ConjugacaoDoVerbete(*motor, id, bruto);
        if (alternativas.isEmpty() && conjugacao.isEmpty()) {
            m.browser.MostrarListaAlternativa(false);
        } else {
            m.browser.ListaAlternativas(alternativas, conjugacao);
            m.browser.MostrarListaAlternativa(true);
        }
        emit VerbeteExibido(id, palavra);
    } catch (const std::exception&) {
        // One way out of any failure: a fresh engine, nothing more of the flow.
        m.janela.ReiniciaMotor();
    }
}

void ControladorConsulta::MarcaBuscaDigitada(const QString& texto, qint32 id)
{
    // What was typed, and each form of it, is marked in the entry it opens;
    // so is the headword when the typed word reached it in another spelling
    // (ação opening acção), but not when it only begins it.
    MotorDicionario* motor = m.motor();
    QString marcas = motor ? ExpandeFlexoes(*motor, texto) : texto;
    if (motor && id >= 0) {
        QString html;
        const QString titulo = limpaVerbete(motor->ObtemVerbete(id, html, 0));
        const QString chave = NormalizaPalavra(titulo);
        if (!chave.isEmpty() && !chave.startsWith(NormalizaPalavra(texto)))
            marcas += u' ' + titulo;
    }
    m.browser.PalavraBusca(marcas, QString(), QString());
}

void ControladorConsulta::LocalizaNaLista(const QString& texto)
{
    MotorDicionario* motor = m.motor();
    if (!motor)
        return;
    m.janela.MostraAguarde(true);
    const QString t = texto.trimmed();
    if (t.isEmpty()) {
        m.browser.PalavraBusca(QString(), QString(), QString());
        m.lista.SelecionaItem(-1);
        m.lista.Executa();
        return;
    }
    qint32 id = motor->LocalizaPalavra(t);
    const qint32 idInteira = id;
    // Shorter and shorter beginnings, down to two characters.
    for (qsizetype n = t.size(); id < 0 && n >= 2; --n)
        id = motor->LocalizaPalavra(t.left(n));
    if (id < 0) {
        m.janela.MostraAguarde(false);
        return;
    }
    MarcaBuscaDigitada(t, idInteira);
    ExibeVerbete(id, QString(), true, true);
}

void ControladorConsulta::ConfirmaEntrada(const QString& texto)
{
    tmrBusca.stop();
    if (!m.janela.PodeLocalizar()) {
        m.janela.ProcessaPesquisa();
        return;
    }
    if (texto.isEmpty())
        return;
    MotorDicionario* motor = m.motor();
    if (!motor)
        return;
    qint32 id = motor->LocalizaPalavra(texto);
    if (id == -1) {
        m.janela.ProcessaPesquisa();
        return;
    }
    QString html;
    const QString titulo = limpaVerbete(motor->ObtemVerbete(id, html, 0));
    if (titulo.left(texto.size()).toLower() == texto.toLower())
        LocalizaNaLista(texto);
    else
        m.janela.ProcessaPesquisa();
}

void ControladorConsulta::TextoDigitado(const QString& texto)
{
    m_textoBusca = texto;
    if (m.janela.PodeLocalizar())
        tmrBusca.start();
}

void ControladorConsulta::tmrBusca_Timer()
{
    tmrBusca.stop();
    LocalizaNaLista(m_textoBusca);
}

void ControladorConsulta::MovimentoTeclado()
{
    m_movimentoTeclado = true;
    tmrLista.start();
}

void ControladorConsulta::MostraErroMotor(const QString& erro)
{
    m.browser.MostraLista(TabelaStrings::PaginaErroMotor, {QStringLiteral("1"), erro});
}

void ControladorConsulta::lista_SelecionaItem()
{
    tmrLista.start();
    m.lista2.DesmarcaLista();
}

void ControladorConsulta::lista2_SelecionaItem()
{
    QString busca, iniciada, terminada;
    m.lista2.getPalavraBusca(busca, iniciada, terminada);
    m.browser.PalavraBusca(busca, iniciada, terminada);
    tmrLista.start();
    m.lista.DesmarcaLista();
}

void ControladorConsulta::tmrLista_Timer()
{
    tmrLista.stop();
    const bool alfabetica = m.janela.ListaAlfabeticaVisivel();
    if (alfabetica && !m_movimentoTeclado && m.lista.ObtemPoslista() != m_pedido)
        m.browser.PalavraBusca(QString(), QString(), QString()); // a new choice, not the typed word
    if (alfabetica)
        ExibeVerbete(m.lista.ObtemPoslista(), QString(), true, !m_movimentoTeclado);
    else
        ExibeVerbete(m.lista2.ObtemPoslista(), QString(), !m_movimentoTeclado, true);
    m_movimentoTeclado = false;
}

void ControladorConsulta::ComandoBrowser(const LinkPagina& link)
{
    // The page's click handler returns first; the command runs after.
    m_comando = link;
    tmrComandoBrowser.start();
}

void ControladorConsulta::tmrComandoBrowser_Timer()
{
    tmrComandoBrowser.stop();
    switch (m_comando.tipo) {
    case LinkPagina::Verbete: ExibeVerbete(m_comando.id, QString(), true, true); break;
    case LinkPagina::Palavra: ConsultaPalavraClicada(m_comando.palavra); break;
    case LinkPagina::Voltar: m.janela.VoltaHistorico(); break;
    case LinkPagina::Nenhum: break;
    }
}

void ControladorConsulta::ConsultaPalavraClicada(QString palavra)
{
    MotorDicionario* motor = m.motor();
    if (!motor)
        return;
    if (palavra.trimmed().endsWith(u'.')) {
        // A label such as "n.%20p." names its abbreviation with spaces.
        QString abreviatura = palavra.trimmed();
        QString e = motor->ObtemAbreviatura(abreviatura);
        if (e.isEmpty() && palavra.contains(QStringLiteral("%20"))) {
            abreviatura = palavra.trimmed().replace(QStringLiteral("%20"), QStringLiteral(" "));
            e = motor->ObtemAbreviatura(abreviatura);
        }
        if (!e.isEmpty()) {
            e.chop(1);
            e.replace(u'|', QStringLiteral("\r\n"));
            m.janela.MostraDicaAbreviatura(e);
            return;
        }
    }
    if (!palavra.isEmpty()) {
        const qsizetype espaco = palavra.indexOf(QStringLiteral("%20"));
        if (espaco >= 0)
            palavra = palavra.left(espaco);
        else if (kPontuacaoFinal.contains(palavra.back()))
            palavra.chop(1);
    }
    QString lista;
    if (palavra.isEmpty() || motor->PesquisaPalavra(palavra, 0, lista) < 1)
        return;
    tmrLista.stop();
    m.janela.OcultaBotoesVerbete(true);
    m.browser.PalavraBusca(QString(), QString(), QString());
    m.janela.PesquisaFlexivel(palavra);
}

void ControladorConsulta::Inicio()
{
    const QDir pasta(m.pastaPrograma);
    const QString principal = pasta.filePath(QStringLiteral("manual/principal.htm"));
    m.browser.MostraPagina(QFileInfo::exists(principal) ? principal : pasta.filePath(QStringLiteral("h.htm")));
    m.janela.VerificaVerbete(-1);
    if (m.janela.ListaAlfabeticaVisivel())
        m.lista.DesmarcaLista();
    else
        m.lista2.DesmarcaLista();
    m.janela.OcultaBotoesVerbete(true);
}

void ControladorConsulta::EscolheLetra(const QString& letra)
{
    m.janela.MostraListaAlfabetica();
    m.lista.ListaLetra(letra, -1);
    m.browser.PalavraBusca(QString(), QString(), QString());
    ExibeVerbete(m.lista.ObtemPoslista(), QString(), true, true);
}
