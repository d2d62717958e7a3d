#include "CBuscasAnteriores.h"

#include "SuperficieDesenho.h"

#include <QColor>
#include <cmath>

namespace {

constexpr double kTopo = 2;
constexpr double kMargem = 3;

} // namespace

void CBuscasAnteriores::Inicializa(SuperficieDesenho* fundo)
{
    m_picFundo = fundo;
    if (m_picFundo)
        m_picFundo->DefineOuvinte(this);
    Mede();
}

void CBuscasAnteriores::Mede()
{
    if (!m_picFundo)
        return;
    alturaLinha = m_picFundo->AlturaTexto(QStringLiteral("W"), Fonte);
    numLinhas = alturaLinha > 0 ? static_cast<int>(std::floor(m_picFundo->Altura() / alturaLinha)) : 0;
}

void CBuscasAnteriores::Redimensionada()
{
    Mede();
    DesenhaLista();
}

void CBuscasAnteriores::Adiciona(const QString& titulo, qint32 id)
{
    if (titulo.isEmpty())
        return;
    CHistReg registro;
    registro.Dados(titulo, id, QString(), QString(), QString());
    const int total = Quantidade();
    bool acrescenta = true;
    for (int i = 0; i < total; ++i) {
        if (registros[size_t(i)].getIDVerbete() != id)
            continue;
        // Among the four newest it stays where it is; older, it moves up.
        if (i + 1 < total - 3)
            registros.erase(registros.begin() + i);
        else
            acrescenta = false;
        break;
    }
    if (acrescenta)
        registros.push_back(registro);
    if (Quantidade() > Capacidade)
        registros.erase(registros.begin());
    DesenhaLista();
}

void CBuscasAnteriores::DesenhaLista()
{
    if (!m_picFundo)
        return;
    m_picFundo->Limpa(Qt::white);
    double y = kTopo;
    const int total = Quantidade();
    for (int i = total; i >= total - numLinhas && i > 0; --i) {
        const QString& t = registros[size_t(i - 1)].getTitulo();
        qsizetype marca = t.indexOf(QChar(0x00A0));
        if (marca < 0)
            marca = t.indexOf(QChar(0x0178));
        if (marca >= 0) {
            const double x = m_picFundo->ImprimeTexto(kMargem, y, t.left(marca), Fonte, Qt::black);
            m_picFundo->ImprimeTexto(x, y, t.mid(marca + 1) + u' ', FonteHomonimo, Qt::black);
        } else {
            m_picFundo->ImprimeTexto(kMargem, y, t, Fonte, Qt::black);
        }
        y += alturaLinha;
    }
}

void CBuscasAnteriores::MousePressiona(double, double y, int)
{
    linhaClicada = alturaLinha > 0 ? static_cast<int>(std::floor((y - kTopo) / alturaLinha)) : -1;
}

void CBuscasAnteriores::MouseSolta(double, double, int)
{
    const int total = Quantidade();
    if (linhaClicada < 0 || total - linhaClicada <= 0)
        return;
    const CHistReg& r = registros[size_t(total - linhaClicada - 1)];
    if (Eventos.SelecionaItem)
        Eventos.SelecionaItem(r.getTitulo(), r.getIDVerbete());
}

void CBuscasAnteriores::GravaHistorico(const std::function<bool(const QString&, const QString&)>& gravaReg) const
{
    const int total = Quantidade();
    for (int k = 1; k <= Guardadas; ++k) {
        if (total <= Guardadas - k)
            continue;
        const CHistReg& r = registros[size_t(total - Guardadas + k - 1)];
        gravaReg(QStringLiteral("HistTit%1").arg(k), r.getTitulo());
        gravaReg(QStringLiteral("HistID%1").arg(k), QString::number(r.getIDVerbete()));
    }
}
