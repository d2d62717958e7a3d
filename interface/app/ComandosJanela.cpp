#include "ComandosJanela.h"

#include "BotaoImagem.h"
#include "CConfig.h"
#include "PeleJanela.h"
#include "frmMain.h"
#include "frmMenu.h"

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
        // Hook: the entry view takes the mode when it composes its pages.
        m_janela.AlteraModelo(static_cast<qint16>(controle.right(1).toInt() - 1));
    } else if (controle == u"imgArquivo" || controle == u"imgAjuda") {
        AbreMenu(controle);
    }
    // btAnterior, btProximo: the history is not kept yet, so there is
    // nowhere to go. imgNota, imgPrinter: hidden until their components exist.
}

void ComandosJanela::AbreMenu(const QString& controle)
{
    if (!m_menu) {
        m_menu = std::make_unique<frmMenu>();
        m_menu->AoEscolher = [this](const QString& item) { Comando(item); };
        for (const char* item : {"mnu_inicio", "mnu_completo", "mnu_resumido", "mnu_dicionario", "mnu_sair"})
            m_menu->Habilita(QString::fromLatin1(item), true);
    }
    BotaoImagem* botao = m_pele.Botao(controle);
    m_pele.Controle().MostraMenuAberto(botao);
    QMenu* menu = controle == u"imgArquivo" ? m_menu->mnu_Arquivo() : m_menu->mnu_ajuda();
    m_menu->Abre(menu, m_janela.mapToGlobal(QPoint(botao->x(), botao->y() + botao->height() + 2)));
    m_pele.Controle().DesmarcarBotoes();
}

void ComandosJanela::Comando(const QString& item)
{
    if (item == u"mnu_sair")
        m_janela.close();
    else if (item == u"mnu_inicio")
        m_janela.Inicio();
    else if (item == u"mnu_completo" || item == u"mnu_resumido" || item == u"mnu_dicionario")
        m_janela.AlteraModelo(item == u"mnu_completo" ? 0 : item == u"mnu_resumido" ? 1 : 2);
}
