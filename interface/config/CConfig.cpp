#include "CConfig.h"

#include "ModeloConfig.h"
#include "NumeroConfig.h"

#include <cmath>
#include <limits>

namespace {

using Escopo = ArmazemConfig::Escopo;
constexpr qint64 kMinimo32 = std::numeric_limits<qint32>::min();
constexpr qint64 kMaximo32 = std::numeric_limits<qint32>::max();
constexpr qint32 kCorMaxima = 0xFFFFFF;
constexpr qint32 kUltimoTipoFonte = 4;
constexpr qint32 kUltimaFonteVerbete = 2;
constexpr qint32 kUltimaFonteLista = std::numeric_limits<qint16>::max();

// The window a rejected rectangle is replaced by, in pixels.
constexpr int kLarguraSeguraPx = 640;
constexpr int kAlturaSeguraPx = 480;

QString Decimal(qint64 n) { return QString::number(n); }

} // namespace

CConfig::CConfig(ArmazemConfig& armazem) : m_armazem(armazem) { }

void CConfig::Inicializar(JanelaConfig* frm)
{
    m_janela = frm;
    if (m_janela)
        Configuracao().RetanguloNormal = m_janela->Geometria();
    EstadoJanela = EstadoNormal;
    CarregarConfiguracoes();
}

void CConfig::CarregarConfiguracoes()
{
    ModeloConfig& m = Configuracao();
    m.ElementosVerbete = ModeloConfig::ElementosIniciais();
    m.FonteLista = 1;
    m.FonteVerbete = ModeloConfig::FonteVerbetePadrao;
    m.MarcaCorFundo = ModeloConfig::MarcaCorFundoPadrao;
    m.MarcaCorTexto = ModeloConfig::MarcaCorTextoPadrao;
    LerConfiguracoesVerbete();
    LerConfiguracoesLista();
}

void CConfig::AtualizarPosicao()
{
    if (EstadoJanela == EstadoNormal && m_janela)
        Configuracao().RetanguloNormal = m_janela->Geometria();
}

Retangulo CConfig::AreaUtil() const
{
    const Tela tela = m_janela->TelaAtual();
    const BarraTarefas barra = m_janela->ConsultaBarraTarefas();
    return {AreaTrabalho::ObtemAreaEsquerda(barra, tela), AreaTrabalho::ObtemAreaTopo(barra, tela),
            AreaTrabalho::ObtemAreaLargura(barra, tela), AreaTrabalho::ObtemAreaAltura(barra, tela)};
}

void CConfig::MaximizarJanela()
{
    if (!m_janela)
        return;
    AtualizarPosicao();
    Retangulo area = AreaUtil();
    EstadoJanela = EstadoMaximizado;
    m_janela->MostraAlcaRedimensionar(false);
    const Tela tela = m_janela->TelaAtual();
    if (tela.AlturaTwips() < area.H)
        area.H = tela.AlturaTwips();
    if (tela.LarguraTwips() < area.W)
        area.W = tela.LarguraTwips();
    m_janela->DefineFiguraMaximizar(QStringLiteral("BTNRESTAURAR"));
    m_janela->Move(area);
}

void CConfig::RestaurarJanela()
{
    EstadoJanela = EstadoNormal;
    if (!m_janela)
        return;
    m_janela->MostraAlcaRedimensionar(true);
    m_janela->DefineFiguraMaximizar(QStringLiteral("BTNMAXIMIZAR"));
    m_janela->Move(Configuracao().RetanguloNormal);
}

void CConfig::DefineEstadoJanela(qint32 estado) { EstadoJanela = estado; }

void CConfig::MinimizarJanela()
{
    AtualizarPosicao();
    if (m_janela)
        m_janela->Minimiza();
}

void CConfig::CarregaSituacao()
{
    if (!m_janela)
        return;
    using namespace ValoresConfig;
    const qint64 somar = NumeroConfig::InteiroOu(Le(SomarFiltros), 0, 0, 1);
    m_janela->DefineSomarFiltros(static_cast<int>(somar));

    // Each coordinate defaults to where the window is now, also when the
    // stored text is not a number or does not fit in 32 bits.
    const Retangulo atual = m_janela->Geometria();
    auto coordenada = [&](const ValorConfig& valor, qint32 agora) {
        return static_cast<qint32>(NumeroConfig::InteiroOu(Le(valor, Decimal(agora)), agora, kMinimo32, kMaximo32));
    };
    Retangulo r{coordenada(JanelaX, atual.X), coordenada(JanelaY, atual.Y), coordenada(JanelaW, atual.W),
                coordenada(JanelaH, atual.H)};
    Configuracao().RetanguloNormal = r;

    const Tela tela = m_janela->TelaAtual();
    const qint64 largura = tela.LarguraTwips();
    const qint64 altura = tela.AlturaTwips();
    const bool fora =
        qint64(r.X) + r.W > largura || r.Y < 0 || r.X < 0 || qint64(r.Y) + r.H > altura || r.W <= 0 || r.H <= 0;
    if (fora) {
        const Retangulo seguro{0, 0, static_cast<qint32>(std::lround(kLarguraSeguraPx * m_janela->TwipsPorPixelX())),
                               static_cast<qint32>(std::lround(kAlturaSeguraPx * m_janela->TwipsPorPixelY()))};
        Configuracao().RetanguloNormal = seguro;
        m_janela->Move(seguro);
        MaximizarJanela();
        return;
    }
    if (Le(JanelaMax) != u"1") {
        m_janela->Move(r);
        return;
    }
    // Maximized at once: a restore still goes back to the stored place.
    MaximizarJanela();
    Configuracao().RetanguloNormal = r;
}

void CConfig::GravaSituacao()
{
    if (!m_janela)
        return;
    using namespace ValoresConfig;
    Grava(JanelaMax, EstadoJanela == EstadoMaximizado ? QStringLiteral("1") : QStringLiteral("0"));
    // Minimized or maximized, the place to restore to is what is kept, so
    // the next start restores to it.
    const bool normal = !m_janela->Minimizada() && EstadoJanela == EstadoNormal;
    const Retangulo r = normal ? m_janela->Geometria() : Configuracao().RetanguloNormal;
    Grava(JanelaX, Decimal(r.X));
    Grava(JanelaY, Decimal(r.Y));
    Grava(JanelaW, Decimal(r.W));
    Grava(JanelaH, Decimal(r.H));
}

std::optional<QString> CConfig::Consulta(Escopo escopo, const QString& nome)
{
    std::optional<QString> valor = m_armazem.Le(escopo, nome);
    if (!valor)
        return std::nullopt;
    // An empty value is stored as one NUL; the reader never sees it.
    if (valor->endsWith(QChar(0)))
        valor->chop(1);
    if (valor->size() >= LimiteLeitura)
        return std::nullopt;
    return valor;
}

QString CConfig::LeEscopo(Escopo escopo, const QString& nome, const QString& padrao)
{
    if (!m_armazem.ChaveExiste(escopo))
        return padrao;
    return Consulta(escopo, nome).value_or(padrao);
}

QString CConfig::LeReg(const QString& nome, const QString& padrao)
{
    // Without a per-user key (first run) nothing else is consulted.
    if (!m_armazem.ChaveExiste(Escopo::Usuario))
        return padrao;
    if (auto valor = Consulta(Escopo::Usuario, nome))
        return *valor;
    return LeEscopo(Escopo::Maquina, nome, padrao);
}

QString CConfig::LeRegCU(const QString& nome, const QString& padrao) { return LeEscopo(Escopo::Usuario, nome, padrao); }

QString CConfig::LeRegLM(const QString& nome, const QString& padrao) { return LeEscopo(Escopo::Maquina, nome, padrao); }

bool CConfig::GravaReg(const QString& nome, const QString& valor)
{
    if (m_armazem.ChaveExiste(Escopo::Usuario))
        return m_armazem.Grava(nome, valor.isEmpty() ? QString(QChar(0)) : valor);
    // The first write of a first run creates the key, then writes once more;
    // the outcome of that second write is not reported.
    if (CriaChave())
        GravaReg(nome, valor);
    return true;
}

bool CConfig::CriaChave() { return m_armazem.CriaChave(); }

QString CConfig::Le(const ValorConfig& valor) { return Le(valor, valor.Padrao()); }

QString CConfig::Le(const ValorConfig& valor, const QString& padrao)
{
    switch (valor.leitura) {
    case LeituraConfig::SoUsuario: return LeRegCU(valor.Nome(), padrao);
    case LeituraConfig::SoMaquina: return LeRegLM(valor.Nome(), padrao);
    case LeituraConfig::UsuarioDepoisMaquina: break;
    }
    return LeReg(valor.Nome(), padrao);
}

bool CConfig::Grava(const ValorConfig& valor, const QString& texto) { return GravaReg(valor.Nome(), texto); }

void CConfig::GravarConfiguracoesVerbete()
{
    using namespace ValoresConfig;
    const ModeloConfig& m = Configuracao();
    for (const ElementoVerbete& e : m.ElementosVerbete) {
        GravaReg(Cor.Nome(e.Nome), e.Cor);
        GravaReg(TipoFonte.Nome(e.Nome), Decimal(e.TipoFonte));
    }
    Grava(ValoresConfig::FonteVerbete, Decimal(m.FonteVerbete));
    Grava(ValoresConfig::MarcaCorFundo, Decimal(m.MarcaCorFundo));
    Grava(ValoresConfig::MarcaCorTexto, Decimal(m.MarcaCorTexto));
}

void CConfig::LerConfiguracoesVerbete()
{
    ModeloConfig& m = Configuracao();
    // What is in memory is the default of every read, so an absent or
    // unreadable value never loses a setting.
    auto cor = [&](const SufixoElemento& sufixo, const QString& nome, const QString& atual) {
        return NumeroConfig::CorHex(LeReg(sufixo.Nome(nome), atual)).value_or(atual);
    };
    auto tipo = [&](const SufixoElemento& sufixo, const QString& nome, qint16 atual) {
        return static_cast<qint16>(
            NumeroConfig::InteiroOu(LeReg(sufixo.Nome(nome), Decimal(atual)), atual, 0, kUltimoTipoFonte));
    };
    for (ElementoVerbete& e : m.ElementosVerbete) {
        e.CorPadrao = cor(ValoresConfig::CorPadrao, e.Nome, e.CorPadrao);
        e.Cor = cor(ValoresConfig::Cor, e.Nome, e.Cor);
        e.TipoFonte = tipo(ValoresConfig::TipoFonte, e.Nome, e.TipoFonte);
        e.TipoFontePadrao = tipo(ValoresConfig::TipoFontePadrao, e.Nome, e.TipoFontePadrao);
    }
    m.FonteVerbete = static_cast<qint16>(NumeroConfig::InteiroOu(
        Le(ValoresConfig::FonteVerbete, Decimal(m.FonteVerbete)), m.FonteVerbete, 0, kUltimaFonteVerbete));
    m.MarcaCorFundo = static_cast<quint32>(NumeroConfig::InteiroOu(
        Le(ValoresConfig::MarcaCorFundo, Decimal(m.MarcaCorFundo)), m.MarcaCorFundo, 0, kCorMaxima));
    m.MarcaCorTexto = static_cast<quint32>(NumeroConfig::InteiroOu(
        Le(ValoresConfig::MarcaCorTexto, Decimal(m.MarcaCorTexto)), m.MarcaCorTexto, 0, kCorMaxima));
}

void CConfig::RestauraConfiguracoesVerbete()
{
    ModeloConfig& m = Configuracao();
    for (ElementoVerbete& e : m.ElementosVerbete) {
        e.Cor = e.CorPadrao;
        e.TipoFonte = e.TipoFontePadrao;
    }
    m.FonteVerbete = ModeloConfig::FonteVerbetePadrao;
    m.MarcaCorFundo = ModeloConfig::MarcaCorFundoPadrao;
    m.MarcaCorTexto = ModeloConfig::MarcaCorTextoPadrao;
}

void CConfig::RestauraConfiguracoesLista() { Configuracao().FonteLista = 0; }

void CConfig::LerConfiguracoesLista()
{
    Configuracao().FonteLista =
        static_cast<qint16>(NumeroConfig::InteiroOu(Le(ValoresConfig::FonteLista), 0, 0, kUltimaFonteLista));
}

void CConfig::GravarConfiguracoesLista() { Grava(ValoresConfig::FonteLista, Decimal(Configuracao().FonteLista)); }
