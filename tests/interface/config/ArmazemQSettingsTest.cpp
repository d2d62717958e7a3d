// The QSettings store on two INI files: names kept intact, scopes kept
// apart, the per-user file created on the first write.
#include "ArmazemQSettings.h"

#include "CConfig.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using Escopo = ArmazemConfig::Escopo;

TEST(ArmazemQSettings, NomesDificeisIntactos)
{
    EXPECT_EQ(ArmazemQSettings::EscapaNome("a/b%c\\d"), "a%2Fb%25c%5Cd");
    EXPECT_EQ(ArmazemQSettings::RestauraNome("a%2Fb%25c%5Cd%41"), "a/b%c\\d%41");

    QTemporaryDir pasta;
    const QString usuario = pasta.filePath("u/MiniLexaria.conf");
    const QString maquina = pasta.filePath("m/MiniLexaria.conf");
    ArmazemQSettings armazem(usuario, maquina);
    EXPECT_FALSE(armazem.ChaveExiste(Escopo::Usuario));
    EXPECT_FALSE(armazem.Grava("x", "1")); // no key yet
    ASSERT_TRUE(armazem.CriaChave());

    const QStringList nomes = {QString::fromUtf8("Classe gramatical/Regência - Cor "), "Achega - Cor ", "Achega - Cor",
                               "100%2F", QString::fromUtf8("Título da locução - Tipo Fonte Padrão")};
    for (int i = 0; i < nomes.size(); ++i)
        EXPECT_TRUE(armazem.Grava(nomes[i], QString::number(i)));
    EXPECT_TRUE(armazem.Grava("HistTit1", QString(QChar(0))));
    EXPECT_TRUE(armazem.Grava("DirNotas", "C:\\Meus documentos, notas/@x"));

    ArmazemQSettings relido(usuario, maquina);
    for (int i = 0; i < nomes.size(); ++i)
        EXPECT_EQ(relido.Le(Escopo::Usuario, nomes[i]), QString::number(i)) << nomes[i].toStdString();
    EXPECT_EQ(relido.Le(Escopo::Usuario, "HistTit1"), QString(QChar(0)));
    EXPECT_EQ(relido.Le(Escopo::Usuario, "DirNotas"), "C:\\Meus documentos, notas/@x");
    EXPECT_FALSE(relido.Le(Escopo::Usuario, "Classe gramatical").has_value());
    EXPECT_TRUE(QSettings(usuario, QSettings::IniFormat).childGroups().isEmpty());
}

TEST(ArmazemQSettings, EscoposSeparados)
{
    QTemporaryDir pasta;
    const QString usuario = pasta.filePath("u/MiniLexaria.conf");
    const QString maquina = pasta.filePath("m/MiniLexaria.conf");
    QDir().mkpath(pasta.filePath("m"));
    QFile f(maquina);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // As an installer writes it by hand: escaped names, a list-looking value.
    f.write("[General]\nT%EDtulo%20-%20Cor%20Padrao=112233\nTempoTip=9\nDirInstalado=/opt/a, b\n");
    f.close();

    ArmazemQSettings armazem(usuario, maquina);
    CConfig config(armazem);
    EXPECT_EQ(config.LeReg(QString::fromUtf8("Título - Cor Padrao"), "336699"), "336699"); // first run
    EXPECT_EQ(config.LeRegLM("DirInstalado", ""), "/opt/a, b");
    config.GravaReg("HistTit1", "");
    EXPECT_TRUE(QFile::exists(usuario));
    EXPECT_EQ(config.LeReg(QString::fromUtf8("Título - Cor Padrao"), "336699"), "112233");
    EXPECT_EQ(config.LeReg("HistTit1", "x"), "");
    EXPECT_EQ(config.LeRegCU("TempoTip", "6"), "6");
}

TEST(ArmazemQSettings, FalhasDoMeio)
{
    QTemporaryDir pasta;
    // A plain file where the folder should be: the key cannot be made.
    QFile obstaculo(pasta.filePath("ocupado"));
    ASSERT_TRUE(obstaculo.open(QIODevice::WriteOnly));
    obstaculo.close();
    ArmazemQSettings semPasta(pasta.filePath("ocupado/MiniLexaria.conf"), pasta.filePath("m.conf"));
    EXPECT_FALSE(semPasta.CriaChave());

    // A folder where the file should be: present, but not writable.
    ASSERT_TRUE(QDir(pasta.path()).mkpath("pasta.conf"));
    ArmazemQSettings naoGrava(pasta.filePath("pasta.conf"), pasta.filePath("m.conf"));
    EXPECT_TRUE(naoGrava.ChaveExiste(Escopo::Usuario));
    CConfig config(naoGrava);
    EXPECT_FALSE(config.GravaReg("JanelaMax", "0"));
    EXPECT_EQ(config.LeReg("JanelaMax", "1"), "1");
}

TEST(ArmazemQSettings, FifoNoLugarDoArquivo)
{
    // Reading a FIFO would wait for a writer forever: it is never opened, it
    // reads as empty and takes no writes, in either scope.
    QTemporaryDir pasta;
    const QString usuario = pasta.filePath("MiniLexaria.conf");
    const QString maquina = pasta.filePath("maquina.conf");
    ASSERT_EQ(mkfifo(QFile::encodeName(usuario).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(maquina).constData(), 0600), 0);
    ArmazemQSettings fifo(usuario, maquina);
    EXPECT_FALSE(fifo.Utilizavel(Escopo::Usuario));
    CConfig config(fifo);
    EXPECT_EQ(config.LeReg("TempoTip", "6"), "6");
    EXPECT_EQ(config.LeRegLM("Instalacao", "1"), "1");
    EXPECT_FALSE(config.GravaReg("TempoTip", "9"));
    EXPECT_EQ(config.LeRegCU("TempoTip", "6"), "6");
    EXPECT_FALSE(QFileInfo(usuario).isFile());
}
