#include "PainelAvancado.h"

#include "AbasListas.h"
#include "FiltrosClasse.h"
#include "LayoutJanela.h"
#include "TabelaStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

namespace {

const QString kEstiloTexto = QStringLiteral("color: rgb(52, 82, 104); background: transparent;");
const QString kEstiloBotao =
    QStringLiteral("QToolButton { border: none; background: transparent; color: rgb(52, 82, 104); }"
                   "QToolButton:hover { color: rgb(12, 102, 154); text-decoration: underline; }");
const QColor kCorTexto(52, 82, 104);
const QString kEstiloCaixa =
    QStringLiteral("QLineEdit { border: 1px solid rgb(142, 166, 184); border-radius: 3px; padding: 1px 5px;"
                   " background: white; color: rgb(38, 52, 64); }"
                   "QLineEdit:focus { border-color: rgb(52, 82, 104); }");
constexpr int kAlturaLinha = 18;

QCheckBox* Caixa(QWidget* pai, int indice, const QString& texto)
{
    auto* c = new QCheckBox(texto, pai);
    c->setObjectName(QStringLiteral("chkAvancada%1").arg(indice));
    QPalette cores = c->palette();
    cores.setColor(QPalette::WindowText, kCorTexto);
    c->setPalette(cores);
    c->setFocusPolicy(Qt::TabFocus);
    c->hide();
    return c;
}

QLineEdit* CaixaParte(QWidget* pai, const char* nome, const QString& dica)
{
    auto* e = new QLineEdit(pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->setPlaceholderText(dica);
    e->setAccessibleName(dica);
    e->setMaxLength(200);
    e->setStyleSheet(kEstiloCaixa);
    e->hide();
    return e;
}

} // namespace

PainelAvancado::PainelAvancado(QWidget* janela, QLineEdit* entrada)
    : QObject(janela), m_janela(janela), txtEntrada(entrada)
{
    imgAvancada = new QToolButton(janela);
    imgAvancada->setObjectName(QStringLiteral("imgAvancada"));
    imgAvancada->setText(QStringLiteral("Pesquisa avançada ▾"));
    imgAvancada->setAutoRaise(true);
    imgAvancada->setStyleSheet(kEstiloBotao);
    connect(imgAvancada, &QToolButton::clicked, this, &PainelAvancado::imgAvancada_Click);
    imgFechar = new QToolButton(janela);
    imgFechar->setObjectName(QStringLiteral("imgFechar"));
    imgFechar->setText(QStringLiteral("Fechar pesquisa ▴"));
    imgFechar->setToolTip(QStringLiteral("Fechar a pesquisa avançada"));
    imgFechar->setAutoRaise(true);
    imgFechar->setStyleSheet(kEstiloBotao);
    imgFechar->hide();
    connect(imgFechar, &QToolButton::clicked, this, &PainelAvancado::imgFechar_Click);

    chkAvancada = {Caixa(janela, 0, QStringLiteral("Iniciadas por")), Caixa(janela, 1, QStringLiteral("Terminadas em")),
                   Caixa(janela, 2, QStringLiteral("No texto do verbete")),
                   Caixa(janela, 3, QStringLiteral("Somar filtros"))};
    chkAvancada[3]->setToolTip(
        TabelaStrings::Texto(TabelaStrings::DicaSomarFiltros).replace(QStringLiteral("<BR>"), QStringLiteral("\n")));
    for (int i = 0; i < 3; ++i)
        connect(chkAvancada[size_t(i)], &QCheckBox::clicked, this, [this, i] { chkAvancada_Click(i); });

    txtEntrada1 = CaixaParte(janela, "txtEntrada1", QStringLiteral("Começo da palavra"));
    txtEntrada2 = CaixaParte(janela, "txtEntrada2", QStringLiteral("Fim da palavra"));

    cmbFiltro = new QComboBox(janela);
    cmbFiltro->setObjectName(QStringLiteral("cmbFiltro"));
    cmbFiltro->addItems({QStringLiteral("Sem filtro"), QStringLiteral("Filtrar por classe gramatical")});
    cmbFiltro->setAccessibleName(QStringLiteral("Filtro"));
    cmbFiltro->hide();
    connect(cmbFiltro, &QComboBox::activated, this, [this] { cmbFiltro_Click(); });

    lstFiltros = new QListWidget(janela);
    lstFiltros->setObjectName(QStringLiteral("lstFiltros"));
    lstFiltros->setAccessibleName(QStringLiteral("Classes gramaticais"));
    for (int i = 0; i < FiltrosClasse::Quantidade; ++i) {
        auto* item = new QListWidgetItem(FiltrosClasse::Nome(i), lstFiltros);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    lstFiltros->hide();

    m_abas = new AbasListas(janela);
    m_abas->AoSelecionar = [this](int qual) {
        if (AoSelecionarAba)
            AoSelecionarAba(qual);
    };
    lblFiltros = new QLabel(janela);
    lblFiltros->setObjectName(QStringLiteral("lblFiltros"));
    lblFiltros->setStyleSheet(kEstiloTexto);
    lblFiltros->hide();
}

bool PainelAvancado::Marcada(int caixa) const
{
    return caixa >= 0 && caixa < 4 && chkAvancada[size_t(caixa)]->isChecked();
}

void PainelAvancado::Marca(int caixa, bool marcada)
{
    if (caixa < 0 || caixa >= 4)
        return;
    chkAvancada[size_t(caixa)]->setChecked(marcada);
    if (caixa < 3)
        chkAvancada_Click(caixa);
}

QString PainelAvancado::Entrada1() const { return txtEntrada1->text(); }
QString PainelAvancado::Entrada2() const { return txtEntrada2->text(); }
int PainelAvancado::IndiceFiltro() const { return cmbFiltro->currentIndex(); }
bool PainelAvancado::DuasCaixas() const { return Marcada(0) && Marcada(1); }

void PainelAvancado::EscolheFiltro(int indice)
{
    cmbFiltro->setCurrentIndex(indice);
    cmbFiltro_Click();
}

std::vector<bool> PainelAvancado::ClassesMarcadas() const
{
    std::vector<bool> marcadas;
    for (int i = 0; i < lstFiltros->count(); ++i)
        marcadas.push_back(lstFiltros->item(i)->checkState() == Qt::Checked);
    return marcadas;
}

void PainelAvancado::MarcaClasse(int indice, bool marcada)
{
    if (QListWidgetItem* item = lstFiltros->item(indice))
        item->setCheckState(marcada ? Qt::Checked : Qt::Unchecked);
}

void PainelAvancado::MostraPainel(bool visivel)
{
    imgAvancada->setVisible(!visivel);
    imgFechar->setVisible(visivel);
    for (int i = 0; i < 3; ++i)
        chkAvancada[size_t(i)]->setVisible(visivel);
    cmbFiltro->setVisible(visivel);
}

void PainelAvancado::imgAvancada_Click()
{
    m_aberto = true;
    MostraPainel(true);
    chkAvancada_Click(0);
    cmbFiltro_Click();
}

void PainelAvancado::imgFechar_Click()
{
    m_aberto = false;
    MostraPainel(false);
    chkAvancada[3]->hide();
    lstFiltros->hide();
    txtEntrada->show();
    txtEntrada1->hide();
    txtEntrada2->hide();
    if (AoMudarDisposicao)
        AoMudarDisposicao();
}

void PainelAvancado::chkAvancada_Click(int indice)
{
    const bool deCaixaPosicao = indice == 0 || indice == 1;
    // The two boxes belong to the open panel; closed, the single box searches.
    if (m_aberto && DuasCaixas()) {
        txtEntrada->hide();
        txtEntrada1->show();
        txtEntrada2->show();
        if (deCaixaPosicao)
            txtEntrada1->setText(txtEntrada->text());
    } else {
        const bool duasVisiveis = txtEntrada1->isVisible();
        txtEntrada->show();
        txtEntrada1->hide();
        txtEntrada2->hide();
        if (deCaixaPosicao && duasVisiveis)
            txtEntrada->setText(txtEntrada1->text());
    }
}

void PainelAvancado::cmbFiltro_Click()
{
    if (m_aberto) {
        const bool porClasse = cmbFiltro->currentIndex() == 1;
        lstFiltros->setVisible(porClasse);
        chkAvancada[3]->setVisible(porClasse);
    }
    if (AoMudarDisposicao)
        AoMudarDisposicao();
}

void PainelAvancado::Ajusta(Disposicao& d)
{
    const int x = d.areaBusca.left();
    const int largura = d.areaBusca.width();
    const int fimColuna = d.listas.bottom();
    int y = d.areaBusca.bottom() + 3;
    const QRect botao(x, y, largura - 127, kAlturaLinha);
    imgAvancada->setGeometry(botao);
    imgFechar->setGeometry(botao);
    y += kAlturaLinha + 2;
    if (m_aberto) {
        chkAvancada[0]->setGeometry(x + 2, y, largura / 2 - 2, kAlturaLinha);
        chkAvancada[1]->setGeometry(x + largura / 2, y, largura / 2, kAlturaLinha);
        y += kAlturaLinha + 1;
        chkAvancada[2]->setGeometry(x + 2, y, largura / 2 + 20, kAlturaLinha);
        chkAvancada[3]->setGeometry(x + largura / 2 + 24, y, largura / 2 - 24, kAlturaLinha);
        y += kAlturaLinha + 2;
        cmbFiltro->setGeometry(x, y, largura, 22);
        y += 25;
        if (lstFiltros->isVisibleTo(m_janela)) {
            const int altura = std::min(AlturaMaximaClasses, std::max(0, (fimColuna - y) / 3));
            lstFiltros->setGeometry(x, y, largura, altura);
            y += altura + 3;
        }
    }
    m_abas->setGeometry(x, y, largura, 20);
    y += 22;
    d.lblDescricaoPesquisa = QRect(x + 2, y, largura - 4, 16);
    // Long titles take two lines.
    d.lblDescricaoPesquisa.setHeight(28);
    lblFiltros->setGeometry(x + 2, y + 29, largura - 4, 16);
    d.imgLetras.moveTop(y);
    y += AlturaTitulos - d.imgLetras.height();
    const int topoListas = d.imgLetras.bottom() + 1 + 6;
    d.listas = QRect(x, topoListas, largura, std::max(0, fimColuna - topoListas + 1));
}

void PainelAvancado::PosicionaCaixas(const QRect& caixa)
{
    const int metade = (caixa.width() - 4) / 2;
    txtEntrada1->setGeometry(caixa.left(), caixa.top(), metade, caixa.height());
    txtEntrada2->setGeometry(caixa.right() - metade + 1, caixa.top(), metade, caixa.height());
}

void PainelAvancado::SelecionaAba(int qual)
{
    m_abaResultados = qual == 2;
    m_abas->DefineAtiva(qual == 2 ? 2 : 1);
    lblFiltros->setVisible(m_abaResultados);
}

void PainelAvancado::DefineRotuloFiltros(const QString& texto, const QString& dica)
{
    lblFiltros->setText(texto);
    lblFiltros->setToolTip(dica);
}

int PainelAvancado::LarguraRotuloFiltros() const { return lblFiltros->width(); }

int PainelAvancado::LarguraTexto(const QString& texto) const
{
    return QFontMetrics(lblFiltros->font()).horizontalAdvance(texto);
}
