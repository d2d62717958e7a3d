// The results title in its two lines: a short one as it is, a long one cut
// in its middle so the count at its end still shows.
#include "AreaPesquisa.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(AjustaTitulo, CurtoIntactoLongoCortadoNoMeio)
{
    const QFontMetrics fonte(QFont(QStringLiteral("DejaVu Sans"), 9));
    const int largura = 249;
    const auto linhas = [&](const QString& t) {
        return fonte.boundingRect(QRect(0, 0, largura, 1 << 20), Qt::TextWordWrap, t).height() / fonte.lineSpacing();
    };

    const QString curto = QStringLiteral("Resultado da busca por “casa” (3 verbetes).");
    EXPECT_EQ(AreaPesquisa::AjustaTitulo(curto, fonte, largura, 2), curto);

    const QString longo = QStringLiteral("Resultado da busca de palavras iniciadas por “desconfiadamente” e  "
                                         "terminadas em “mente”  (1672 verbetes).");
    ASSERT_GT(linhas(longo), 2);
    const QString ajustado = AreaPesquisa::AjustaTitulo(longo, fonte, largura, 2);
    EXPECT_LE(linhas(ajustado), 2) << ajustado.toStdString();
    EXPECT_TRUE(ajustado.startsWith(QStringLiteral("Resultado da busca"))) << ajustado.toStdString();
    EXPECT_TRUE(ajustado.endsWith(QStringLiteral("(1672 verbetes)."))) << ajustado.toStdString();
    EXPECT_TRUE(ajustado.contains(QChar(0x2026))) << ajustado.toStdString();

    // No width known yet: nothing is cut.
    EXPECT_EQ(AreaPesquisa::AjustaTitulo(longo, fonte, 0, 2), longo);
}
