#include "UtilTexto.h"

#include "mini/Normaliza.h"

#include <QStringView>
#include <string>

namespace {

constexpr QChar kEspacoRigido(0x00A0);
constexpr qsizetype kLimiteVerbete = 39;

// Next code point at i, moving i past it. A lone surrogate is not a
// character; it comes back as U+FFFD.
char32_t ProximoCaractere(QStringView texto, qsizetype& i)
{
    const QChar c = texto.at(i++);
    if (c.isHighSurrogate() && i < texto.size() && texto.at(i).isLowSurrogate())
        return QChar::surrogateToUcs4(c, texto.at(i++));
    if (c.isSurrogate())
        return 0xFFFD;
    return c.unicode();
}

// The first n characters, counting a surrogate pair as one.
QString PrimeirosCaracteres(const QString& texto, qsizetype n)
{
    qsizetype i = 0;
    for (qsizetype contados = 0; contados < n && i < texto.size(); ++contados)
        ProximoCaractere(texto, i);
    return texto.left(i);
}

qsizetype ContaCaracteres(QStringView texto)
{
    qsizetype i = 0;
    qsizetype total = 0;
    while (i < texto.size()) {
        ProximoCaractere(texto, i);
        ++total;
    }
    return total;
}

void AcrescentaReferencia(QString& destino, char32_t c)
{
    destino.append(u"&#");
    destino.append(QString::number(static_cast<uint>(c)));
    destino.append(u';');
}

bool ForaDoAscii(char32_t c) { return c < 32 || c > 127; }

} // namespace

QString NormalizaPalavra(const QString& texto)
{
    return QString::fromStdString(mini::NormalizaPalavra(texto.toStdString()));
}

QString CortaEspacoRigido(const QString& texto)
{
    const qsizetype pos = texto.indexOf(kEspacoRigido);
    return pos < 0 ? texto : texto.left(pos);
}

bool TemPalavraLonga(const QString& texto)
{
    // Runs of spaces count as one, so empty pieces are of no interest.
    const QStringList pecas = texto.split(u' ', Qt::SkipEmptyParts);
    for (const QString& peca : pecas)
        if (ContaCaracteres(peca) > 1)
            return true;
    return false;
}

QString RetiraPalavrasComuns(const QString& consulta, const MostraModeloPagina& mostra)
{
    auto avisa = [&](int modelo, const QStringList& valores) {
        if (mostra)
            mostra(modelo, valores);
    };
    if (!TemPalavraLonga(consulta)) {
        avisa(kModeloSemPalavraLonga, {});
        return {};
    }
    if (EhPalavraComum(AparaEspacos(consulta))) {
        avisa(kModeloSoPalavrasComuns, {consulta});
        return {};
    }
    // Empty pieces (from doubled spaces) are dropped, so the words come back
    // joined by exactly one space.
    QStringList mantidas;
    for (const QString& peca : consulta.split(u' ', Qt::SkipEmptyParts))
        if (!EhPalavraComum(peca))
            mantidas.append(peca);
    const QString resultado = mantidas.join(u' ');
    if (resultado.isEmpty())
        avisa(kModeloSoPalavrasComuns, {consulta});
    return resultado;
}

// Both encoders build a new text front to back; nothing they insert is read
// again, which is what matters (an inserted "&" must never become "&amp;").
QString CodificaHTML(const QString& texto)
{
    QString saida;
    saida.reserve(texto.size() + texto.size() / 4);
    qsizetype i = 0;
    while (i < texto.size()) {
        const char32_t c = ProximoCaractere(texto, i);
        switch (c) {
        case U' ': saida.append(u"&nbsp;"); break;
        case U'"': saida.append(u"&quot;"); break;
        case U'&': saida.append(u"&amp;"); break;
        case U'<': saida.append(u"&lt;"); break;
        case U'>': saida.append(u"&gt;"); break;
        default:
            if (ForaDoAscii(c))
                AcrescentaReferencia(saida, c);
            else
                saida.append(QChar(static_cast<char16_t>(c)));
        }
    }
    return saida;
}

QString CodificaHTMLTexto(const QString& texto)
{
    QString saida;
    saida.reserve(texto.size() + texto.size() / 4);
    qsizetype i = 0;
    while (i < texto.size()) {
        const char32_t c = ProximoCaractere(texto, i);
        if (!ForaDoAscii(c) || c == U'\t')
            saida.append(QChar(static_cast<char16_t>(c)));
        else if (c == 0x2018 || c == 0x2019)
            saida.append(u'\'');
        else if (c == 0x201C || c == 0x201D)
            saida.append(u'"');
        else
            AcrescentaReferencia(saida, c);
    }
    return saida;
}

QString RetiraTags(const QString& html)
{
    QString saida;
    saida.reserve(html.size());
    bool dentroDeTag = false;
    for (const QChar c : html) {
        if (c == u'<') {
            dentroDeTag = true;
        } else if (c == u'>') {
            dentroDeTag = false;
        } else if (!dentroDeTag) {
            saida.append(c);
        }
    }
    return saida;
}

QString limpaVerbete(const QString& verbete)
{
    QString limpo = CortaEspacoRigido(limpaVerbete1(verbete));
    limpo.remove(u'.');
    limpo.remove(u':');
    return limpo;
}

QString limpaVerbete1(const QString& verbete) { return AparaEspacos(PrimeirosCaracteres(verbete, kLimiteVerbete)); }

QString AparaEspacos(const QString& texto)
{
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && texto.at(inicio) == u' ')
        ++inicio;
    while (fim > inicio && texto.at(fim - 1) == u' ')
        --fim;
    return texto.mid(inicio, fim - inicio);
}
