// Every command word of the menus and the settings dialogs, from a table.
#include "ComandoMenu.h"

#include "ArmazemMemoria.h"
#include "CConfig.h"
#include "ModeloConfig.h"
#include "TabelaCasos.h"

#include <gtest/gtest.h>

namespace {

struct AlvoRegistro : ComandoMenu::Alvo {
    QStringList passos;
    void Clique(const QString& controle) override { passos << "Clique:" + controle; }
    void AlteraModelo(qint16 modo) override { passos << QStringLiteral("Modelo:%1").arg(modo); }
    void DesmarcarBotoes() override { passos << QStringLiteral("Desmarca"); }
    void DefineCoresMarca(quint32 fundo, quint32 texto) override
    {
        passos << QStringLiteral("Cores:%1/%2").arg(fundo).arg(texto);
    }
    void AlteraFonteListas(qint16 fonte) override { passos << QStringLiteral("Fonte:%1").arg(fonte); }
    void AlteraDirNotas(const QString& pasta) override { passos << "Notas:" + pasta; }
};

} // namespace

TEST(ComandoMenu, CadaPalavraDaTabela)
{
    const auto casos = LeCasos(QStringLiteral("app/comando-menu.tsv"));
    ASSERT_GE(casos.size(), 30u);
    ModeloConfig modelo;
    modelo.MarcaCorFundo = 255;
    modelo.MarcaCorTexto = 16711680;
    modelo.FonteLista = 3;
    for (const QStringList& caso : casos) {
        ASSERT_EQ(caso.size(), 3) << caso.join(u'|').toStdString();
        ArmazemMemoria armazem;
        for (const QString& ajuste : caso[1].split(u';', Qt::SkipEmptyParts)) {
            const qsizetype igual = ajuste.indexOf(u'=');
            armazem.Define(ArmazemConfig::Escopo::Usuario, ajuste.left(igual), ajuste.mid(igual + 1));
        }
        CConfig config(armazem);
        AlvoRegistro alvo;
        const ComandoMenu comando(alvo, config, modelo, QStringLiteral("/dados"));
        const QString palavra = caso[0].startsWith(u"mnu_") ? ComandoMenu::DoItem(caso[0]) : caso[0];
        comando.Executa(palavra);
        EXPECT_EQ(alvo.passos.join(u' '), caso[2]) << '"' << caso[0].toStdString() << '"';
    }
}
