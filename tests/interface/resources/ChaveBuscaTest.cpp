// The page's folding key must be the engine's: the highlighter decides what
// a whole word is with it. Checked on real headwords and on every character
// of the Latin blocks, in the real web view.
#include "MotorMini.h"
#include "PaginaTeste.h"
#include "mini/Normaliza.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kPasta = QStringLiteral(MINI_APP_DIR);

QString ChaveMotor(const QString& s)
{
    const QByteArray u = s.toUtf8();
    return QString::fromStdString(
        mini::NormalizaPalavra(std::string_view(u.constData(), static_cast<size_t>(u.size()))));
}

QStringList ChavesPagina(PaginaTeste& p, const QStringList& palavras)
{
    const QString json =
        p.Js(QStringLiteral("JSON.stringify(%1.map(ChaveBusca))").arg(PaginaTeste::Lista(palavras))).toString();
    QStringList r;
    for (const QJsonValue& v : QJsonDocument::fromJson(json.toUtf8()).array())
        r << v.toString();
    return r;
}

void Compara(PaginaTeste& p, const QStringList& palavras)
{
    const QStringList pagina = ChavesPagina(p, palavras);
    ASSERT_EQ(pagina.size(), palavras.size());
    int diferentes = 0;
    for (qsizetype i = 0; i < palavras.size(); ++i) {
        const QString motor = ChaveMotor(palavras[i]);
        if (pagina[i] != motor && ++diferentes <= 10)
            ADD_FAILURE() << palavras[i].toStdString() << ": página \"" << pagina[i].toStdString() << "\", motor \""
                          << motor.toStdString() << '"';
    }
    EXPECT_EQ(diferentes, 0);
}

} // namespace

TEST(ChaveBusca, IgualAoMotorEmVerbetesReaisEEmCadaCaractereLatino)
{
    PaginaTeste p;
    ASSERT_TRUE(p.Carrega(QDir(kPasta).filePath(QStringLiteral("f1.htm"))));
    p.PreparaMarca();

    MotorMini motor(QDir(kPasta).filePath(QStringLiteral("minilexaria.db")));
    ASSERT_TRUE(motor.AbreDados());
    QStringList verbetes;
    QString texto;
    // One headword in three: homonym marks, hyphens, apostrophes, capitals
    // and the old spelling's accents all come up.
    for (qint32 id = 0; id < 140000; id += 3) {
        qint32 i = id;
        const QString palavra = motor.ObtemVerbete(i, texto, 0);
        if (!palavra.isEmpty())
            verbetes << palavra;
    }
    ASSERT_GT(verbetes.size(), 40000);
    Compara(p, verbetes);

    QStringList caracteres;
    for (char32_t c = 1; c < 0x250; ++c)
        caracteres << QStringLiteral("A") + QString::fromUcs4(&c, 1) + QStringLiteral("z");
    caracteres << QStringLiteral("  Guarda-Chuva  ") << QStringLiteral("D'ÁGUA") << QStringLiteral("(-)")
               << QString::fromUtf8("\xF0\x9D\x94\x9E\xC3\x81") << QString::fromUtf8("a\xCC\x81gua")
               << QString::fromUtf8("\xC5\xB8\xC3\xBF\xC5\x92") << QString();
    Compara(p, caracteres);
}
