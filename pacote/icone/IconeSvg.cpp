#include "IconeSvg.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

QColor Cor(const QString& texto) { return texto.isEmpty() || texto == u"none" ? QColor() : QColor(texto); }

} // namespace

bool IconeSvg::LeCaminho(const QString& d, QPainterPath& caminho)
{
    static const QRegularExpression item(QStringLiteral("([MLCZ])|(-?[0-9.]+)"));
    QChar comando;
    std::vector<double> n;
    auto fecha = [&]() -> bool {
        if (comando == u'M' && n.size() == 2)
            caminho.moveTo(n[0], n[1]);
        else if (comando == u'L' && n.size() == 2)
            caminho.lineTo(n[0], n[1]);
        else if (comando == u'C' && n.size() == 6)
            caminho.cubicTo(n[0], n[1], n[2], n[3], n[4], n[5]);
        else if (comando == u'Z' && n.empty())
            caminho.closeSubpath();
        else if (!comando.isNull())
            return false;
        n.clear();
        return true;
    };
    for (auto it = item.globalMatch(d); it.hasNext();) {
        const auto m = it.next();
        if (m.capturedLength(1)) {
            if (!fecha())
                return false;
            comando = m.captured(1).at(0);
        } else {
            n.push_back(m.captured(2).toDouble());
        }
    }
    return fecha();
}

bool IconeSvg::Le(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        m_erro = QStringLiteral("não foi possível ler ") + arquivo;
        return false;
    }
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        const QString nome = xml.name().toString();
        if (nome == u"svg") {
            m_lado = a.value(QLatin1String("width")).toDouble();
            continue;
        }
        Forma forma;
        if (nome == u"rect") {
            const double rx = a.value(QLatin1String("rx")).toDouble();
            forma.caminho.addRoundedRect(a.value(QLatin1String("x")).toDouble(), a.value(QLatin1String("y")).toDouble(),
                                         a.value(QLatin1String("width")).toDouble(),
                                         a.value(QLatin1String("height")).toDouble(), rx, rx);
        } else if (nome == u"path") {
            if (!LeCaminho(a.value(QLatin1String("d")).toString(), forma.caminho)) {
                m_erro = QStringLiteral("caminho não entendido: ") + a.value(QLatin1String("d")).toString();
                return false;
            }
        } else {
            m_erro = QStringLiteral("elemento não entendido: ") + nome;
            return false;
        }
        forma.preenchimento = Cor(a.value(QLatin1String("fill")).toString());
        forma.traco = Cor(a.value(QLatin1String("stroke")).toString());
        if (a.hasAttribute(QLatin1String("stroke-width")))
            forma.largura = a.value(QLatin1String("stroke-width")).toDouble();
        forma.pontaRedonda = a.value(QLatin1String("stroke-linecap")) == u"round";
        m_formas.push_back(forma);
    }
    if (xml.hasError() || m_lado <= 0 || m_formas.empty()) {
        m_erro = QStringLiteral("desenho incompleto: ") + xml.errorString();
        return false;
    }
    return true;
}

QImage IconeSvg::Desenha(int lado) const
{
    QImage imagem(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / m_lado, lado / m_lado);
    for (const Forma& f : m_formas) {
        p.setBrush(f.preenchimento.isValid() ? QBrush(f.preenchimento) : QBrush(Qt::NoBrush));
        if (f.traco.isValid())
            p.setPen(QPen(f.traco, f.largura, Qt::SolidLine, f.pontaRedonda ? Qt::RoundCap : Qt::FlatCap));
        else
            p.setPen(Qt::NoPen);
        p.drawPath(f.caminho);
    }
    return imagem;
}
