#include "ControleBotoes.h"

#include <array>

namespace {

constexpr qint32 kMaximizada = 2;

// The buttons a reset visits, in this order.
constexpr std::array<const char*, 10> kOrdem = {"btAnterior", "btProximo", "btCasa",     "imgMin",   "imgMax",
                                                "imgClose",   "imgNota",   "imgPrinter", "imgAjuda", "imgArquivo"};

struct Base {
    const char* controle; // lower case
    const char* figura;
};

constexpr std::array<Base, 9> kBases = {{
    {"btanterior", "BTNSETAESQUERDA"},
    {"btproximo", "BTNSETADIREITA"},
    {"btcasa", "BTNCASA"},
    {"imgmin", "BTNMINIMIZAR"},
    {"imgclose", "BTNFECHAR"},
    {"imgnota", "BTNLAPIS"},
    {"imgprinter", "BTNPRINTER"},
    {"imgarquivo", "BTNARQUIVO"},
    {"imgajuda", "BTNAJUDA"},
}};

bool EhMaximizar(const QString& controle) { return controle.compare(u"imgmax", Qt::CaseInsensitive) == 0; }

} // namespace

ControleBotoes::ControleBotoes(std::function<qint32()> estadoJanela) : m_estadoJanela(std::move(estadoJanela)) { }

void ControleBotoes::Registra(BotaoPele* botao)
{
    if (botao && !Busca(botao->Nome()))
        m_botoes.push_back(botao);
}

BotaoPele* ControleBotoes::Busca(const QString& nome) const
{
    for (BotaoPele* b : m_botoes)
        if (b->Nome().compare(nome, Qt::CaseInsensitive) == 0)
            return b;
    return nullptr;
}

QString ControleBotoes::NomeBase(const QString& controle, qint32 estadoJanela)
{
    if (EhMaximizar(controle))
        return estadoJanela == kMaximizada ? QStringLiteral("BTNRESTAURAR") : QStringLiteral("BTNMAXIMIZAR");
    const QString minusculo = controle.toLower();
    for (const Base& b : kBases)
        if (minusculo == QLatin1String(b.controle))
            return QString::fromLatin1(b.figura);
    return {};
}

QString ControleBotoes::FiguraMenu(const QString& controle)
{
    const QString minusculo = controle.toLower();
    if (minusculo == u"imgarquivo")
        return QStringLiteral("BTNARQUIVOMENU");
    if (minusculo == u"imgajuda")
        return QStringLiteral("BTNAJUDAMENU");
    return {};
}

void ControleBotoes::MarcarBotao(BotaoPele* botao, int botoesMouse)
{
    if (Eventos.RedesenhaVisuais)
        Eventos.RedesenhaVisuais();
    // While a button is held (a press, a drag) nothing lights up.
    if (!botao || botoesMouse != 0)
        return;
    DesmarcarBotoes(botao);
    const QString base = NomeBase(botao->Nome(), m_estadoJanela());
    if (!base.isEmpty() && botao->Tag().toLower() != Selecionado) {
        botao->CarregaFigura(base + SufixoSelecionado);
        botao->DefineTag(Selecionado);
    }
}

void ControleBotoes::DesmarcarBotoes(const BotaoPele* exceto)
{
    const qint32 estado = m_estadoJanela();
    for (const char* nome : kOrdem) {
        BotaoPele* b = Busca(QString::fromLatin1(nome));
        if (!b || b->Tag().isEmpty())
            continue;
        if (exceto && exceto->Nome().compare(b->Nome(), Qt::CaseInsensitive) == 0)
            continue;
        b->DefineTag(QString());
        b->CarregaFigura(NomeBase(b->Nome(), estado));
    }
}

void ControleBotoes::Pressiona(BotaoPele* botao)
{
    if (!botao)
        return;
    // The maximize button keeps its state and only drops the highlight.
    if (EhMaximizar(botao->Nome())) {
        botao->CarregaFigura(NomeBase(botao->Nome(), m_estadoJanela()));
        return;
    }
    DesmarcarBotoes();
}

void ControleBotoes::Solta(BotaoPele* botao, double x, double y)
{
    if (!botao)
        return;
    const QSize t = botao->Tamanho();
    if (x < 0 || y < 0 || x > t.width() || y > t.height())
        return;
    if (Eventos.Clique)
        Eventos.Clique(*botao);
}

void ControleBotoes::MostraMenuAberto(BotaoPele* botao)
{
    if (!botao)
        return;
    DesmarcarBotoes();
    const QString figura = FiguraMenu(botao->Nome());
    if (figura.isEmpty())
        return;
    botao->CarregaFigura(figura);
    botao->DefineTag(Selecionado);
}
