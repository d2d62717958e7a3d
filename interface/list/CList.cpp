#include "CList.h"

#include "CaixaPrevia.h"
#include "MotorDicionario.h"
#include "SuperficieDesenho.h"
#include "Temporizador.h"
#include "mini/ListaResultados.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {

// Rows are printed from this height; the mouse counts rows from a little
// lower, so a press on a row's upper edge still picks the row above it.
constexpr double kPrimeiraLinhaY = 6;
constexpr double kMouseLinhaY = 10;
constexpr double kTextoX = 20;
constexpr double kSelecaoEsquerda = 15;
constexpr double kSelecaoDireita = 228;
constexpr int kAlturaBarra = 25;
constexpr int kTopoBarraInicial = 30;
constexpr int kAlturaSeta = 16;
// Where the pointer turns into the custom one over an empty list.
constexpr double kAvisoEsquerda = 97;
constexpr double kAvisoDireita = 161;
constexpr double kAvisoTopo = 55;
constexpr double kAvisoBase = 63;
constexpr int kTeclaEnter = 13;
constexpr int kTeclaPaginaAcima = 33;
constexpr int kTeclaPaginaAbaixo = 34;
constexpr int kTeclaAcima = 38;
constexpr int kTeclaAbaixo = 40;

// The homonym mark before a headword's number: no-break space, or else "Ÿ".
qsizetype MarcaHomonimo(const QString& palavra)
{
    const qsizetype nbsp = palavra.indexOf(QChar(0x00A0));
    return nbsp >= 0 ? nbsp : palavra.indexOf(QChar(0x0178));
}

} // namespace

CList::CList()
{
    m_scroll.Eventos.Scroll = [this](qint32 v) { AoScroll(v); };
    m_scroll.Eventos.EndScroll = [this](qint32 v) { AoEndScroll(v); };
}

CList::~CList()
{
    // The surface outlives its list when both belong to the main window.
    if (m_fundo)
        m_fundo->DefineOuvinte(nullptr);
}

void CList::Inicializa(SuperficieDesenho* fundo, MotorDicionario* motor, CaixaPrevia* tip)
{
    m_fundo = fundo;
    m_motor = motor;
    m_tip = tip;
    m_capacidade = CapacidadeInicial;
    m_ultimo = -1;
    m_selecionado = -1;
    if (!m_fundo)
        return;
    m_fundo->DefineOuvinte(this);

    const double esquerda = m_fundo->Largura() - LarguraScroll;
    m_imgBarra = {esquerda, kTopoBarraInicial, LarguraScroll, kAlturaBarra, true};
    m_imgSetaCima = {esquerda, 0, LarguraScroll, kAlturaSeta, true};
    m_imgSetaBaixo = {esquerda, double(m_fundo->Altura() - kAlturaSeta), LarguraScroll, kAlturaSeta, true};
    m_imgFundo = {esquerda, 0, LarguraScroll, double(m_fundo->Altura()), true};
    m_temporizador = m_fundo->CriaTemporizador();
    m_scroll.Inicializa(&m_imgBarra, &m_imgSetaCima, &m_imgSetaBaixo, &m_imgFundo, m_temporizador.get());
    m_scroll.TamPagina(m_capacidade);

    m_buffer = m_fundo->CriaBuffer(m_fundo->Largura(), m_fundo->Altura());
    m_tamanhoFonte = FontePequena;
    Desenha();
    MedeLinha();
}

void CList::Finaliza()
{
    m_ocupada = false;
    if (m_temporizador)
        m_temporizador->Para();
}

void CList::MedeLinha()
{
    if (m_buffer)
        m_alturaLinha = m_buffer->AlturaTexto(QStringLiteral("W"), m_tamanhoFonte);
}

qint32 CList::Limita(qint32 indice) const
{
    if (m_ultimo < 0)
        return -1;
    return std::clamp(indice, 0, m_ultimo);
}

void CList::DefineTopo(qint32 topo) { m_scroll.Valor(topo); }

void CList::Recria(qint32 ultimo)
{
    m_palavras.assign(static_cast<size_t>(ultimo + 1), QString());
    m_ids.assign(static_cast<size_t>(ultimo + 1), 0);
}

void CList::ListaLetra(const QString& letra, qint32 pos)
{
    if (!m_motor)
        return;
    m_desmarcado = -1;
    m_ocupada = true;
    m_motor->LimiteResultados(LimiteCarga);
    const qint32 primeiro = m_motor->LocalizaPalavra(letra);

    qint32 preenche = 0;
    qint32 inicio = 0;
    qint32 selecionado = 0;
    if (pos != -1) {
        // Start the load half a page above the wanted word, so it shows up
        // in the middle of the list with its neighbours already loaded.
        const qint32 relativo = pos - primeiro;
        selecionado = relativo;
        const qint32 meiaPagina = m_capacidade / 2;
        if (relativo - meiaPagina >= 0) {
            preenche = relativo - meiaPagina;
            inicio = pos - meiaPagina;
        }
    }

    QString texto;
    const qint32 total = m_motor->PesquisaMascara(letra + u'*', texto, 1);
    if (total < 1) {
        // A letter without headwords leaves the list as it was; a damaged
        // file is said to be one, not taken for an empty letter.
        m_ocupada = false;
        if (Eventos.OcultaPesquisando)
            Eventos.OcultaPesquisando();
        InformaErro();
        return;
    }

    m_selecionado = selecionado;
    m_preenche = preenche;
    m_ultimo = total - 1;
    m_letra = letra;
    m_linhas = std::min(m_capacidade, m_ultimo);
    m_scroll.ValorMax(m_ultimo - m_linhas);
    Recria(m_ultimo);
    // The ids of a letter are consecutive: rows not loaded yet already know
    // their entry, only their word is missing.
    for (qint32 k = 0; k <= m_ultimo; ++k)
        m_ids[static_cast<size_t>(k)] = primeiro + k;
    DefineTopo(std::max(0, std::min(m_preenche, m_ultimo - m_linhas)));
    m_proximoCursor = m_cursorInicial = inicio;
    m_voltou = false;
    m_carregados = 0;
    if (Eventos.IniciaCargaListaLetra)
        Eventos.IniciaCargaListaLetra(inicio);
    m_ocupada = false;
    Desenha();
}

int CList::ColocaPares(const QString& texto, qint32 base)
{
    const mini::ListaResultados lista = mini::LeResultados(texto.toStdString());
    // A damaged chunk keeps the pairs before the fault; the rows after stay
    // without a word, as when the engine sends fewer than it announced.
    if (!lista.Valida())
        qWarning("lista de resultados ilegível: %s", lista.erro.c_str());
    int pares = 0;
    for (const mini::Resultado& r : lista.itens) {
        const qint32 indice = base + pares;
        ++pares;
        // More than the engine announced: nowhere to put it.
        if (indice < 0 || indice > m_ultimo)
            continue;
        m_palavras[static_cast<size_t>(indice)] = QString::fromStdString(r.palavra);
        m_ids[static_cast<size_t>(indice)] = r.id;
    }
    return pares;
}

bool CList::CarregaListaLetra()
{
    // A search has taken the list over since the letter was started.
    if (!m_motor || m_letra.isEmpty())
        return false;
    QString texto;
    qint32 cursorPedido = m_proximoCursor;
    qint32 cursor = m_motor->ObtemResultados(1, cursorPedido, texto);
    const int pares = ColocaPares(texto, m_preenche);
    m_preenche += pares;
    m_carregados += pares;
    // The rows read so far stay; the rest would only fail again.
    if (InformaErro()) {
        Desenha();
        return false;
    }

    if (cursor == -1 && !m_voltou) {
        // Past the letter's end: go on from its first headword to fill the
        // rows above the first chunk.
        cursor = 0;
        m_preenche = 0;
        m_voltou = true;
    }
    Desenha();
    // Ends when the second pass reaches the first chunk, or when the engine
    // has nothing more even though it did not get there.
    if (m_voltou && (cursor >= m_cursorInicial || cursor == -1))
        return false;
    m_proximoCursor = cursor;
    return true;
}

bool CList::InformaErro()
{
    const QString erro = m_motor->ObtemUltimoErro();
    if (erro.isEmpty())
        return false;
    if (Eventos.ErroMotor)
        Eventos.ErroMotor(erro);
    return true;
}

QString CList::ObtemPalavraPos(qint32 pos) const
{
    if (m_ids.empty())
        return {};
    const qint64 indice = qint64(pos) - m_ids.front();
    if (indice < 0 || indice > m_ultimo)
        return {};
    return m_palavras[static_cast<size_t>(indice)];
}

qint32 CList::ObtemPoslista() const
{
    if (m_ultimo < 0 || m_selecionado < 0 || m_selecionado > m_ultimo)
        return -1;
    return m_ids[static_cast<size_t>(m_selecionado)];
}

void CList::SelecionaItem(qint32 pos)
{
    if (m_ultimo < 0)
        return;
    m_selecionado = Limita(qint32(std::clamp<qint64>(qint64(pos) - m_ids.front(), 0, m_ultimo)));
    const double meio = m_linhas / 2.0;
    qint32 topo = 0;
    if (m_selecionado > m_ultimo - meio)
        topo = m_ultimo - m_linhas;
    else if (m_selecionado >= meio)
        topo = static_cast<qint32>(std::nearbyint(m_selecionado - meio)); // halves to even
    DefineTopo(std::max(0, topo));
    Desenha();
}

void CList::TrataTecla(int KeyCode)
{
    qint32 novo = m_selecionado;
    switch (KeyCode) {
    case kTeclaAbaixo: novo += 1; break;
    case kTeclaAcima: novo -= 1; break;
    case kTeclaPaginaAbaixo: novo += m_linhas; break;
    case kTeclaPaginaAcima: novo -= m_linhas; break;
    case kTeclaEnter: Executa(); return;
    default: return;
    }
    if (m_ultimo < 0)
        return;
    m_selecionado = Limita(novo);
    qint32 topo = m_scroll.Valor();
    if (m_selecionado < topo)
        topo = m_selecionado;
    if (m_selecionado > topo + m_linhas) {
        topo = m_selecionado - m_linhas;
        if (topo < 1)
            topo = 0;
    }
    DefineTopo(topo);
    Desenha();
}

void CList::DesmarcaLista()
{
    m_desmarcado = m_selecionado;
    Desenha();
}

void CList::Executa()
{
    // Nothing chosen (Enter on an empty list): nothing to tell.
    if (m_selecionado < 0 || m_selecionado > m_ultimo)
        return;
    const auto i = static_cast<size_t>(m_selecionado);
    if (Eventos.SelecionaItem)
        Eventos.SelecionaItem(m_palavras[i], m_ids[i]);
}

bool CList::SelecionaItemID(qint32 idItem)
{
    const auto it = std::find(m_ids.begin(), m_ids.end(), idItem);
    if (it == m_ids.end())
        return false;
    m_selecionado = static_cast<qint32>(it - m_ids.begin());
    Desenha();
    return true;
}

void CList::AlteraFonte(int tamFonte)
{
    if (tamFonte == 0)
        m_tamanhoFonte = FontePequena;
    else if (tamFonte == 1)
        m_tamanhoFonte = FonteGrande;
    MedeLinha();
    Redimensiona();
}

void CList::PalavraBusca(const QString& palavra, const QString& iniciada, const QString& terminada)
{
    m_palavraBusca = palavra;
    m_iniciada = iniciada;
    m_terminada = terminada;
}

void CList::getPalavraBusca(QString& palavra, QString& iniciada, QString& terminada) const
{
    palavra = m_palavraBusca;
    iniciada = m_iniciada;
    terminada = m_terminada;
}

void CList::IniciaBusca()
{
    m_ocupada = true;
    m_linhas = m_capacidade;
    m_selecionado = -1;
}

void CList::PreparaResultados(qint32 total)
{
    m_ultimo = total - 1;
    m_letra.clear();
    if (m_ultimo < m_linhas)
        m_linhas = m_ultimo;
    m_scroll.ValorMax(std::max(0, m_ultimo - m_linhas));
    Recria(std::max(m_ultimo, -1));
    DefineTopo(0);
}

void CList::EsvaziaResultados()
{
    m_ultimo = -1;
    m_letra.clear();
    Recria(-1);
    m_scroll.ValorMax(0);
    DefineTopo(0);
    Desenha();
}

void CList::PosicionaImagens()
{
    if (!m_fundo)
        return;
    // The bar follows the right edge if the owner makes the list wider.
    const double esquerda = m_fundo->Largura() - LarguraScroll;
    m_imgBarra.Left = m_imgSetaCima.Left = m_imgSetaBaixo.Left = m_imgFundo.Left = esquerda;
    m_imgSetaBaixo.Top = m_fundo->Altura() - m_imgSetaBaixo.Height;
    m_imgFundo.Height = m_fundo->Altura();
}

void CList::Redimensiona()
{
    if (!m_fundo || !m_buffer)
        return;
    if (m_alturaLinha > 0)
        m_capacidade = std::max(0, static_cast<qint32>(m_fundo->Altura() / m_alturaLinha) - 2);
    m_buffer->Redimensiona(m_fundo->Largura() + 10, m_fundo->Altura() + 10);
    PosicionaImagens();
    if (m_capacidade <= m_ultimo) {
        m_linhas = m_capacidade;
        m_scroll.TamPagina(m_capacidade);
        m_scroll.ValorMax(m_ultimo - m_linhas);
        DefineTopo(std::min(m_scroll.Valor(), m_ultimo - m_linhas));
    } else {
        m_linhas = m_ultimo;
        m_scroll.ValorMax(0);
        DefineTopo(0);
    }
    Desenha();
}

void CList::Redimensionada() { Redimensiona(); }

void CList::DesenhaFaixaScroll()
{
    const int largura = m_fundo->Largura();
    m_buffer->LimpaArea(QRect(largura - FaixaScroll, 0, FaixaScroll, m_fundo->Altura()), CorFundo);
    if (m_imgBarra.Visible)
        m_buffer->DesenhaBitmap(BitmapBarra, QRect(), QPointF(m_imgBarra.Left, m_imgBarra.Top).toPoint());
    m_buffer->DesenhaBitmap(BitmapSetaCima, QRect(), QPointF(m_imgSetaCima.Left, m_imgSetaCima.Top).toPoint());
    m_buffer->DesenhaBitmap(BitmapSetaBaixo, QRect(), QPointF(m_imgSetaBaixo.Left, m_imgSetaBaixo.Top).toPoint());
}

void CList::DesenhaPalavra(double y, const QString& palavra)
{
    const qsizetype marca = MarcaHomonimo(palavra);
    if (marca < 0) {
        m_buffer->ImprimeTexto(kTextoX, y, palavra, m_tamanhoFonte, CorTexto);
        return;
    }
    // The homonym number goes after a blank, smaller, on the same line.
    const double x = m_buffer->ImprimeTexto(kTextoX, y, palavra.left(marca), m_tamanhoFonte, CorTexto);
    m_buffer->ImprimeTexto(x, y, u' ' + palavra.mid(marca + 1), m_tamanhoFonte - ReducaoHomonimo, CorTexto);
}

void CList::Desenha()
{
    if (!m_fundo || !m_buffer)
        return;
    const QRect tudo(0, 0, m_fundo->Largura(), m_fundo->Altura());
    m_buffer->Limpa(CorFundo);
    if (m_ultimo == -1) {
        m_fundo->CopiaImagem(*m_buffer, tudo, QPoint(0, 0));
        return;
    }
    m_alturaLinha = m_buffer->AlturaTexto(QStringLiteral("W"), m_tamanhoFonte);
    double y = kPrimeiraLinhaY;
    const qint32 topo = m_scroll.Valor();
    for (qint32 i = 0; i <= m_linhas; ++i) {
        const qint32 indice = topo + i;
        if (indice < 0 || indice > m_ultimo)
            break;
        if (m_selecionado == indice) {
            const QRectF caixa(kSelecaoEsquerda, y, kSelecaoDireita - kSelecaoEsquerda, m_alturaLinha);
            // After DesmarcaLista the selection shows as an outline until
            // the selection is used again.
            const bool cheia = m_desmarcado != m_selecionado;
            m_buffer->DesenhaCaixa(caixa, CorSelecao, cheia);
            if (cheia)
                m_desmarcado = -1;
        }
        DesenhaPalavra(y, m_palavras[static_cast<size_t>(indice)]);
        y += m_alturaLinha;
    }
    // The bar goes over the rows, so a long headword never covers it.
    DesenhaFaixaScroll();
    m_fundo->CopiaImagem(*m_buffer, tudo, QPoint(0, 0));
}

void CList::AoScroll(qint32 valor)
{
    if (!m_fundo || !m_buffer)
        return;
    if (m_tip) {
        QString texto;
        if (valor >= 0 && valor <= m_ultimo)
            texto = m_palavras[static_cast<size_t>(valor)];
        if (texto.isEmpty())
            texto = TextoCarregando;
        const QPoint lugar = m_fundo->PosicaoNaJanela();
        m_tip->Mostra(lugar.x() + m_fundo->Largura() - 8, m_fundo->PonteiroYNaJanela() - 16, texto);
    }
    // During a drag only the bar is redrawn.
    DesenhaFaixaScroll();
    const QRect faixa(m_fundo->Largura() - FaixaScroll, 0, FaixaScroll, m_fundo->Altura());
    m_fundo->CopiaImagem(*m_buffer, faixa, faixa.topLeft());
}

void CList::AoEndScroll(qint32 valor)
{
    (void)valor;
    if (m_tip)
        m_tip->Esconde();
    Desenha();
}

CList::Alvo CList::AlvoEm(double x, double y) const
{
    if (m_imgBarra.Contem(x, y))
        return Alvo::Barra;
    if (m_imgSetaCima.Contem(x, y))
        return Alvo::SetaCima;
    if (m_imgSetaBaixo.Contem(x, y))
        return Alvo::SetaBaixo;
    if (m_imgFundo.Contem(x, y))
        return Alvo::Fundo;
    return Alvo::Lista;
}

void CList::PressionaLista(double y)
{
    if (m_alturaLinha <= 0)
        return;
    const qint32 linha = static_cast<qint32>(std::floor((y - kMouseLinhaY) / m_alturaLinha)) + m_scroll.Valor();
    if (linha >= 0 && linha != m_selecionado) {
        m_selecionado = Limita(linha);
        Desenha();
    } else if (linha == m_selecionado) {
        // A press on the outlined selection fills it again.
        m_desmarcado = -1;
        Desenha();
    }
    if (linha < 0) {
        if (m_selecionado < 0) {
            m_selecionado = Limita(0);
            m_desmarcado = -1;
        }
        Desenha();
    }
}

void CList::MousePressiona(double x, double y, int botao)
{
    (void)botao;
    m_captura = AlvoEm(x, y);
    switch (m_captura) {
    case Alvo::Barra: m_scroll.BarraPressiona(y - m_imgBarra.Top); break;
    case Alvo::SetaCima: m_scroll.SetaPressiona(-1); break;
    case Alvo::SetaBaixo: m_scroll.SetaPressiona(1); break;
    case Alvo::Fundo: m_scroll.FundoPressiona(y - m_imgFundo.Top); break;
    case Alvo::Lista: PressionaLista(y); break;
    case Alvo::Nenhum: break;
    }
}

void CList::MouseMove(double x, double y, int botoes)
{
    if (m_captura == Alvo::Barra && botoes != 0) {
        m_scroll.BarraMove(y - m_imgBarra.Top);
        return;
    }
    if (!m_fundo)
        return;
    const Alvo alvo = AlvoEm(x, y);
    bool personalizado = alvo == Alvo::Barra || alvo == Alvo::SetaCima || alvo == Alvo::SetaBaixo;
    if (alvo == Alvo::Lista && m_linhas == -1)
        personalizado = kAvisoEsquerda < x && x < kAvisoDireita && kAvisoTopo < y && y < kAvisoBase;
    m_fundo->DefinePonteiro(personalizado ? Ponteiro::Personalizado : Ponteiro::Padrao);
}

void CList::MouseSolta(double x, double y, int botao)
{
    const Alvo captura = m_captura;
    m_captura = Alvo::Nenhum;
    switch (captura) {
    case Alvo::Barra: m_scroll.BarraSolta(); break;
    case Alvo::SetaCima:
    case Alvo::SetaBaixo: m_scroll.SetaSolta(); break;
    case Alvo::Lista:
        // A click is a left press and release on the list itself.
        if (botao == BotaoEsquerdo && m_fundo && x >= 0 && y >= 0 && x < m_fundo->Largura() && y < m_fundo->Altura() &&
            m_ultimo >= 0)
            Executa();
        break;
    case Alvo::Fundo:
    case Alvo::Nenhum: break;
    }
}

void CList::MouseDuploClique(double x, double y, int botao)
{
    (void)botao;
    m_captura = Alvo::Nenhum;
    switch (AlvoEm(x, y)) {
    case Alvo::SetaCima: m_scroll.SetaDuploClique(-1); break;
    case Alvo::SetaBaixo: m_scroll.SetaDuploClique(1); break;
    case Alvo::Lista:
        // A one-word list opens its word on the click alone.
        if (m_ultimo > 0)
            Executa();
        break;
    default: break;
    }
}

void CList::Tecla(int codigo) { TrataTecla(codigo); }

void CList::Roda(int passos)
{
    // Three lines a notch; the selection stays where it is.
    if (m_ultimo < 0)
        return;
    const qint32 maximo = std::max(0, m_ultimo - m_linhas);
    DefineTopo(std::clamp(m_scroll.Valor() - passos * 3, 0, maximo));
    Desenha();
}
