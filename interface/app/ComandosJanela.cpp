#include "ComandosJanela.h"

#include "AreaConsulta.h"
#include "AtalhosJanela.h"
#include "BotaoImagem.h"
#include "CConfig.h"
#include "ModeloConfig.h"
#include "PeleJanela.h"
#include "frmMain.h"
#include "frmMenu.h"

#include <QAction>
#include <QKeySequence>

namespace {

constexpr qint32 kMaximizada = 2;

} // namespace

ComandosJanela::ComandosJanela(frmMain& janela, PeleJanela& pele) : m_janela(janela), m_pele(pele)
{
    m_pele.AoClicar = [this](const QString& controle) { Clique(controle); };
}

ComandosJanela::~ComandosJanela() = default;

void ComandosJanela::Clique(const QString& controle)
{
    ControleBotoes& botoes = m_pele.Controle();
    CConfig& config = m_janela.Config();
    if (controle == u"imgClose") {
        botoes.DesmarcarBotoes();
        m_janela.close();
    } else if (controle == u"imgMax") {
        if (config.EstadoJanela != kMaximizada) {
            m_pele.DefineFiguraMaximizar(QStringLiteral("BTNRESTAURAR"));
            config.MaximizarJanela();
        } else {
            m_pele.DefineFiguraMaximizar(QStringLiteral("BTNMAXIMIZAR"));
            config.RestaurarJanela();
        }
    } else if (controle == u"imgMin") {
        config.MinimizarJanela();
    } else if (controle == u"btCasa") {
        m_janela.Inicio();
    } else if (controle.startsWith(u"btVisual")) {
        m_janela.AlteraModelo(static_cast<qint16>(controle.right(1).toInt() - 1));
        botoes.DesmarcarBotoes();
    } else if (controle == u"imgPrinter") {
        m_janela.Consulta()->Browser().Imprimir();
    } else if (controle == u"btAnterior") {
        m_janela.Consulta()->VoltaHistorico();
    } else if (controle == u"btProximo") {
        m_janela.Consulta()->AvancaHistorico();
    } else if (controle == u"imgArquivo" || controle == u"imgAjuda") {
        AbreMenu(controle);
    }
    // imgNota: hidden until the notes exist.
}

void ComandosJanela::AbreMenu(const QString& controle)
{
    if (!m_menu) {
        m_menu = std::make_unique<frmMenu>();
        m_menu->AoEscolher = [this](const QString& item) { Comando(item); };
        for (const char* item : {"mnu_inicio", "mnu_voltar", "mnu_avancar", "mnu_completo", "mnu_resumido",
                                 "mnu_dicionario", "mnu_SiteDicionario", "mnu_sair"})
            m_menu->Habilita(QString::fromLatin1(item), true);
        // The command keys, shown beside their items; the window handles them.
        for (const char* item : {"mnu_inicio", "mnu_voltar", "mnu_avancar"}) {
            QAction* acao = m_menu->Item(QString::fromLatin1(item));
            acao->setShortcut(QKeySequence(AtalhosJanela::TeclaDoItem(acao->objectName())));
            acao->setShortcutContext(Qt::WidgetShortcut);
        }
    }
    BotaoImagem* botao = m_pele.Botao(controle);
    m_pele.Controle().MostraMenuAberto(botao);
    QMenu* menu = controle == u"imgArquivo" ? m_menu->mnu_Arquivo() : m_menu->mnu_ajuda();
    m_menu->Abre(menu, m_janela.mapToGlobal(QPoint(botao->x(), botao->y() + botao->height() + 2)));
    m_pele.Controle().DesmarcarBotoes();
}

void ComandosJanela::Comando(const QString& item)
{
    const QString palavra = ComandoMenu::DoItem(item);
    if (!palavra.isEmpty())
        Executa(palavra);
    else if (item == u"mnu_SiteDicionario")
        m_janela.Consulta()->Browser().AbreWeb();
}

void ComandosJanela::Executa(const QString& comando)
{
    ComandoMenu(*this, m_janela.Config(), Configuracao(), m_janela.PastaDados()).Executa(comando);
}

void ComandosJanela::AlteraModelo(qint16 modo) { m_janela.AlteraModelo(modo); }
void ComandosJanela::DesmarcarBotoes() { m_pele.Controle().DesmarcarBotoes(); }
void ComandosJanela::DefineCoresMarca(quint32 fundo, quint32 texto) { m_janela.DefineCoresMarca(fundo, texto); }
void ComandosJanela::AlteraFonteListas(qint16 fonte) { m_janela.AlteraFonteListas(fonte); }
void ComandosJanela::AlteraDirNotas(const QString& pasta) { m_janela.InicializaNotas(pasta); }
