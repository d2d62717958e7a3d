// Where a run reads its files and where it writes: a folder run as it is,
// an installed prefix, and a folder with no database at all.
#include "PastasPrograma.h"

#include "mini/PastaInstalacao.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void CriaBanco(const QString& pasta)
{
    ASSERT_TRUE(QDir().mkpath(pasta));
    QFile f(QDir(pasta).filePath(QStringLiteral("minilexaria.db")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

TEST(PastasPrograma, PastaDoProgramaOuPrefixo)
{
    QTemporaryDir raiz;
    const QString usuario = raiz.filePath(QStringLiteral("casa/.local/share"));

    // A copied program folder: read and written beside the executable.
    const QString copiada = raiz.filePath(QStringLiteral("copiada"));
    CriaBanco(copiada);
    const PastasPrograma a = PastasPrograma::Localiza(copiada, usuario);
    EXPECT_FALSE(a.Instalado());
    EXPECT_EQ(a.Programa(), copiada);
    EXPECT_EQ(a.Dados(), copiada);
    EXPECT_EQ(a.Banco(), copiada + QStringLiteral("/minilexaria.db"));

    // Installed: the prefix's data folder is read, the user's is written.
    const QString prefixo = raiz.filePath(QStringLiteral("prefixo"));
    const QString dados =
        QDir::cleanPath(prefixo + QStringLiteral("/bin/") + QString::fromLatin1(mini::PastaDadosRelativa()));
    EXPECT_TRUE(dados.startsWith(prefixo + u'/'));
    CriaBanco(dados);
    QDir().mkpath(prefixo + QStringLiteral("/bin"));
    const PastasPrograma b = PastasPrograma::Localiza(prefixo + QStringLiteral("/bin"), usuario);
    EXPECT_TRUE(b.Instalado());
    EXPECT_EQ(b.Programa(), dados);
    EXPECT_EQ(b.Banco(), dados + QStringLiteral("/minilexaria.db"));
    EXPECT_EQ(b.Dados(), usuario + QStringLiteral("/minilexaria"));
    EXPECT_FALSE(b.Dados().startsWith(prefixo));

    // A database beside the executable wins over an installed one.
    CriaBanco(prefixo + QStringLiteral("/bin"));
    EXPECT_FALSE(PastasPrograma::Localiza(prefixo + QStringLiteral("/bin"), usuario).Instalado());

    // Nothing anywhere: the executable's folder, where opening then fails.
    const QString vazia = raiz.filePath(QStringLiteral("vazia/bin"));
    QDir().mkpath(vazia);
    const PastasPrograma c = PastasPrograma::Localiza(vazia, usuario);
    EXPECT_EQ(c.Programa(), vazia);
    EXPECT_FALSE(c.Instalado());

    // A directory named like the database is not one.
    const QString falsa = raiz.filePath(QStringLiteral("falsa"));
    QDir().mkpath(falsa + QStringLiteral("/minilexaria.db"));
    EXPECT_EQ(QString::fromStdString(mini::PastaInstalacao(falsa.toStdString())), falsa);
}
