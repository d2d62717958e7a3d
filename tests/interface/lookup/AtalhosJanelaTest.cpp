// The command keys of the window (tests/data/lookup/atalhos.tsv), and the
// keys the menus show for their items.
#include "AtalhosJanela.h"

#include "TabelaCasos.h"

#include <gtest/gtest.h>

TEST(AtalhosJanela, DecideComoATabela)
{
    const auto casos = LeCasos(QStringLiteral("lookup/atalhos.tsv"));
    ASSERT_GE(casos.size(), 20u);
    for (const QStringList& c : casos) {
        ASSERT_EQ(c.size(), 4) << c.join(u' ').toStdString();
        Qt::KeyboardModifiers mods;
        const std::pair<QChar, Qt::KeyboardModifier> letras[] = {{u'a', Qt::AltModifier},
                                                                 {u'c', Qt::ControlModifier},
                                                                 {u's', Qt::ShiftModifier},
                                                                 {u'k', Qt::KeypadModifier}};
        for (const auto& [letra, mod] : letras)
            if (c[1].contains(letra))
                mods |= mod;
        const QString botao = AtalhosJanela::Decide(c[0].toInt(nullptr, 16), mods, c[2] == u"1");
        EXPECT_EQ(botao.isEmpty() ? QStringLiteral("-") : botao, c[3]) << c.join(u' ').toStdString();
    }
    EXPECT_EQ(AtalhosJanela::TeclaDoItem(QStringLiteral("mnu_voltar")), u"Alt+Left");
    EXPECT_EQ(AtalhosJanela::TeclaDoItem(QStringLiteral("mnu_sair")), u"");
}
