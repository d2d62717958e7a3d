// The single-copy lock and the version line.
#include "InstanciaUnica.h"
#include "VersaoPrograma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(InstanciaUnica, UmaCopiaPorVez)
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("minilexaria.lock"));
    {
        InstanciaUnica primeira(caminho);
        EXPECT_TRUE(primeira.Adquire());
        EXPECT_FALSE(primeira.OutraAtiva()); // holding it is not "another"
        InstanciaUnica segunda(caminho);
        EXPECT_FALSE(segunda.Adquire());
        EXPECT_TRUE(segunda.OutraAtiva());
    }
    // Released with its owner: the next start gets it.
    InstanciaUnica depois(caminho);
    EXPECT_TRUE(depois.Adquire());
}

namespace {

void Escreve(const QString& caminho, const QByteArray& dados)
{
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(dados);
}

} // namespace

TEST(InstanciaUnica, TravaSemDonoVivoETomada)
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("minilexaria.lock"));

    // Left behind by a copy that died holding it.
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        InstanciaUnica morta(caminho);
        _exit(morta.Adquire() ? 0 : 1); // no destructor: the file stays
    }
    int estado = 0;
    ASSERT_EQ(waitpid(filho, &estado, 0), filho);
    ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    ASSERT_TRUE(QFileInfo(caminho).isFile());
    {
        InstanciaUnica depois(caminho);
        EXPECT_TRUE(depois.Adquire());
        EXPECT_TRUE(depois.Ativa());
    }
    EXPECT_FALSE(QFileInfo::exists(caminho)); // released: the file goes too

    // Empty, garbage, the number of a live process that holds nothing.
    for (const QByteArray& dados : {QByteArray(), QByteArray("\x01\xffnão é um número"), QByteArray("1\n")}) {
        Escreve(caminho, dados);
        InstanciaUnica i(caminho);
        EXPECT_TRUE(i.Adquire()) << dados.toHex().toStdString();
        InstanciaUnica segunda(caminho);
        EXPECT_TRUE(segunda.OutraAtiva());
    }

    // Things that are no lock file: a FIFO (opening it for reading would
    // wait), an empty folder, a link to elsewhere. Each is put out of the way.
    ASSERT_EQ(mkfifo(QFile::encodeName(caminho).constData(), 0600), 0);
    {
        InstanciaUnica i(caminho);
        EXPECT_TRUE(i.Adquire());
        EXPECT_TRUE(i.Ativa());
    }
    ASSERT_TRUE(QDir().mkdir(caminho));
    {
        InstanciaUnica i(caminho);
        EXPECT_TRUE(i.Ativa() || i.Adquire());
        EXPECT_TRUE(i.Ativa());
    }
    const QString alvo = pasta.filePath(QStringLiteral("alvo"));
    Escreve(alvo, "intacto");
    ASSERT_TRUE(QFile::link(alvo, caminho));
    {
        InstanciaUnica i(caminho);
        EXPECT_TRUE(i.Adquire());
        EXPECT_TRUE(i.Ativa());
    }
    QFile f(alvo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "intacto");

    // A folder that cannot be removed: the program runs, without a lock.
    ASSERT_TRUE(QDir().mkpath(caminho + QStringLiteral("/dentro")));
    InstanciaUnica semTrava(caminho);
    EXPECT_TRUE(semTrava.Adquire());
    EXPECT_FALSE(semTrava.Ativa());
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
