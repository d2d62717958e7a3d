#include "AreaPesquisa.h"

#include "CBrowser.h"
#include "CList.h"
#include "ConsultaFlexoes.h"
#include "JanelaConsulta.h"
#include "LayoutJanela.h"
#include "PainelAvancado.h"
#include "SuperficieWidget.h"
#include "TabelaStrings.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QWidget>
#include <algorithm>

AreaPesquisa::AreaPesquisa(Partes partes) : m(std::move(partes)), m_busca(*m.lista2, *this)
{
    m_painel = new PainelAvancado(m.janela, m.txtEntrada);
    if (m.lblDescricaoPesquisa) {
        m.lblDescricaoPesquisa->setWordWrap(true);
        m.lblDescricaoPesquisa->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    m_painel->AoMudarDisposicao = [this] {
        if (m.posiciona)
            m.posiciona();
    };
    m_painel->AoSelecionarAba = [this](int qual) { SelecionaLista(qual); };

    btBuscasAnteriores = new QToolButton(m.janela);
    btBuscasAnteriores->setObjectName(QStringLiteral("btBuscasAnteriores"));
    btBuscasAnteriores->setText(QStringLiteral("Buscas anteriores ▾"));
    btBuscasAnteriores->setStyleSheet(
        QStringLiteral("QToolButton { border: none; background: transparent; color: rgb(52, 82, 104); }"
                       "QToolButton:hover { color: rgb(12, 102, 154); text-decoration: underline; }"));
    connect(btBuscasAnteriores, &QToolButton::clicked, this,
            [this] { MostraBuscasAnteriores(!picBuscasAnteriores->isVisible()); });
    picBuscasAnteriores = new SuperficieWidget(m.janela);
    picBuscasAnteriores->setObjectName(QStringLiteral("picBuscasAnteriores"));
    picBuscasAnteriores->setStyleSheet(QStringLiteral("border: 1px solid rgb(142, 166, 184);"));
    picBuscasAnteriores->resize(LayoutJanela::LarguraColuna, 120);
    picBuscasAnteriores->hide();
    m_Buscas.Inicializa(picBuscasAnteriores);
    m_Buscas.Eventos.SelecionaItem = [this](const QString&, qint32 id) {
        MostraBuscasAnteriores(false);
        if (m.exibeVerbete)
            m.exibeVerbete(id);
    };
    m.lista2->Eventos.RetornoBusca = [this](const QString& palavra, const QString& html, qint32 tam, qint16 tipo) {
        m_paginas.RetornoBusca(palavra, html, tam, tipo);
    };
    m.lista2->Eventos.NaoEncontrado = [this](const QString& palavra, qint16 tipo) {
        m_paginas.NaoEncontrado(palavra, tipo);
    };
    if (m.mostraPesquisando) {
        m.lista2->Eventos.MostraPesquisando = [this] { m.mostraPesquisando(true); };
        m.lista2->Eventos.OcultaPesquisando = [this] { m.mostraPesquisando(false); };
    }
}

AreaPesquisa::~AreaPesquisa()
{
    m_painel->AoMudarDisposicao = nullptr;
    m_painel->AoSelecionarAba = nullptr;
    picBuscasAnteriores->DefineOuvinte(nullptr);
    m.lista2->Eventos.RetornoBusca = nullptr;
    m.lista2->Eventos.NaoEncontrado = nullptr;
    m.lista2->Eventos.MostraPesquisando = nullptr;
    m.lista2->Eventos.OcultaPesquisando = nullptr;
}

void AreaPesquisa::PesquisaPalavraClicada(const QString& palavra)
{
    m_palavraClicada = true;
    m_busca.ListaPesquisaFlexivel(palavra, QString());
    m_palavraClicada = false;
    m_painel->DefineRotuloFiltros(QString(), QString());
}

void AreaPesquisa::Ajusta(Disposicao& d)
{
    m_painel->Ajusta(d);
    // Right of the panel's toggle, on the same line; the list drops below it.
    const QRect linha(d.areaBusca.left(), d.areaBusca.bottom() + 3, d.areaBusca.width(), 18);
    btBuscasAnteriores->setGeometry(linha.right() - 124, linha.top(), 125, linha.height());
    picBuscasAnteriores->setGeometry(linha.left(), linha.bottom() + 2, linha.width(),
                                     std::min(150, std::max(40, d.listas.bottom() - linha.bottom() - 2)));
    // Hidden while the class list takes that room.
    const bool classes = m_painel->Aberto() && m_painel->IndiceFiltro() == 1;
    btBuscasAnteriores->setVisible(!classes);
    if (classes)
        MostraBuscasAnteriores(false);
}

void AreaPesquisa::AbrePainel() { m_painel->imgAvancada_Click(); }

void AreaPesquisa::DefineSomarFiltros(int valor) { m_painel->Marca(PainelPesquisa::Somar, valor != 0); }

void AreaPesquisa::MostraBuscasAnteriores(bool visivel)
{
    picBuscasAnteriores->setVisible(visivel);
    if (visivel) {
        picBuscasAnteriores->raise();
        m_Buscas.DesenhaLista();
    }
}

// --- PainelPesquisa ------------------------------------------------------------

bool AreaPesquisa::PainelAberto() const { return m_painel->Aberto(); }
bool AreaPesquisa::Marcada(Caixa caixa) const { return m_painel->Marcada(caixa); }
QString AreaPesquisa::Entrada() const { return m.txtEntrada->text(); }
QString AreaPesquisa::Entrada1() const { return m_painel->Entrada1(); }
QString AreaPesquisa::Entrada2() const { return m_painel->Entrada2(); }
int AreaPesquisa::IndiceFiltro() const { return m_painel->IndiceFiltro(); }
std::vector<bool> AreaPesquisa::ClassesMarcadas() const { return m_painel->ClassesMarcadas(); }
bool AreaPesquisa::ListaAlfabeticaVisivel() const { return m.consulta->ListaAlfabeticaVisivel(); }

void AreaPesquisa::ParaBuscaDigitada()
{
    if (m.paraBuscaDigitada)
        m.paraBuscaDigitada();
}

void AreaPesquisa::MostraAguarde(bool visivel) { m.consulta->MostraAguarde(visivel); }
void AreaPesquisa::MostraPagina(int modelo, const QStringList& pares) { m.browser->MostraLista(modelo, pares); }
void AreaPesquisa::VerificaVerbete(qint32 id) { m.consulta->VerificaVerbete(id); }
void AreaPesquisa::DesmarcaResultados() { m.lista2->DesmarcaLista(); }

void AreaPesquisa::SelecionaLista(int qual)
{
    if (m.selecionaLista)
        m.selecionaLista(qual);
    m_painel->SelecionaAba(qual);
}

int AreaPesquisa::LarguraRotuloFiltros() const { return m_painel->LarguraRotuloFiltros(); }
int AreaPesquisa::LarguraTexto(const QString& texto) const { return m_painel->LarguraTexto(texto); }

void AreaPesquisa::DefineRotuloFiltros(const QString& texto, const QString& dica)
{
    m_painel->DefineRotuloFiltros(texto, dica);
}

void AreaPesquisa::PalavraBusca(const QString& palavra, const QString& iniciada, const QString& terminada)
{
    m.browser->PalavraBusca(palavra, iniciada, terminada);
    m.lista2->PalavraBusca(palavra, iniciada, terminada);
}

QString AreaPesquisa::ExpandeFlexoes(const QString& texto)
{
    MotorDicionario* motor = m.motor();
    return motor ? ::ExpandeFlexoes(*motor, texto) : texto;
}

void AreaPesquisa::Pesquisa(TipoPesquisa tipo, const QString& termo, const QString& filtros)
{
    m_busca.Pesquisa(tipo, termo, filtros);
}

// --- DestinoResultados ---------------------------------------------------------

void AreaPesquisa::DesmarcaListaAlfabetica() { m.lista->DesmarcaLista(); }
QString AreaPesquisa::DescricaoFiltros() const { return m_despacho.DescricaoFiltros(); }
void AreaPesquisa::MostraLista(int modelo, const QStringList& pares) { m.browser->MostraLista(modelo, pares); }

void AreaPesquisa::DefineDescricaoPesquisa(const QString& titulo)
{
    if (!m.lblDescricaoPesquisa)
        return;
    QLabel* rotulo = m.lblDescricaoPesquisa;
    const int passo = std::max(1, rotulo->fontMetrics().lineSpacing());
    const int linhas = std::max(1, (rotulo->height() + passo / 2) / passo);
    rotulo->setText(AjustaTitulo(titulo, rotulo->fontMetrics(), rotulo->width(), linhas));
    rotulo->setToolTip(titulo);
}

QString AreaPesquisa::AjustaTitulo(const QString& titulo, const QFontMetrics& fonte, int largura, int linhas)
{
    if (largura <= 0)
        return titulo;
    const auto cabe = [&](const QString& texto) {
        const QRect r = fonte.boundingRect(QRect(0, 0, largura, 1 << 20), Qt::TextWordWrap, texto);
        return r.height() <= linhas * fonte.lineSpacing();
    };
    if (cabe(titulo))
        return titulo;
    // The wrapped lines waste the end of each line: aim at a little less.
    for (int alvo = largura * linhas; alvo > fonte.averageCharWidth() * 4; alvo -= fonte.averageCharWidth()) {
        const QString curto = fonte.elidedText(titulo, Qt::ElideMiddle, alvo);
        if (cabe(curto))
            return curto;
    }
    return fonte.elidedText(titulo, Qt::ElideRight, largura);
}

// --- AmbienteBusca ------------------------------------------------------------

int AreaPesquisa::AlturaJanelaTwips() const
{
    const qreal dpi = m.janela->screen() ? m.janela->screen()->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(m.janela->height() * 1440.0 / dpi);
}

bool AreaPesquisa::FiltrosSomados() const { return m_painel->Marcada(PainelPesquisa::Somar); }
void AreaPesquisa::ProcessaEventos() { QCoreApplication::processEvents(); }

void AreaPesquisa::MostraErroMotor(const QString& erro)
{
    m.browser->MostraLista(TabelaStrings::PaginaErroMotor, {QStringLiteral("1"), erro});
    DefineDescricaoPesquisa(TabelaStrings::Texto(TabelaStrings::TituloErroMotor));
    MostraAguarde(false);
}
