#include "frmMain.h"

#include "AreaConsulta.h"
#include "ArmazemQSettings.h"
#include "BotaoImagem.h"
#include "CConfig.h"
#include "CEscolheLetra.h"
#include "CList.h"
#include "CaixaPreviaQt.h"
#include "ComandosJanela.h"
#include "FiguraPele.h"
#include "FiltroJanela.h"
#include "InstanciaUnica.h"
#include "JanelaConfigQt.h"
#include "MotorMini.h"
#include "PeleJanela.h"
#include "SuperficieWidget.h"
#include "TabelaChaves.h"
#include "ValorConfig.h"
#include "VersaoPrograma.h"
#include "VisorWeb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <algorithm>

namespace {

constexpr int kLarguraInicial = 800;
constexpr int kAlturaInicial = 600;
constexpr QRect kListasIniciais{6, 210, 253, 397};

QLabel* Rotulo(QWidget* pai, const char* nome, const QString& estilo)
{
    auto* rotulo = new QLabel(pai);
    rotulo->setObjectName(QString::fromLatin1(nome));
    rotulo->setStyleSheet(estilo);
    // Moves over a label reach the window as moves over its background.
    rotulo->setMouseTracking(true);
    return rotulo;
}

} // namespace

frmMain::frmMain(Opcoes opcoes) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_opcoes(std::move(opcoes))
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(LayoutJanela::LarguraMinima, LayoutJanela::AlturaMinima);
    if (m_opcoes.pastaPrograma.isEmpty())
        m_opcoes.pastaPrograma = QCoreApplication::applicationDirPath();

    // Until the stored place is restored: centred on the primary screen.
    QRect area(0, 0, 1024, 768);
    if (QScreen* tela = QGuiApplication::primaryScreen())
        area = tela->availableGeometry();
    const QSize inicial(std::min(kLarguraInicial, std::max(area.width(), LayoutJanela::LarguraMinima)),
                        std::min(kAlturaInicial, std::max(area.height(), LayoutJanela::AlturaMinima)));
    setGeometry(QRect(area.center() - QPoint(inicial.width() / 2, inicial.height() / 2), inicial));

    m_pele = new PeleJanela(this, [this] { return m_config ? m_config->EstadoJanela : 0; });
    m_pele->ModoVisualAtivo = [this] { return m_consulta ? m_consulta->Browser().ModoVisual() : 0; };
    m_comandos = std::make_unique<ComandosJanela>(*this, *m_pele);

    PicLista_ = new SuperficieWidget(this);
    PicLista_->setObjectName(QStringLiteral("PicLista"));
    picLista2 = new SuperficieWidget(this);
    picLista2->setObjectName(QStringLiteral("picLista2"));
    picLista2->hide();
    imgLetras = new SuperficieWidget(this);
    imgLetras->setObjectName(QStringLiteral("imgLetras"));

    const QString estiloTexto = QStringLiteral("color: rgb(52, 82, 104); background: transparent;");
    lblDescricaoPesquisa = Rotulo(this, "lblDescricaoPesquisa", estiloTexto);
    lblDescricaoPesquisa->hide();
    lblNomeEmpresa =
        Rotulo(this, "lblNomeEmpresa", QStringLiteral("color: rgb(98, 116, 130); background: transparent;"));
    txtTip = Rotulo(this, "txtTip",
                    QStringLiteral("color: rgb(12, 102, 154); background: rgb(255, 255, 225);"
                                   "border: 1px solid rgb(142, 166, 184); padding: 1px 4px;"));
    txtTip->hide();
    m_previa = std::make_unique<CaixaPreviaQt>(txtTip);

    tmrListaCarga.setInterval(IntervaloListaCarga);
    connect(&tmrListaCarga, &QTimer::timeout, this, &frmMain::tmrListaCarga_Timer);
}

frmMain::~frmMain()
{
    tmrListaCarga.stop();
    // The lookup area lets go of the lists before they go, and the lists
    // and the chooser stop listening before their surfaces go.
    m_consulta.reset();
    lista.reset();
    lista2.reset();
    m_EscolheLetra.reset();
}

CicloJanela::Carga frmMain::Carrega(const QStringList& argumentos) { return m_ciclo.Carrega(argumentos); }

// --- Load ------------------------------------------------------------------

bool frmMain::OutraInstanciaAtiva() { return m_opcoes.instancia && m_opcoes.instancia->OutraAtiva(); }

QString frmMain::PastaPrograma() const { return m_opcoes.pastaPrograma; }

QString frmMain::PastaDados() const
{
    return m_opcoes.pastaDados.isEmpty() ? m_opcoes.pastaPrograma : m_opcoes.pastaDados;
}

CConfig& frmMain::Config() { return *m_config; }

void frmMain::AplicaFundoETitulo()
{
    setWindowTitle(QStringLiteral("Minilexária"));
    update();
}

bool frmMain::AbreMotor()
{
    if (m_opcoes.caminhoBanco.isEmpty())
        m_motor = std::make_unique<MotorMini>();
    else
        m_motor = std::make_unique<MotorMini>(m_opcoes.caminhoBanco);
    return m_motor->AbreDados();
}

QString frmMain::InformacoesMotor() { return m_motor ? m_motor->ObtemInformacoes() : QString(); }

void frmMain::MostraErroFatal(const QString& texto, const QString& titulo)
{
    if (m_opcoes.MostraMensagem)
        m_opcoes.MostraMensagem(texto, titulo);
}

void frmMain::CriaListas()
{
    lista = std::make_unique<CList>();
    lista2 = std::make_unique<CList>();
}

void frmMain::InicializaConfig()
{
    ArmazemConfig* armazem = m_opcoes.armazem;
    if (!armazem) {
        m_armazemProprio = std::make_unique<ArmazemQSettings>();
        armazem = m_armazemProprio.get();
    }
    m_janelaConfig = std::make_unique<JanelaConfigQt>(this);
    m_janelaConfig->AoMostrarAlca = [this](bool visivel) { m_pele->MostraAlca(visivel); };
    m_janelaConfig->AoDefinirFiguraMaximizar = [this](const QString& figura) { m_pele->DefineFiguraMaximizar(figura); };
    m_janelaConfig->AoDefinirSomarFiltros = [this](int valor) { m_consulta->Pesquisa().DefineSomarFiltros(valor); };
    m_config = std::make_unique<CConfig>(*armazem);
    m_config->Inicializar(m_janelaConfig.get());
}

void frmMain::DefineNomeEmpresa(const QString& nome) { lblNomeEmpresa->setText(nome); }

void frmMain::PosicionaListasIniciais()
{
    PicLista_->setGeometry(kListasIniciais);
    picLista2->setGeometry(kListasIniciais);
}

void frmMain::InicializaListas()
{
    lista->Inicializa(PicLista_, m_motor.get(), m_previa.get());
    lista2->Inicializa(picLista2, m_motor.get(), m_previa.get());
    lista->Eventos.IniciaCargaListaLetra = [this](qint32) { tmrListaCarga.start(); };
    AreaConsulta::Ligacoes ligacoes;
    ligacoes.janela = this;
    ligacoes.lista = lista.get();
    ligacoes.lista2 = lista2.get();
    ligacoes.picLista = PicLista_;
    ligacoes.picLista2 = picLista2;
    ligacoes.pastaPrograma = PastaPrograma();
    ligacoes.motor = [this] { return m_motor.get(); };
    ligacoes.reiniciaMotor = [this] { m_motor = std::make_unique<MotorMini>(); };
    ligacoes.selecionaLetra = [this](const QString& letra) { SelecionaLetra(letra); };
    ligacoes.selecionaLista = [this](int qual) { SelecionaLista(qual); };
    ligacoes.ocultaBotoesVerbete = [this](bool ocultar) { OcultaBotoesVerbete(ocultar); };
    ligacoes.processaEventos = [] { QCoreApplication::processEvents(); };
    ligacoes.lblDescricaoPesquisa = lblDescricaoPesquisa;
    ligacoes.posiciona = [this] { PosicionaControles(); };
    m_consulta = std::make_unique<AreaConsulta>(std::move(ligacoes));
    connect(m_consulta.get(), &AreaConsulta::PaginaCarregada, this, &frmMain::PaginaCarregada);
    m_consulta->AoAtalho = [this](const QString& botao) { m_comandos->Clique(botao); };
    HistoricoJanela& historico = m_consulta->Historico();
    historico.AoHabilitar = [this](bool anterior, bool proximo) {
        m_pele->Botao(QStringLiteral("btAnterior"))->setEnabled(anterior);
        m_pele->Botao(QStringLiteral("btProximo"))->setEnabled(proximo);
    };
    historico.AoOcultarBotoesVerbete = [this](bool ocultar) { OcultaBotoesVerbete(ocultar); };
    historico.Historico().InformaNavegacao();
    ControladorConsulta& controlador = m_consulta->Controlador();
    lista->Eventos.SelecionaItem = [&controlador](const QString&, qint32) { controlador.lista_SelecionaItem(); };
    lista2->Eventos.SelecionaItem = [&controlador](const QString&, qint32) { controlador.lista2_SelecionaItem(); };
    lista->Eventos.ErroMotor = [&controlador](const QString& erro) { controlador.MostraErroMotor(erro); };
}

void frmMain::InstalaFiltroJanela()
{
    if (!m_filtro) {
        m_filtro = new FiltroJanela(this);
        m_filtro->AoMoverPonteiro = [this] {
            if (m_EscolheLetra)
                m_EscolheLetra->LimparDestaque();
            m_pele->Controle().DesmarcarBotoes();
        };
        m_filtro->AoSoltarBotao = [this] {
            if (m_config)
                m_config->AtualizarPosicao();
        };
    }
    installEventFilter(m_filtro);
}

void frmMain::RemoveFiltroJanela()
{
    if (m_filtro)
        removeEventFilter(m_filtro);
}

void frmMain::CriaComponentes()
{
    // Hook: history and previous searches arrive with their own components.
    // The web view holds the user-interface thread for a good part of a
    // second while it starts, so the window shows and the first letter
    // loads with a blank entry area, and the view takes its place after.
    m_areaVisor = new QWidget(this);
    m_areaVisor->setObjectName(QStringLiteral("areaVisor"));
    m_areaVisor->setAutoFillBackground(true);
    m_areaVisor->setPalette(QPalette(Qt::white));
    m_areaVisor->setMouseTracking(true);
    m_EscolheLetra = std::make_unique<CEscolheLetra>();
    imgLetraBackBuffer = imgLetras->CriaBuffer(CEscolheLetra::LarguraFaixa, CEscolheLetra::AlturaFaixa);
    imgLetras->resize(CEscolheLetra::LarguraFaixa, CEscolheLetra::AlturaFaixa);
    m_EscolheLetra->Inicializa(imgLetras, imgLetraBackBuffer.get());
    m_EscolheLetra->Eventos.SelecionaLetra = [this](const QString& letra) {
        if (lista && m_motor)
            m_consulta->Controlador().EscolheLetra(letra);
    };
}

void frmMain::CriaVisor()
{
    if (Visor() || !m_consulta)
        return;
    VisorWeb* visor = m_consulta->CriaVisor(m_areaVisor);
    visor->TextoVersoes = [this] {
        if (!m_config)
            return QString();
        const QString pasta = m_config->Le(ValoresConfig::DirInstalado, PastaPrograma());
        return VersaoPrograma::TextoVersoes(VersaoPrograma::Versao(), InformacoesMotor(),
                                            VersaoPrograma::LeArquivoVersao(pasta));
    };
    delete m_areaVisor;
    m_areaVisor = visor;
    emit VisorCriado();
}

VisorWeb* frmMain::Visor() const { return m_consulta ? m_consulta->Visor() : nullptr; }

void frmMain::InicializaNotas(const QString& pasta)
{
    // Hook: the notes keep their folder until the notes part reads it.
    m_pastaNotas = pasta;
}

void frmMain::PreparaPesquisa(const QString& descricao) { lblDescricaoPesquisa->setText(descricao); }

void frmMain::DefineTempoTip(int tiques) { m_consulta->DefineTempoTip(tiques); }

void frmMain::DefineCoresMarca(quint32 fundo, quint32 texto)
{
    m_consulta->Browser().DefineCorPalavraEncontrada(fundo, texto);
}

void frmMain::AdicionaBuscaAnterior(const QString& titulo, qint32 id)
{
    m_consulta->Pesquisa().Buscas().Adiciona(titulo, id);
}

void frmMain::AlteraFonteListas(qint16 fonte)
{
    lista->AlteraFonte(fonte);
    lista2->AlteraFonte(fonte);
}

void frmMain::AlteraModelo(qint16 modo)
{
    m_consulta->Browser().AlteraModelo(modo);
    m_pele->RedesenhaVisuais();
}

void frmMain::DefineDica(const QString& controle, const QString& texto) { m_pele->DefineDica(controle, texto); }

void frmMain::PosicionaControles()
{
    m_disposicao = m_consulta ? m_consulta->Disposicao(width(), height()) : LayoutJanela::Calcula(width(), height());
    m_pele->Posiciona(m_disposicao);
    PicLista_->setGeometry(m_disposicao.listas);
    picLista2->setGeometry(m_disposicao.listas);
    imgLetras->setGeometry(m_disposicao.imgLetras);
    lblDescricaoPesquisa->setGeometry(m_disposicao.lblDescricaoPesquisa);
    lblNomeEmpresa->setGeometry(m_disposicao.lblNomeEmpresa);
    if (m_consulta)
        m_consulta->Posiciona(m_disposicao.areaBusca, m_disposicao.visor);
    if (m_areaVisor && !Visor())
        m_areaVisor->setGeometry(m_disposicao.visor);
    m_pele->Controle().DesmarcarBotoes();
    update();
}

// --- First activation -------------------------------------------------------

void frmMain::AbreBuscaAvancada() { m_consulta->Pesquisa().AbrePainel(); }

void frmMain::Repinta() { repaint(); }

void frmMain::MostraPagina(const QString& caminho) { m_consulta->Browser().MostraPagina(caminho); }

void frmMain::OcultaBotoesVerbete(bool ocultar)
{
    if (ocultar == m_botoesVerbeteOcultos)
        return;
    m_botoesVerbeteOcultos = ocultar;
    m_pele->OcultaBotoesVerbete(ocultar);
    // Hook: notes come with their own component; until then its button
    // stays out of sight.
    m_pele->Botao(QStringLiteral("imgNota"))->hide();
    PosicionaControles();
}

void frmMain::SelecionaLista(int qual)
{
    const bool alfabetica = qual != 2;
    PicLista_->setVisible(alfabetica);
    imgLetras->setVisible(alfabetica);
    picLista2->setVisible(!alfabetica);
    lblDescricaoPesquisa->setVisible(!alfabetica);
}

void frmMain::SelecionaLetra(const QString& letra) { m_EscolheLetra->SelecionaLetra(letra); }

void frmMain::ListaLetra(const QString& letra)
{
    lista->ListaLetra(letra, -1);
    if (!m_opcoes.comVisor || Visor())
        return;
    if (tmrListaCarga.isActive())
        connect(
            this, &frmMain::LetraCarregada, this, [this] { QTimer::singleShot(0, this, &frmMain::CriaVisor); },
            Qt::SingleShotConnection);
    else
        QTimer::singleShot(0, this, &frmMain::CriaVisor);
}

void frmMain::DesmarcaLista() { lista->DesmarcaLista(); }

void frmMain::LeNotas()
{
    // Hook: the notes part reads its index here.
}

// --- Close ------------------------------------------------------------------

void frmMain::FinalizaLista()
{
    tmrListaCarga.stop();
    if (m_consulta)
        m_consulta->Para();
    lista->Finaliza();
}

void frmMain::LiberaMotor()
{
    // The lists hear nothing more from their surfaces once the engine they
    // read is gone.
    PicLista_->DefineOuvinte(nullptr);
    picLista2->DefineOuvinte(nullptr);
    m_motor.reset();
}

bool frmMain::BuscaAvancadaAberta() const { return m_consulta && m_consulta->Pesquisa().PainelAberto(); }

void frmMain::GravaBuscasAnteriores()
{
    if (m_consulta)
        m_consulta->Pesquisa().Buscas().GravaHistorico(
            [this](const QString& nome, const QString& valor) { return m_config->GravaReg(nome, valor); });
}

void frmMain::SalvaNota()
{
    // Hook: the notes part saves the open note here.
}

// --- Events -----------------------------------------------------------------

void frmMain::paintEvent(QPaintEvent*)
{
    {
        QPainter p(this);
        FiguraPele::DesenhaFundo(p, rect(), devicePixelRatioF());
        p.drawPixmap(m_disposicao.titulo.topLeft(),
                     FiguraPele::Carrega(QStringLiteral("TITULO_MINI"), devicePixelRatioF()));
    }
    if (!m_pintou) {
        m_pintou = true;
        emit PrimeiraPintura();
    }
}

void frmMain::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (isMinimized())
        return;
    const QSize minimo = LayoutJanela::AjustaMinimo(size());
    if (minimo != size()) {
        resize(minimo);
        return;
    }
    PosicionaControles();
}

void frmMain::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Platforms without a window manager may never activate the window;
    // the first activation's work is due once it shows anyway.
    QTimer::singleShot(0, this, [this] { m_ciclo.Ativa(); });
}

void frmMain::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        m_ciclo.Ativa();
}

void frmMain::closeEvent(QCloseEvent* e)
{
    m_ciclo.Fecha();
    m_ciclo.Descarrega();
    QWidget::closeEvent(e);
    if (m_opcoes.Encerra)
        m_opcoes.Encerra();
}

// --- Buttons, menus and the list --------------------------------------------

void frmMain::Inicio() { m_consulta->Controlador().Inicio(); }

void frmMain::tmrListaCarga_Timer()
{
    if (!lista || !m_motor || !lista->CarregaListaLetra()) {
        tmrListaCarga.stop();
        emit LetraCarregada();
    }
}
