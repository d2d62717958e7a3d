#include "PeleJanela.h"

#include "BotaoImagem.h"

#include <QWidget>
#include <QWindow>
#include <array>

namespace {

constexpr qint32 kNormal = 0;

struct BotaoInicial {
    const char* nome;
    const char* figura;
};

// Every skinned button, with its picture at start.
constexpr std::array<BotaoInicial, 10> kSkin = {{
    {"btAnterior", "BTNSETAESQUERDA"},
    {"btProximo", "BTNSETADIREITA"},
    {"btCasa", "BTNCASA"},
    {"imgMin", "BTNMINIMIZAR"},
    {"imgMax", "BTNMAXIMIZAR"},
    {"imgClose", "BTNFECHAR"},
    {"imgNota", "BTNLAPIS"},
    {"imgPrinter", "BTNPRINTER"},
    {"imgArquivo", "BTNARQUIVO"},
    {"imgAjuda", "BTNAJUDA"},
}};

const std::array<const char*, 3> kVisuais = {"btVisual1", "btVisual2", "btVisual3"};

} // namespace

PeleJanela::PeleJanela(QWidget* janela, std::function<qint32()> estadoJanela)
    : QObject(janela), m_janela(janela), m_estadoJanela(estadoJanela), m_controle(estadoJanela)
{
    // The drag area lies under everything else in the header.
    BotaoImagem* mover = Cria(QStringLiteral("imgMove"), QString(), false);
    connect(mover, &BotaoImagem::Pressionado, this, &PeleJanela::IniciaMovimento);

    for (const BotaoInicial& c : kSkin)
        m_controle.Registra(Cria(QString::fromLatin1(c.nome), QString::fromLatin1(c.figura), true));
    for (int i = 0; i < 3; ++i)
        Cria(QString::fromLatin1(kVisuais[i]), FiguraVisual(i + 1, 0), true);

    BotaoImagem* alca = Cria(QStringLiteral("ImgResize"), QStringLiteral("RESIZE"), false);
    alca->setCursor(Qt::SizeFDiagCursor);
    connect(alca, &BotaoImagem::Pressionado, this, &PeleJanela::IniciaRedimensionamento);

    for (BotaoImagem* b : {mover, alca}) {
        connect(b, &BotaoImagem::Arrastado, this, &PeleJanela::Acompanha);
        connect(b, &BotaoImagem::Solto, this, [this] { m_arrasto = Arrasto::Nenhum; });
    }

    m_controle.Eventos.RedesenhaVisuais = [this] { RedesenhaVisuais(); };
    m_controle.Eventos.Clique = [this](BotaoPele& b) {
        if (AoClicar)
            AoClicar(b.Nome());
    };
}

BotaoImagem* PeleJanela::Cria(const QString& nome, const QString& figura, bool skin)
{
    auto* b = new BotaoImagem(nome, figura, m_janela);
    // The drag area and the grip pass the pointer's moves on to the window,
    // for which they are bare background.
    if (skin)
        b->DefineControle(&m_controle);
    m_botoes[nome] = b;
    return b;
}

BotaoImagem* PeleJanela::Botao(const QString& nome) const
{
    const auto it = m_botoes.find(nome);
    return it == m_botoes.end() ? nullptr : it->second;
}

QString PeleJanela::FiguraVisual(int botao, int modoAtivo)
{
    return QStringLiteral("BTNVISUAL") + QString::number(botao) +
           (botao == modoAtivo + 1 ? ControleBotoes::SufixoSelecionado : QString());
}

void PeleJanela::RedesenhaVisuais()
{
    const int modo = ModoVisualAtivo ? ModoVisualAtivo() : 0;
    for (int i = 0; i < 3; ++i)
        Botao(QString::fromLatin1(kVisuais[i]))->CarregaFigura(FiguraVisual(i + 1, modo));
}

void PeleJanela::Posiciona(const Disposicao& d)
{
    const std::pair<const char*, QRect> lugares[] = {
        {"imgMove", d.imgMove},       {"imgArquivo", d.imgArquivo}, {"imgAjuda", d.imgAjuda},
        {"imgMin", d.imgMin},         {"imgMax", d.imgMax},         {"imgClose", d.imgClose},
        {"btAnterior", d.btAnterior}, {"btProximo", d.btProximo},   {"btCasa", d.btCasa},
        {"btVisual1", d.btVisual[0]}, {"btVisual2", d.btVisual[1]}, {"btVisual3", d.btVisual[2]},
        {"imgPrinter", d.imgPrinter}, {"imgNota", d.imgNota},       {"ImgResize", d.ImgResize},
    };
    for (const auto& [nome, lugar] : lugares)
        Botao(QString::fromLatin1(nome))->setGeometry(lugar);
    Botao(QStringLiteral("imgMove"))->lower();
    Botao(QStringLiteral("ImgResize"))->raise();
}

void PeleJanela::DefineDica(const QString& controle, const QString& texto)
{
    if (BotaoImagem* b = Botao(controle))
        b->setToolTip(texto);
}

void PeleJanela::DefineFiguraMaximizar(const QString& bitmap)
{
    Botao(QStringLiteral("imgMax"))->CarregaFigura(bitmap);
}

void PeleJanela::MostraAlca(bool visivel) { Botao(QStringLiteral("ImgResize"))->setVisible(visivel); }

void PeleJanela::OcultaBotoesVerbete(bool ocultar)
{
    for (const char* nome : {"imgNota", "imgPrinter", "btVisual1", "btVisual2", "btVisual3"})
        Botao(QString::fromLatin1(nome))->setVisible(!ocultar);
}

void PeleJanela::IniciaMovimento(QPoint global)
{
    if (m_estadoJanela() != kNormal)
        return;
    QWindow* janela = m_janela->windowHandle();
    m_arrasto = Arrasto::Nenhum;
    if (janela && janela->startSystemMove())
        return;
    m_arrasto = Arrasto::Mover;
    m_inicioGlobal = global;
    m_geometriaInicial = m_janela->geometry();
}

void PeleJanela::IniciaRedimensionamento(QPoint global)
{
    QWindow* janela = m_janela->windowHandle();
    m_arrasto = Arrasto::Nenhum;
    if (janela && janela->startSystemResize(Qt::BottomEdge | Qt::RightEdge))
        return;
    m_arrasto = Arrasto::Redimensionar;
    m_inicioGlobal = global;
    m_geometriaInicial = m_janela->geometry();
}

void PeleJanela::Acompanha(QPoint global)
{
    const QPoint delta = global - m_inicioGlobal;
    if (m_arrasto == Arrasto::Mover) {
        m_janela->move(m_geometriaInicial.topLeft() + delta);
    } else if (m_arrasto == Arrasto::Redimensionar) {
        const QSize tamanho = LayoutJanela::AjustaMinimo(m_geometriaInicial.size() + QSize(delta.x(), delta.y()));
        m_janela->resize(tamanho);
    }
}
