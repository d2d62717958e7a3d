#include "AbasListas.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kBorda(142, 166, 184);
const QColor kAtiva(255, 255, 255);
const QColor kInativa(222, 230, 236);
const QColor kTexto(52, 82, 104);

} // namespace

AbasListas::AbasListas(QWidget* pai) : QWidget(pai)
{
    setObjectName(QStringLiteral("imgBtSelLista"));
    setAccessibleName(QStringLiteral("Listas"));
    setCursor(Qt::PointingHandCursor);
}

int AbasListas::AbaEm(int x) { return x * TwipsPorPixel >= InicioSegundaTwips ? 2 : 1; }

void AbasListas::DefineAtiva(int qual)
{
    if (qual == m_ativa)
        return;
    m_ativa = qual;
    update();
}

void AbasListas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int divisa = (InicioSegundaTwips + TwipsPorPixel - 1) / TwipsPorPixel;
    const QRect abas[2] = {QRect(0, 0, divisa - 1, height()), QRect(divisa, 0, width() - divisa, height())};
    const QString nomes[2] = {QStringLiteral("Dicionário"), QStringLiteral("Resultados da Pesquisa")};
    QFont fonte = font();
    fonte.setPointSizeF(7.5);
    for (int i = 0; i < 2; ++i) {
        const bool ativa = m_ativa == i + 1;
        fonte.setBold(ativa);
        p.setFont(fonte);
        p.setPen(kBorda);
        p.setBrush(ativa ? kAtiva : kInativa);
        p.drawRoundedRect(QRectF(abas[i]).adjusted(0.5, 0.5, -0.5, ativa ? 3 : -0.5), 3, 3);
        p.setPen(kTexto);
        p.drawText(abas[i], Qt::AlignCenter, nomes[i]);
    }
}

void AbasListas::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && AoSelecionar && rect().contains(e->position().toPoint()))
        AoSelecionar(AbaEm(static_cast<int>(e->position().x())));
}
