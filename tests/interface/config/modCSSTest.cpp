// The entry style sheets: tags replaced by the sizes, colours and styles of
// the settings for each view mode, the sample page, and writing the sheets
// with the read-only folder reported.
#include "modCSS.h"

#include "TabelaCasos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kInstalacao = QStringLiteral(MINI_FONTES_INSTALACAO);

struct AvisoFalso : AvisoCSS {
    QStringList titulos;
    QStringList mensagens;
    void ErroCritico(const QString& titulo, const QString& mensagem) override
    {
        titulos << titulo;
        mensagens << mensagem;
    }
};

// A program folder holding the given template and a small sample page.
struct Pasta {
    QTemporaryDir dir;
    explicit Pasta(const QString& modelo, const QString& exemplo = QStringLiteral("<p><estilo/></p>"))
    {
        modCSS::GravaArquivoTexto(dir.filePath(QStringLiteral("mod.dat")), modelo);
        modCSS::GravaArquivoTexto(dir.filePath(QStringLiteral("exemplo.htm")), exemplo);
    }
    QString Css(const QString& nome) const { return dir.filePath(QStringLiteral("css/") + nome); }
};

void Ajusta(ModeloConfig& m, const QString& ajuste)
{
    if (ajuste == u"-")
        return;
    for (const QString& parte : ajuste.split(u';')) {
        const QString nome = parte.section(u'=', 0, 0);
        const QString valor = parte.section(u'=', 1);
        bool achou = false;
        for (ElementoVerbete& e : m.ElementosVerbete) {
            if (e.Nome == nome) {
                e.TipoFonte = static_cast<qint16>(valor.section(u':', 0, 0).toShort());
                e.Cor = valor.section(u':', 1);
                achou = true;
            }
        }
        ASSERT_TRUE(achou) << nome.toStdString();
    }
}

} // namespace

TEST(modCSS, TabelaDeCasos)
{
    const auto casos = LeCasos(QStringLiteral("css/modCSS.tsv"));
    ASSERT_GT(casos.size(), 100u);
    for (const QStringList& c : casos) {
        const std::string caso = c.join(u'|').toStdString();
        ASSERT_EQ(c.size(), 5) << caso;
        ModeloConfig modelo;
        modelo.FonteVerbete = static_cast<qint16>(c[0].toShort());
        Ajusta(modelo, c[2]);
        Pasta pasta(c[3]);
        AvisoFalso aviso;
        modCSS css(pasta.dir.path(), modelo, aviso);
        ASSERT_TRUE(css.InicializaCSS());
        EXPECT_EQ(css.GeraCSS(static_cast<qint16>(c[1].toShort())), c[4]) << caso;
    }
}

TEST(modCSS, ArredondaMetadesParaOPar)
{
    EXPECT_EQ(modCSS::Arredonda(14.5), 14);
    EXPECT_EQ(modCSS::Arredonda(15.5), 16);
    EXPECT_EQ(modCSS::Arredonda(16.5), 16);
    EXPECT_EQ(modCSS::Arredonda(21.6), 22);
    EXPECT_EQ(modCSS::Arredonda(13.09), 13);
}

TEST(modCSS, ModeloDoProgramaUsaTodasAsMarcasEGeraFolhasSemNenhuma)
{
    const QString modelo = modCSS::LeArquivoTexto(QDir(kInstalacao).filePath(QStringLiteral("mod.dat")));
    ASSERT_FALSE(modelo.isEmpty());
    const auto marcas = LeCasos(QStringLiteral("css/marcas.txt"));
    ASSERT_EQ(marcas.size(), size_t(14 + 4 * ModeloConfig::NumElementos));
    for (const QStringList& m : marcas)
        EXPECT_TRUE(modelo.contains(m.join(u'\t'))) << m.join(u'\t').toStdString();

    QDir instalacao(kInstalacao);
    AvisoFalso aviso;
    for (qint16 fonte = 0; fonte < 3; ++fonte) {
        ModeloConfig config;
        config.FonteVerbete = fonte;
        modCSS css(kInstalacao, config, aviso);
        ASSERT_TRUE(css.InicializaCSS());
        QStringList folhas;
        for (qint16 modo = 0; modo < 3; ++modo) {
            const QString folha = css.GeraCSS(modo);
            EXPECT_FALSE(folha.contains(u'<')) << "tamanho " << fonte << " modo " << modo;
            folhas << folha;
        }
        // The three modes must not look alike.
        EXPECT_NE(folhas[0], folhas[1]);
        EXPECT_NE(folhas[0], folhas[2]);
        EXPECT_NE(folhas[1], folhas[2]);
    }
}

TEST(modCSS, PaginaExemploLevaAFolhaDoModoCompleto)
{
    Pasta pasta(QStringLiteral("x{display:<mostra>}y{display:<mostraBR>}"),
                QStringLiteral("<style><estilo/></style>|<estilo/>|<estilo>"));
    AvisoFalso aviso;
    const ModeloConfig modelo;
    modCSS css(pasta.dir.path(), modelo, aviso);
    ASSERT_TRUE(css.InicializaCSS());
    const QString folha = QStringLiteral("x{display:}y{display:}");
    EXPECT_EQ(css.PaginaExemplo(),
              QStringLiteral("<style>") + folha + QStringLiteral("</style>|") + folha + QStringLiteral("|<estilo>"));
    EXPECT_EQ(css.AplicaEstiloExemplo(QStringLiteral("Z")), u"<style>Z</style>|Z|<estilo>");
}

TEST(modCSS, SemModeloOuExemploNaoInicializa)
{
    QTemporaryDir vazia;
    AvisoFalso aviso;
    const ModeloConfig modelo;
    modCSS css(vazia.path(), modelo, aviso);
    EXPECT_FALSE(css.InicializaCSS());
    // Reading never creates the file.
    EXPECT_FALSE(QFile::exists(vazia.filePath(QStringLiteral("mod.dat"))));
    EXPECT_TRUE(modCSS::LeArquivoTexto(vazia.filePath(QStringLiteral("mod.dat"))).isEmpty());
}

TEST(modCSS, ArquivoTextoGravadoSemNadaAcrescentado)
{
    QTemporaryDir dir;
    const QString caminho = dir.filePath(QStringLiteral("a.css"));
    ASSERT_TRUE(modCSS::GravaArquivoTexto(caminho, QStringLiteral("velho, bem mais comprido")));
    ASSERT_TRUE(modCSS::GravaArquivoTexto(caminho, QStringLiteral("Título: ação")));
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("T\xC3\xADtulo: a\xC3\xA7\xC3\xA3o"));
    EXPECT_FALSE(modCSS::GravaArquivoTexto(dir.filePath(QStringLiteral("nao/existe.css")), QStringLiteral("x")));
}

TEST(modCSS, GravaAsTresFolhas)
{
    Pasta pasta(QStringLiteral("<tamanhofonte> [<mostra>] [<mostraBR>] <alturaLinhaCG>"));
    ASSERT_TRUE(QDir(pasta.dir.path()).mkdir(QStringLiteral("css")));
    AvisoFalso aviso;
    ModeloConfig modelo;
    modelo.FonteVerbete = 2;
    modCSS css(pasta.dir.path(), modelo, aviso);
    ASSERT_TRUE(css.InicializaCSS());
    ASSERT_TRUE(css.GravaCSS());
    EXPECT_TRUE(aviso.mensagens.isEmpty());
    EXPECT_EQ(modCSS::LeArquivoTexto(pasta.Css(QStringLiteral("estilo1.css"))), u"12px [] [] 22px");
    EXPECT_EQ(modCSS::LeArquivoTexto(pasta.Css(QStringLiteral("estilo2.css"))), u"12px [None] [] 22px");
    EXPECT_EQ(modCSS::LeArquivoTexto(pasta.Css(QStringLiteral("estilo3.css"))), u"12px [] [None] 18px");
}

TEST(modCSS, FalhaAoGravarParaNaHoraEAvisaComAPasta)
{
    Pasta pasta(QStringLiteral("[<mostra>]"));
    QDir raiz(pasta.dir.path());
    ASSERT_TRUE(raiz.mkpath(QStringLiteral("css/estilo2.css"))); // a folder where the second sheet goes
    modCSS::GravaArquivoTexto(pasta.Css(QStringLiteral("estilo3.css")), QStringLiteral("antigo"));
    AvisoFalso aviso;
    const ModeloConfig modelo;
    modCSS css(pasta.dir.path(), modelo, aviso);
    ASSERT_TRUE(css.InicializaCSS());
    EXPECT_FALSE(css.GravaCSS());
    EXPECT_EQ(modCSS::LeArquivoTexto(pasta.Css(QStringLiteral("estilo1.css"))), u"[]");
    EXPECT_EQ(modCSS::LeArquivoTexto(pasta.Css(QStringLiteral("estilo3.css"))), u"antigo");
    ASSERT_EQ(aviso.mensagens.size(), 1);
    EXPECT_EQ(aviso.titulos[0], u"Dicionário Lexária");
    const QString pastaCss = QDir::toNativeSeparators(raiz.filePath(QStringLiteral("css")));
    EXPECT_EQ(aviso.mensagens[0],
              QStringLiteral("Não é possível alterar as configurações de apresentação do verbete porque o login de seu "
                             "usuário não tem direito de gravar no diretório ") +
                  pastaCss + u'.');
}

TEST(modCSS, PodeGravarCSSCriaAFolhaOuAvisaComABarraFinal)
{
    Pasta pasta(QStringLiteral("x"));
    AvisoFalso aviso;
    const ModeloConfig modelo;
    modCSS css(pasta.dir.path(), modelo, aviso);

    // No "css" folder: the probe cannot create the sheet.
    EXPECT_FALSE(css.PodeGravarCSS());
    ASSERT_EQ(aviso.mensagens.size(), 1);
    const QString comBarra = QDir::toNativeSeparators(QDir(pasta.dir.path()).filePath(QStringLiteral("css")) + u'/');
    EXPECT_TRUE(aviso.mensagens[0].endsWith(QStringLiteral("no diretório ") + comBarra + u'.'))
        << aviso.mensagens[0].toStdString();

    ASSERT_TRUE(QDir(pasta.dir.path()).mkdir(QStringLiteral("css")));
    modCSS::GravaArquivoTexto(pasta.Css(QStringLiteral("estilo1.css")), QStringLiteral("mantido"));
    EXPECT_TRUE(css.PodeGravarCSS());
    EXPECT_EQ(aviso.mensagens.size(), 1);
    EXPECT_EQ(modCSS::LeArquivoTexto(pasta.Css(QStringLiteral("estilo1.css"))), u"mantido");
    QFile::remove(pasta.Css(QStringLiteral("estilo1.css")));
    EXPECT_TRUE(css.PodeGravarCSS());
    EXPECT_TRUE(QFile::exists(pasta.Css(QStringLiteral("estilo1.css"))));
}
