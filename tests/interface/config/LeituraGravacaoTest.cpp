// Reading and writing single values: scopes, fallbacks, defaults, the
// stored form of empty texts and the length limit.
#include "ArmazemMemoria.h"
#include "CConfig.h"
#include "TabelaCasos.h"

#include <algorithm>
#include <gtest/gtest.h>

using Escopo = ArmazemConfig::Escopo;

TEST(LeituraGravacao, PrimeiraExecucao)
{
    ArmazemMemoria armazem;
    armazem.Define(Escopo::Maquina, "TempoTip", "9");
    CConfig config(armazem);
    // No per-user key: the declared defaults, machine-wide values unseen.
    const auto padroes = LeCasos(QStringLiteral("config/padroes.tsv"));
    ASSERT_GE(padroes.size(), 11u);
    for (const QStringList& p : padroes) {
        ASSERT_EQ(p.size(), 2) << p.join(u' ').toStdString();
        const auto& todos = ValoresConfig::Todos();
        const auto v = std::find_if(todos.begin(), todos.end(), [&](const ValorConfig& t) { return t.Nome() == p[0]; });
        ASSERT_NE(v, todos.end()) << p[0].toStdString();
        EXPECT_EQ(config.Le(*v), p[1]) << p[0].toStdString();
    }
    EXPECT_EQ(config.Le(ValoresConfig::InstalacaoMaquina), "1");
    EXPECT_EQ(config.Le(ValoresConfig::InstalacaoUsuario), "2");
    EXPECT_EQ(config.LeRegLM("TempoTip", "6"), "9");

    // The first write creates the key, then stores; now the machine-wide
    // value shows through for what the user has not set.
    EXPECT_TRUE(config.GravaReg("ModoBusca", "1"));
    EXPECT_EQ(armazem.Valores(Escopo::Usuario).value("ModoBusca"), "1");
    EXPECT_EQ(config.LeReg("TempoTip", "6"), "9");
    EXPECT_EQ(config.LeRegCU("TempoTip", "6"), "6");
}

TEST(LeituraGravacao, UsuarioDepoisMaquina)
{
    ArmazemMemoria armazem;
    armazem.Define(Escopo::Usuario, "Fonte lista", "1");
    armazem.Define(Escopo::Maquina, "Fonte lista", "0");
    armazem.Define(Escopo::Maquina, QString::fromUtf8("Título - Cor Padrao"), "112233");
    armazem.Define(Escopo::Maquina, "DirInstalado", "/opt/minilexaria");
    armazem.Define(Escopo::Usuario, "DirInstalado", "/tmp/errado");
    CConfig config(armazem);
    EXPECT_EQ(config.LeReg("Fonte lista", "0"), "1");
    EXPECT_EQ(config.LeReg(QString::fromUtf8("Título - Cor Padrao"), "336699"), "112233");
    EXPECT_EQ(config.LeReg("Ausente", "x"), "x");
    EXPECT_EQ(config.Le(ValoresConfig::DirInstalado, "pasta"), "/opt/minilexaria");
    armazem.chaveMaquina = false;
    EXPECT_EQ(config.LeReg(QString::fromUtf8("Título - Cor Padrao"), "336699"), "336699");
}

TEST(LeituraGravacao, TextoVazioEComprimento)
{
    ArmazemMemoria armazem;
    armazem.Define(Escopo::Usuario, "Cabe", QString(499, u'a'));
    armazem.Define(Escopo::Usuario, "Longo", QString(500, u'b'));
    armazem.Define(Escopo::Maquina, "Longo", "curto");
    armazem.Define(Escopo::Maquina, "Cabe", "nunca");
    CConfig config(armazem);

    // An empty text is stored as one NUL and read back as empty.
    EXPECT_TRUE(config.GravaReg("HistTit1", ""));
    EXPECT_EQ(armazem.Valores(Escopo::Usuario).value("HistTit1"), QString(QChar(0)));
    EXPECT_EQ(config.LeReg("HistTit1", "padrão"), "");

    // 499 characters read; 500 do not, so the machine-wide value is taken.
    EXPECT_EQ(config.LeReg("Cabe", "").size(), 499);
    EXPECT_EQ(config.LeReg("Longo", "p"), "curto");
    EXPECT_EQ(config.LeRegCU("Longo", "p"), "p");
    armazem.Define(Escopo::Maquina, "Longo", QString(600, u'c'));
    EXPECT_EQ(config.LeReg("Longo", "p"), "p");
}

TEST(LeituraGravacao, FalhasDeGravacao)
{
    ArmazemMemoria soLeitura;
    soLeitura.chaveUsuario = soLeitura.falhaGravacao = true;
    EXPECT_FALSE(CConfig(soLeitura).GravaReg("JanelaMax", "1"));

    // The key cannot be created: nothing stored, yet no failure reported,
    // and the same when the write after creating it fails.
    ArmazemMemoria semChave;
    semChave.falhaCriacao = true;
    EXPECT_TRUE(CConfig(semChave).GravaReg("JanelaMax", "1"));
    EXPECT_EQ(semChave.gravacoes, 0);
    ArmazemMemoria criaMasFalha;
    criaMasFalha.falhaGravacao = true;
    EXPECT_TRUE(CConfig(criaMasFalha).GravaReg("JanelaMax", "1"));
    EXPECT_TRUE(criaMasFalha.chaveUsuario);
}
