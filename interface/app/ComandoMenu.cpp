#include "ComandoMenu.h"

#include "CConfig.h"
#include "CicloJanela.h"
#include "ModeloConfig.h"
#include "ValorConfig.h"

#include <array>

namespace {

struct Par {
    const char16_t* de;
    const char16_t* para;
};

constexpr std::array<Par, 9> kBotoes = {{
    {u"avancar", u"btProximo"},
    {u"voltar", u"btAnterior"},
    {u"inicio", u"btCasa"},
    {u"imprimir", u"imgPrinter"},
    {u"nota", u"imgNota"},
    {u"verbete1", u"btVisual1"},
    {u"verbete2", u"btVisual2"},
    {u"verbete3", u"btVisual3"},
    {u"sair", u"imgClose"},
}};

constexpr std::array<Par, 8> kItens = {{
    {u"mnu_nota", u"nota"},
    {u"mnu_inicio", u"inicio"},
    {u"mnu_voltar", u"voltar"},
    {u"mnu_avancar", u"avancar"},
    {u"mnu_completo", u"verbete1"},
    {u"mnu_resumido", u"verbete2"},
    {u"mnu_dicionario", u"verbete3"},
    {u"mnu_sair", u"sair"},
}};

} // namespace

ComandoMenu::ComandoMenu(Alvo& alvo, CConfig& config, const ModeloConfig& modelo, QString pastaDados)
    : m_alvo(alvo), m_config(config), m_modelo(modelo), m_pastaDados(std::move(pastaDados))
{
}

void ComandoMenu::Executa(const QString& comando) const
{
    for (const Par& p : kBotoes)
        if (comando == p.de) {
            m_alvo.Clique(QString::fromUtf16(p.para));
            return;
        }
    using namespace ValoresConfig;
    if (comando == u"atualizarCSS") {
        m_alvo.AlteraModelo(0);
        m_alvo.DesmarcarBotoes();
    } else if (comando == u"atualizarmarca") {
        m_alvo.DefineCoresMarca(m_modelo.MarcaCorFundo, m_modelo.MarcaCorTexto);
    } else if (comando == u"atualizarlista") {
        m_alvo.AlteraFonteListas(m_modelo.FonteLista);
    } else if (comando == u"atualizagerais") {
        m_alvo.AlteraModelo(CicloJanela::FormaApresentacao(m_config));
        m_alvo.DesmarcarBotoes();
    } else if (comando == u"DirNotas") {
        // One notes folder whatever the case of its name: the one chosen at start.
        m_alvo.AlteraDirNotas(m_config.Le(DirNotas, CicloJanela::PastaNotasPadrao(m_pastaDados)));
    }
}

QString ComandoMenu::DoItem(const QString& item)
{
    for (const Par& p : kItens)
        if (item == p.de)
            return QString::fromUtf16(p.para);
    return {};
}
