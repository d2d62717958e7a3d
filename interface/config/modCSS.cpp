#include "modCSS.h"

#include "TabelaStrings.h"

#include <QDir>
#include <QFile>
#include <cmath>

namespace {

// Line-height factor and superscript sizes that go with each base size.
// The factor is single precision on purpose: the sizes it gives are the
// ones the sheets have always had (0.8 and 0.9 are not exact in float).
struct Escala {
    float fator;
    const char* sup;
    const char* supTitulo;
};

Escala EscalaDe(const QString& s)
{
    if (s == u"10")
        return {0.8f, "8", "10"};
    if (s == u"11")
        return {1.0f, "11", "12"};
    if (s == u"12")
        return {0.9f, "12", "14"};
    return {0.0f, "", ""};
}

QString Px(qint64 n) { return QString::number(n) + QStringLiteral("px"); }
QString Px(const char* n) { return QString::fromLatin1(n) + QStringLiteral("px"); }

QString Estilo(qint16 tipo) { return tipo == 2 || tipo == 3 ? QStringLiteral("Bold") : QStringLiteral("Normal"); }
QString Italico(qint16 tipo) { return tipo == 1 || tipo == 3 ? QStringLiteral("Italic") : QStringLiteral("Normal"); }
QString Sublinhado(qint16 tipo) { return tipo == 4 ? QStringLiteral("Underline") : QStringLiteral("None"); }

} // namespace

modCSS::modCSS(const QString& pastaPrograma, const ModeloConfig& modelo, AvisoCSS& aviso)
    : m_pasta(pastaPrograma), m_modelo(modelo), m_aviso(aviso)
{
}

bool modCSS::InicializaCSS()
{
    m_tamanhosFonte = {QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12"), QString()};
    const QDir pasta(m_pasta);
    m_modeloCSS = LeArquivoTexto(pasta.filePath(QStringLiteral("mod.dat")));
    m_modeloExemplo = LeArquivoTexto(pasta.filePath(QStringLiteral("exemplo.htm")));
    return !m_modeloCSS.isEmpty() && !m_modeloExemplo.isEmpty();
}

QString modCSS::LeArquivoTexto(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

bool modCSS::GravaArquivoTexto(const QString& caminho, const QString& texto)
{
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray dados = texto.toUtf8();
    const bool ok = f.write(dados) == dados.size();
    f.close();
    return ok && f.error() == QFileDevice::NoError;
}

qint64 modCSS::Arredonda(double x)
{
    return static_cast<qint64>(std::nearbyint(x)); // the default mode rounds halves to even
}

QString modCSS::GeraCSS(qint16 modo) const
{
    QString css = m_modeloCSS;
    const qint16 indice = m_modelo.FonteVerbete;
    const QString s = indice >= 0 && indice < static_cast<qint16>(m_tamanhosFonte.size())
                          ? m_tamanhosFonte[static_cast<size_t>(indice)]
                          : QString();
    const Escala e = EscalaDe(s);
    const double n = s.toDouble();
    const double f = e.fator;

    css.replace(QStringLiteral("<tamanhoFonteSup>"), Px(e.sup));
    css.replace(QStringLiteral("<tamanhoLinhaSup>"), Px(e.sup));
    css.replace(QStringLiteral("<tamanhoFonteSupTitulo>"), Px(e.supTitulo));
    css.replace(QStringLiteral("<tamanhofonte>"), s + QStringLiteral("px"));
    css.replace(QStringLiteral("<tamanhofonteTitulo>"), Px(Arredonda(n * 1.6)));
    css.replace(QStringLiteral("<tamanhofonteSimbolo>"), Px(Arredonda(n * 1.1)));
    css.replace(QStringLiteral("<tamanhofonteFNCT>"), Px(Arredonda(n * 1.2)));
    css.replace(QStringLiteral("<tamanhofonteMusical>"), Px(Arredonda(n * 1.45)));
    css.replace(QStringLiteral("<alturaLinhaTitulo>"), Px(Arredonda(n * 2.7 * f)));

    const QString linha = Px(Arredonda(n * 1.636 * f));
    // In the dictionary mode the class and regency lines are as tall as any
    // other, so the run-in senses keep an even spacing.
    const QString linhaCG = modo == ModoDicionario ? linha : Px(Arredonda((n + n) * f));
    css.replace(QStringLiteral("<alturaLinha>"), linha);
    css.replace(QStringLiteral("<alturaLinhaCG>"), linhaCG);
    css.replace(QStringLiteral("<alturaLinhaReg>"), linhaCG);

    for (const ElementoVerbete& el : m_modelo.ElementosVerbete) {
        const QString fim = el.Nome + u'>';
        css.replace(QStringLiteral("<cor") + fim, el.Cor);
        css.replace(QStringLiteral("<estilo") + fim, Estilo(el.TipoFonte));
        css.replace(QStringLiteral("<italico") + fim, Italico(el.TipoFonte));
        css.replace(QStringLiteral("<underline") + fim, Sublinhado(el.TipoFonte));
    }

    if (modo >= ModoCompleto && modo <= ModoDicionario) {
        css.replace(QStringLiteral("<mostra>"), modo == ModoResumido ? QStringLiteral("None") : QString());
        css.replace(QStringLiteral("<mostraBR>"), modo == ModoDicionario ? QStringLiteral("None") : QString());
    }
    return css;
}

QString modCSS::AplicaEstiloExemplo(const QString& css) const
{
    QString pagina = m_modeloExemplo;
    return pagina.replace(QStringLiteral("<estilo/>"), css);
}

QString modCSS::PaginaExemplo() const { return AplicaEstiloExemplo(GeraCSS(ModoCompleto)); }

QString modCSS::PastaCss() const { return QDir(m_pasta).filePath(QStringLiteral("css")); }

void modCSS::Avisa(const QString& pasta)
{
    m_aviso.ErroCritico(TabelaStrings::Texto(TabelaStrings::TituloMensagens),
                        TabelaStrings::Texto(NaoPodeGravar, QDir::toNativeSeparators(pasta)));
}

bool modCSS::GravaCSS()
{
    const QDir css(PastaCss());
    for (qint16 modo = ModoCompleto; modo <= ModoDicionario; ++modo) {
        const QString nome = QStringLiteral("estilo%1.css").arg(modo + 1);
        if (!GravaArquivoTexto(css.filePath(nome), GeraCSS(modo))) {
            Avisa(PastaCss());
            return false;
        }
    }
    return true;
}

bool modCSS::PodeGravarCSS()
{
    QFile f(QDir(PastaCss()).filePath(QStringLiteral("estilo1.css")));
    if (!f.open(QIODevice::Append)) {
        Avisa(PastaCss() + u'/');
        return false;
    }
    f.close();
    return true;
}
