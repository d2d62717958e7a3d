#include "AreaConsulta.h"

#include "AtalhosJanela.h"
#include "CList.h"
#include "LayoutJanela.h"
#include "PainelAvancado.h"
#include "SuperficieWidget.h"
#include "VisorWeb.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>
#include <limits>

namespace {

constexpr int kLarguraBotao = 26;
constexpr int kIntervaloTip = 300;

// The search button's magnifier, drawn in the skin's colours.
QIcon IconeLupa()
{
    QPixmap figura(18, 18);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(52, 82, 104), 2.0));
    p.drawEllipse(QRectF(2.5, 2.5, 9.0, 9.0));
    p.setPen(QPen(QColor(52, 82, 104), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.6, 10.6), QPointF(15.5, 15.5));
    return QIcon(figura);
}

} // namespace

AreaConsulta::AreaConsulta(Ligacoes ligacoes) : m(std::move(ligacoes)), m_browser(m_documento, m.pastaPrograma)
{
    txtEntrada = new QLineEdit(m.janela);
    txtEntrada->setObjectName(QStringLiteral("txtEntrada"));
    txtEntrada->setPlaceholderText(QStringLiteral("Digite uma palavra"));
    txtEntrada->setAccessibleName(QStringLiteral("Palavra procurada"));
    txtEntrada->setMaxLength(200);
    txtEntrada->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid rgb(142, 166, 184); border-radius: 3px; padding: 1px 5px;"
                       " background: white; color: rgb(38, 52, 64); selection-background-color: rgb(141, 181, 211); }"
                       "QLineEdit:focus { border-color: rgb(52, 82, 104); }"));

    btBuscar = new QToolButton(m.janela);
    btBuscar->setObjectName(QStringLiteral("btBuscar"));
    btBuscar->setIcon(IconeLupa());
    btBuscar->setToolTip(QStringLiteral("Buscar"));
    btBuscar->setAccessibleName(QStringLiteral("Buscar"));
    btBuscar->setAutoRaise(true);
    btBuscar->setFocusPolicy(Qt::NoFocus);
    connect(btBuscar, &QToolButton::clicked, this, [this] { ProcessaPesquisa(); });

    picTipAbrev = new QLabel(m.janela);
    picTipAbrev->setObjectName(QStringLiteral("picTipAbrev"));
    picTipAbrev->setStyleSheet(QStringLiteral("color: rgb(12, 102, 154); background: rgb(255, 255, 225);"
                                              "border: 1px solid rgb(142, 166, 184); padding: 3px;"));
    picTipAbrev->setMouseTracking(true);
    picTipAbrev->installEventFilter(this);
    picTipAbrev->hide();
    tmrTip.setInterval(kIntervaloTip);
    connect(&tmrTip, &QTimer::timeout, this, &AreaConsulta::tmrTip_Timer);

    m_controlador = std::make_unique<ControladorConsulta>(
        ControladorConsulta::Partes{*this, m_browser, *m.lista, *m.lista2, m.motor, m.pastaPrograma});
    AreaPesquisa::Partes pesquisa{m.janela,
                                  txtEntrada,
                                  m.lblDescricaoPesquisa,
                                  &m_browser,
                                  m.lista,
                                  m.lista2,
                                  this,
                                  m.motor,
                                  [this] { m_controlador->ParaBusca(); },
                                  m.selecionaLista,
                                  m.posiciona,
                                  [this](qint32 id) { m_controlador->ExibeVerbete(id, QString(), false, true); },
                                  [this](bool visivel) {
                                      if (Visor())
                                          Visor()->MostraPesquisando(visivel);
                                  }};
    m_pesquisa = std::make_unique<AreaPesquisa>(std::move(pesquisa));
    connect(txtEntrada, &QLineEdit::textEdited, this,
            [this](const QString& texto) { m_controlador->TextoDigitado(texto); });

    m_browser.Eventos.Carregado = [this] { MostraAguarde(false); };
    m_browser.Eventos.ExecComando = [this](const LinkPagina& link) { m_controlador->ComandoBrowser(link); };
    m_historico = std::make_unique<HistoricoJanela>(m_browser, *m_controlador);
    m_browser.Eventos.HistPagina = [this](const QString& caminho) {
        m_historico->Historico().AdicionaArquivo(QStringLiteral("Manual"), caminho);
    };
    m_browser.Eventos.Historico = [this](const QString& html) {
        QString busca, iniciada, terminada;
        m.lista2->getPalavraBusca(busca, iniciada, terminada);
        m_historico->Historico().AdicionaLista(html, busca, iniciada, terminada);
    };
    // Keys typed anywhere in the window reach the routing first.
    qApp->installEventFilter(this);
}

AreaConsulta::~AreaConsulta()
{
    qApp->removeEventFilter(this);
    m_controlador->Para();
    m_pesquisa.reset();
    m_documento.DefineVisor(nullptr);
}

VisorWeb* AreaConsulta::CriaVisor(QWidget* lugar)
{
    if (Visor())
        return Visor();
    auto* visor = new VisorWeb(m.janela, m.pastaPrograma);
    visor->setObjectName(QStringLiteral("m_browser"));
    visor->AoNavegar = [this](const QString& endereco) { return m_browser.Navegacao(endereco); };
    visor->AoClicarLink = [this](const QString& endereco) { m_browser.LinkClicado(endereco); };
    visor->AoCompletar = [this](bool ok) {
        m_browser.DocumentoCompleto();
        if (!ok)
            MostraAguarde(false);
        emit PaginaCarregada(ok);
    };
    if (lugar)
        visor->Tamanho(lugar->geometry());
    m_documento.DefineVisor(visor);
    visor->show();
    picTipAbrev->raise();
    return visor;
}

void AreaConsulta::Posiciona(const QRect& areaBusca, const QRect& areaVisor)
{
    txtEntrada->setGeometry(areaBusca.adjusted(0, 0, -kLarguraBotao - 2, 0));
    btBuscar->setGeometry(areaBusca.right() - kLarguraBotao + 1, areaBusca.top(), kLarguraBotao, areaBusca.height());
    m_pesquisa->Painel().PosicionaCaixas(txtEntrada->geometry());
    if (Visor())
        Visor()->Tamanho(areaVisor);
}

void AreaConsulta::MostraPalavra(const QString& palavra)
{
    txtEntrada->setText(palavra);
    m_controlador->ConfirmaEntrada(palavra);
}

::Disposicao AreaConsulta::Disposicao(int largura, int altura)
{
    ::Disposicao d = LayoutJanela::Calcula(largura, altura);
    m_pesquisa->Ajusta(d);
    return d;
}

void AreaConsulta::Para()
{
    m_controlador->Para();
    m.lista2->Finaliza();
}

// --- JanelaConsulta ----------------------------------------------------------

bool AreaConsulta::ListaAlfabeticaVisivel() const { return !m.picLista2 || !m.picLista2->isVisible(); }

void AreaConsulta::MostraListaAlfabetica() { m_pesquisa->SelecionaLista(1); }

void AreaConsulta::SelecionaLetra(const QString& letra)
{
    if (m.selecionaLetra)
        m.selecionaLetra(letra);
}

void AreaConsulta::MostraAguarde(bool visivel)
{
    m_aguarde = visivel;
    if (Visor())
        Visor()->MostraAguarde(visivel);
}

void AreaConsulta::OcultaBotoesVerbete(bool ocultar)
{
    if (m.ocultaBotoesVerbete)
        m.ocultaBotoesVerbete(ocultar);
}

void AreaConsulta::ProcessaEventos()
{
    if (m.processaEventos)
        m.processaEventos();
}

void AreaConsulta::ReiniciaMotor()
{
    if (m.reiniciaMotor)
        m.reiniciaMotor();
}

bool AreaConsulta::PodeLocalizar() const { return m_pesquisa->Despacho().PodeLocalizar(); }

void AreaConsulta::ProcessaPesquisa() { m_pesquisa->Despacho().ProcessaPesquisa(); }

void AreaConsulta::PesquisaFlexivel(const QString& palavra) { m_pesquisa->PesquisaPalavraClicada(palavra); }

void AreaConsulta::RegistraHistorico(const QString& palavra, qint32 id, const QString& busca, const QString& iniciada,
                                     const QString& terminada)
{
    m_historico->Historico().Adiciona(palavra, id, busca, iniciada, terminada);
    m_pesquisa->Buscas().Adiciona(palavra, id);
    if (AoRegistrar)
        AoRegistrar(palavra, id, busca, iniciada, terminada);
}

void AreaConsulta::VoltaHistorico() { m_historico->Historico().Anterior(); }

void AreaConsulta::AvancaHistorico() { m_historico->Historico().Proximo(); }

void AreaConsulta::MostraDicaAbreviatura(const QString& texto)
{
    const QPoint cursor = m.janela->mapFromGlobal(QCursor::pos());
    const QFontMetrics medida(picTipAbrev->font());
    const QRect tamanho = medida.boundingRect(QRect(0, 0, 600, 400), Qt::TextWordWrap, texto);
    picTipAbrev->setText(texto);
    picTipAbrev->setGeometry(cursor.x(), cursor.y() + 7, tamanho.width() + 6 + 8, tamanho.height() + 8 + 6);
    picTipAbrev->show();
    picTipAbrev->raise();
    m_contaTip = 0;
    tmrTip.start();
}

void AreaConsulta::VerificaVerbete(qint32)
{
    // The notes panel reads the entry's note here once it exists.
}

void AreaConsulta::tmrTip_Timer()
{
    if (++m_contaTip > m_tempoTip) {
        picTipAbrev->hide();
        tmrTip.stop();
    }
}

// --- Keys ---------------------------------------------------------------------

RotaTeclado::Foco AreaConsulta::FocoAtual() const
{
    QWidget* foco = QApplication::focusWidget();
    if (foco == txtEntrada || foco == m_pesquisa->Painel().Entrada1Widget() ||
        foco == m_pesquisa->Painel().Entrada2Widget())
        return RotaTeclado::Foco::Entrada;
    if (foco && (foco == m_pesquisa->Painel().ListaFiltros() || foco == m_pesquisa->Painel().Filtro()))
        return RotaTeclado::Foco::Escolha;
    for (QWidget* w = foco; w; w = w->parentWidget()) {
        if (w == Visor())
            return RotaTeclado::Foco::Visor;
        if (w == m.picLista || w == m.picLista2)
            return RotaTeclado::Foco::Lista;
        if (w->objectName() == u"txtNota")
            return RotaTeclado::Foco::Nota;
    }
    return RotaTeclado::Foco::Outro;
}

bool AreaConsulta::eventFilter(QObject* objeto, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::KeyPress:
        return TrataAtalho(objeto, static_cast<QKeyEvent*>(evento), false) ||
               TrataTecla(objeto, static_cast<QKeyEvent*>(evento));
    case QEvent::KeyRelease: return TrataAtalho(objeto, static_cast<QKeyEvent*>(evento), true);
    case QEvent::MouseMove:
        if (objeto == picTipAbrev)
            m_contaTip = 0;
        break;
    case QEvent::MouseButtonPress:
        // A click anywhere else puts the tip away.
        if (objeto != picTipAbrev && picTipAbrev->isVisible() && objeto->isWidgetType())
            picTipAbrev->hide();
        break;
    default: break;
    }
    return false;
}

bool AreaConsulta::TrataAtalho(QObject* objeto, QKeyEvent* tecla, bool soltura)
{
    auto* widget = qobject_cast<QWidget*>(objeto);
    if (!widget || widget->window() != m.janela || tecla->isAutoRepeat() || FocoAtual() == RotaTeclado::Foco::Nota)
        return false;
    const QString botao = AtalhosJanela::Decide(tecla->key(), tecla->modifiers(), soltura);
    if (botao.isEmpty())
        return false;
    if (botao == AtalhosJanela::FocoBusca) {
        QLineEdit* caixa = txtEntrada->isVisibleTo(m.janela) ? txtEntrada : m_pesquisa->Painel().Entrada1Widget();
        caixa->setFocus();
        caixa->selectAll();
    } else if (AoAtalho) {
        AoAtalho(botao);
    }
    return true;
}

bool AreaConsulta::TrataTecla(QObject* objeto, QKeyEvent* tecla)
{
    // Only keys meant for this window. A key the route leaves alone is
    // passed on to the parents and seen again, but the route depends only on
    // the key and the focus, so it is left alone there too.
    auto* widget = qobject_cast<QWidget*>(objeto);
    if (!widget || widget->window() != m.janela)
        return false;
    const Qt::KeyboardModifiers mods = tecla->modifiers();
    const bool comandos = mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const RotaTeclado::Acao acao =
        RotaTeclado::Decide(tecla->key(), tecla->text(), comandos, mods & Qt::KeypadModifier, FocoAtual());
    CList* visivel = ListaAlfabeticaVisivel() ? m.lista : m.lista2;
    switch (acao.tipo) {
    case RotaTeclado::Acao::Nada: return false;
    case RotaTeclado::Acao::Confirma:
        m_controlador->ConfirmaEntrada(txtEntrada->text());
        if (m.picLista2 && m.picLista2->isVisible())
            m.picLista2->setFocus();
        else if (m.picLista && m.picLista->isVisible())
            m.picLista->setFocus();
        return true;
    case RotaTeclado::Acao::MoveLista:
        visivel->TrataTecla(acao.codigo);
        m_controlador->MovimentoTeclado();
        return true;
    case RotaTeclado::Acao::PrimeiroDaLetra:
    case RotaTeclado::Acao::UltimoDaLetra:
        visivel->SelecionaItem(acao.tipo == RotaTeclado::Acao::PrimeiroDaLetra ? -1
                                                                               : std::numeric_limits<qint32>::max());
        m_controlador->MovimentoTeclado();
        return true;
    case RotaTeclado::Acao::NovoTexto: {
        // In two-box mode the letter starts the first part.
        QLineEdit* caixa = txtEntrada->isVisibleTo(m.janela) ? txtEntrada : m_pesquisa->Painel().Entrada1Widget();
        caixa->setText(acao.texto);
        // Keys can arrive while the window is not the active one (no window
        // manager, or a splash just gone): without this the next letter would
        // come here again and replace the first.
        if (!m.janela->isActiveWindow())
            m.janela->activateWindow();
        caixa->setFocus();
        caixa->setCursorPosition(int(acao.texto.size()));
        m_controlador->TextoDigitado(acao.texto);
        return true;
    }
    }
    return false;
}
