#include "CicloJanela.h"

#include "CConfig.h"
#include "JanelaPrincipal.h"
#include "NumeroConfig.h"
#include "TabelaStrings.h"
#include "ValorConfig.h"

#include <QDir>
#include <array>
#include <limits>

namespace {

using namespace ValoresConfig;

struct Dica {
    const char* controle;
    int texto;
};

constexpr std::array<Dica, 8> kDicas = {{
    {"btCasa", TabelaStrings::DicaPaginaInicial},
    {"btAnterior", TabelaStrings::DicaVoltar},
    {"btProximo", TabelaStrings::DicaAvancar},
    {"btVisual1", TabelaStrings::DicaModoCompleto},
    {"btVisual2", TabelaStrings::DicaModoReduzido},
    {"btVisual3", TabelaStrings::DicaModoDicionario},
    {"imgPrinter", TabelaStrings::DicaImprimir},
    {"imgNota", TabelaStrings::DicaNota},
}};

constexpr qint64 kMaximo16 = std::numeric_limits<qint16>::max();
constexpr qint64 kMinimo16 = std::numeric_limits<qint16>::min();
constexpr qint64 kMaximo32 = std::numeric_limits<qint32>::max();
constexpr qint64 kMinimo32 = std::numeric_limits<qint32>::min();
constexpr qint64 kCorMaxima = 0xFFFFFF;

qint16 Inteiro16(const QString& texto, qint16 padrao)
{
    return static_cast<qint16>(NumeroConfig::InteiroOu(texto, padrao, kMinimo16, kMaximo16));
}

} // namespace

CicloJanela::CicloJanela(JanelaPrincipal& janela) : m_janela(janela) { }

bool CicloJanela::ModoDebug(const QStringList& argumentos) { return argumentos.join(u' ') == u"MODODEBUG"; }

qint16 CicloJanela::FormaApresentacao(CConfig& config)
{
    return Inteiro16(config.Le(ValoresConfig::FormaApresentacao), 0);
}

QString CicloJanela::PastaNotasPadrao(const QString& pastaDados)
{
    return QDir(pastaDados).filePath(QStringLiteral("notas"));
}

void CicloJanela::AtualizaInstalacao(CConfig& config, const QString& pastaDados)
{
    const QString maquina = config.Le(InstalacaoMaquina);
    const QString usuario = config.Le(InstalacaoUsuario);
    if (maquina == usuario)
        return;
    config.Grava(DirNotas, PastaNotasPadrao(pastaDados));
    config.Grava(InstalacaoUsuario, maquina);
}

CicloJanela::Carga CicloJanela::Carrega(const QStringList& argumentos)
{
    if (m_janela.OutraInstanciaAtiva())
        return Carga::OutraInstancia;
    m_janela.AplicaFundoETitulo();
    if (!m_janela.AbreMotor()) {
        m_janela.MostraErroFatal(TabelaStrings::Texto(TabelaStrings::ErroDados),
                                 TabelaStrings::Texto(TabelaStrings::TituloMensagens));
        return Carga::SemDados;
    }
    m_janela.CriaListas();
    m_janela.InicializaConfig();
    CConfig& config = m_janela.Config();

    const QStringList informacoes = m_janela.InformacoesMotor().split(u'|');
    m_janela.DefineNomeEmpresa(informacoes.value(1));
    const QString pasta = m_janela.PastaDados();
    AtualizaInstalacao(config, pasta);

    m_janela.PosicionaListasIniciais();
    m_janela.InicializaListas();
    m_filtroInstalado = !ModoDebug(argumentos);
    if (m_filtroInstalado)
        m_janela.InstalaFiltroJanela();
    m_janela.CriaComponentes();
    m_janela.InicializaNotas(config.Le(DirNotas, PastaNotasPadrao(pasta)));
    m_janela.PreparaPesquisa(TabelaStrings::Texto(TabelaStrings::NenhumaPesquisa));
    config.CarregaSituacao();

    m_janela.DefineTempoTip(static_cast<int>(NumeroConfig::InteiroOu(config.Le(TempoTip), 6, 0, kMaximo16)));
    const auto cor = [&](const ValorConfig& valor, qint64 padrao) {
        return static_cast<quint32>(NumeroConfig::InteiroOu(config.Le(valor), padrao, 0, kCorMaxima));
    };
    m_janela.DefineCoresMarca(cor(MarcaCorFundo, 65535), cor(MarcaCorTexto, 0));
    for (size_t n = 0; n < HistTit.size(); ++n) {
        const QString titulo = config.Le(HistTit[n]);
        const auto id = static_cast<qint32>(NumeroConfig::InteiroOu(config.Le(HistID[n]), 0, kMinimo32, kMaximo32));
        m_janela.AdicionaBuscaAnterior(titulo, id);
    }
    m_janela.AlteraFonteListas(Inteiro16(config.Le(FonteLista), 0));
    m_janela.AlteraModelo(FormaApresentacao(config));
    for (const Dica& d : kDicas)
        m_janela.DefineDica(QString::fromLatin1(d.controle), TabelaStrings::Texto(d.texto));
    m_janela.PosicionaControles();

    m_primeiraAtivacao = true;
    m_carregada = true;
    return Carga::Pronta;
}

void CicloJanela::Ativa()
{
    if (!m_primeiraAtivacao)
        return;
    // Cleared first: the steps below may activate the window again.
    m_primeiraAtivacao = false;
    if (m_janela.Config().Le(ModoBusca) == u"1")
        m_janela.AbreBuscaAvancada();
    m_janela.Repinta();
    m_janela.MostraPagina(QDir(m_janela.PastaPrograma()).filePath(QStringLiteral("h.htm")));
    m_janela.OcultaBotoesVerbete(true);
    m_janela.SelecionaLista(1);
    m_janela.SelecionaLetra(QStringLiteral("A"));
    m_janela.ListaLetra(QStringLiteral("a"));
    m_janela.DesmarcaLista();
    m_janela.LeNotas();
}

void CicloJanela::Fecha()
{
    if (!m_carregada)
        return;
    m_janela.FinalizaLista();
    m_janela.LiberaMotor();
}

void CicloJanela::Descarrega()
{
    if (!m_carregada || m_descarregada)
        return;
    m_descarregada = true;
    if (m_filtroInstalado) {
        m_janela.RemoveFiltroJanela();
        m_filtroInstalado = false;
    }
    CConfig& config = m_janela.Config();
    config.GravaSituacao();
    config.Grava(ModoBusca, m_janela.BuscaAvancadaAberta() ? QStringLiteral("1") : QStringLiteral("0"));
    m_janela.GravaBuscasAnteriores();
    m_janela.SalvaNota();
}
