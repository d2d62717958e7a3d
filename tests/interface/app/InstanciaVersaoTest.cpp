// The single-copy lock and the version line.
#include "InstanciaUnica.h"
#include "VersaoPrograma.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(InstanciaUnica, UmaCopiaPorVez)
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("minilexaria.lock"));
    {
        InstanciaUnica primeira(caminho);
        EXPECT_TRUE(primeira.Adquire());
        EXPECT_FALSE(primeira.OutraAtiva());   // holding it is not "another"
        InstanciaUnica segunda(caminho);
        EXPECT_FALSE(segunda.Adquire());
        EXPECT_TRUE(segunda.OutraAtiva());
    }
    // Released with its owner: the next start gets it.
    InstanciaUnica depois(caminho);
    EXPECT_TRUE(depois.Adquire());
}

TEST(InstanciaUnica, CaminhoPorUsuario)
{
    qputenv("XDG_RUNTIME_DIR", QTemporaryDir().path().toUtf8());
    const QString caminho = InstanciaUnica::CaminhoPadrao();
    EXPECT_TRUE(caminho.endsWith(u"/minilexaria.lock"));
}

namespace {

QByteArray Arquivo(const char* a, const char* b)
{
    QByteArray dados(16, '\x7f');
    dados += QByteArray(a).leftJustified(15, ' ');
    dados += QByteArray(b).leftJustified(15, '\0');
    return dados;
}

} // namespace

TEST(VersaoPrograma, LinhaDeVersoes)
{
    const QString prefixo = QStringLiteral("<font face='Arial' size=1>Interface 2.3.4<BR>Dados Novo Dicionário");
    const QString fim = QStringLiteral("<BR>Mini Monousuário</font>");
    EXPECT_EQ(VersaoPrograma::TextoVersoes(QStringLiteral("2.3.4"), QStringLiteral("Novo Dicionário|Editor|"),
                                           Arquivo("1.5", "77")),
              prefixo + QStringLiteral(" (v1.5/c77)") + fim);
    // Missing or short file: the data's versions are left out.
    EXPECT_EQ(VersaoPrograma::TextoVersoes(QStringLiteral("2.3.4"), QStringLiteral("Novo Dicionário|Editor|"), {}),
              prefixo + fim);
    EXPECT_EQ(VersaoPrograma::TextoVersoes(QStringLiteral("2.3.4"), QStringLiteral("Novo Dicionário"),
                                           Arquivo("1.5", "77").left(40)),
              prefixo + fim);
    EXPECT_TRUE(VersaoPrograma::Versao().count(u'.') == 2);
}

TEST(VersaoPrograma, ArquivoNaPastaDeInstalacao)
{
    QTemporaryDir pasta;
    EXPECT_TRUE(VersaoPrograma::LeArquivoVersao(pasta.path()).isEmpty());
    QFile f(pasta.filePath(QStringLiteral("dic030.dat")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Arquivo("9", "8"));
    f.close();
    EXPECT_EQ(VersaoPrograma::LeArquivoVersao(pasta.path()), Arquivo("9", "8"));
}
