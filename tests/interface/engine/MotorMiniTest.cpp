// The adapter against the real engine and the database the build writes:
// text must reach the engine and come back with its accents and homonym marks.
#include "MotorMini.h"

#include "ImprimeQString.h"
#include "TabelaChaves.h"
#include "UtilTexto.h"
#include "mini/DLLMiniLexariaDB.h"
#include "mini/ListaResultados.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>

using namespace Qt::StringLiterals;

namespace {

const QChar kNbsp(0x00A0);

QString DeUtf8(const std::string& texto)
{
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

// Word and id pairs of a result list: "palavra|id|palavra|id|".
struct Par {
    QString palavra;
    qint32 id;
};

QList<Par> Pares(const QString& lista)
{
    const mini::ListaResultados lida = mini::LeResultados(lista.toStdString());
    EXPECT_TRUE(lida.Valida()) << lida.erro;
    QList<Par> pares;
    for (const mini::Resultado& r : lida.itens)
        pares.append({QString::fromStdString(r.palavra), r.id});
    return pares;
}

class MotorMiniTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(QString::fromUtf8(MINI_TEST_DB)))
            << "no database at " << MINI_TEST_DB << ": build it first";
        ASSERT_TRUE(motor.AbreDados());
    }

    qint32 Localiza(const QString& palavra)
    {
        const qint32 id = motor.LocalizaPalavra(palavra);
        EXPECT_GE(id, 0) << palavra.toStdString();
        return id;
    }

    MotorMini motor{QString::fromUtf8(MINI_TEST_DB)};
};

} // namespace

TEST(MotorMiniSemBanco, NaoAbreEResponde)
{
    MotorMini motor(u"/nao/existe/minilexária.db"_s);
    EXPECT_FALSE(motor.AbreDados());
    EXPECT_LT(motor.LocalizaPalavra(u"casa"_s), 0);
}

TEST_F(MotorMiniTest, AcentosChegamAoMotorEVoltam)
{
    DLLMiniLexariaDB direto(MINI_TEST_DB);
    ASSERT_TRUE(direto.AbreDados());
    const int32_t idDireto = direto.LocalizaPalavra("acção");
    ASSERT_GE(idDireto, 0);

    // Today's spelling and the entry's own find the same entry.
    EXPECT_EQ(motor.LocalizaPalavra(u"ação"_s), idDireto);
    EXPECT_EQ(motor.LocalizaPalavra(u"acção"_s), idDireto);

    qint32 id = idDireto;
    QString texto;
    const QString verbete = motor.ObtemVerbete(id, texto, TabelaChaves::global().chave(id));
    EXPECT_EQ(id, idDireto);
    EXPECT_EQ(limpaVerbete(verbete), u"acção"_s);
    EXPECT_FALSE(texto.isEmpty());
    EXPECT_FALSE(texto.contains(QChar::ReplacementCharacter));

    int32_t idMotor = idDireto;
    std::string textoDireto;
    direto.ObtemVerbete(idMotor, textoDireto, TabelaChaves::global().chave(idDireto));
    EXPECT_EQ(texto, DeUtf8(textoDireto));
}

TEST_F(MotorMiniTest, ChaveDaEntrada)
{
    const qint32 idCasa = Localiza(u"casa"_s);
    const qint16 certa = TabelaChaves::global().chave(idCasa);

    qint32 id = idCasa;
    QString texto;
    const QString verbete = motor.ObtemVerbete(id, texto, certa);
    EXPECT_FALSE(texto.isEmpty());
    EXPECT_EQ(CortaEspacoRigido(verbete), u"casa"_s);

    // A key that does not match gives no text.
    QString textoErrado = u"antes"_s;
    const qint32 errada = certa == 1 ? 2 : 1;
    motor.ObtemVerbete(id, textoErrado, errada);
    EXPECT_TRUE(textoErrado.isEmpty());

    // Key 0 asks for the headword alone.
    QString textoSoVerbete;
    EXPECT_EQ(motor.ObtemVerbete(id, textoSoVerbete, 0), verbete);
    EXPECT_TRUE(textoSoVerbete.isEmpty());
}

TEST_F(MotorMiniTest, HomonimoTrazAMarcaU00A0)
{
    QString lista;
    EXPECT_GE(motor.PesquisaPalavra(u"manga"_s, 0, lista), 4);
    qint32 cursor = 0;
    lista.clear();
    motor.ObtemResultados(0, cursor, lista);

    const QString segunda = u"manga"_s + kNbsp + u"2"_s;
    qint32 idSegunda = -1;
    for (const Par& par : Pares(lista))
        if (par.palavra == segunda)
            idSegunda = par.id;
    ASSERT_GE(idSegunda, 0) << lista.toStdString();

    qint32 id = idSegunda;
    QString texto;
    const QString verbete = motor.ObtemVerbete(id, texto, TabelaChaves::global().chave(id));
    EXPECT_EQ(verbete, segunda);
    EXPECT_EQ(limpaVerbete(verbete), u"manga"_s);
    EXPECT_FALSE(texto.isEmpty());
}

TEST_F(MotorMiniTest, MascaraComAcentoNaListaDeResultados)
{
    QString lista;
    motor.LimiteResultados(300);
    EXPECT_GE(motor.PesquisaMascara(u"acçã*"_s, lista, 0), 1);
    // Chunk by chunk, as the result list reads them, following the cursor.
    bool achou = false;
    qint32 cursor = 0;
    for (int pedaco = 0; pedaco < 100 && cursor != -1; ++pedaco) {
        lista.clear();
        cursor = motor.ObtemResultados(0, cursor, lista);
        for (const Par& par : Pares(lista))
            achou = achou || par.palavra == u"acção"_s;
    }
    EXPECT_EQ(cursor, -1);
    EXPECT_TRUE(achou);
}

TEST_F(MotorMiniTest, VerboComAcentoEConjugacao)
{
    qint32 id = Localiza(u"têr"_s);
    EXPECT_EQ(motor.LocalizaPalavra(u"ter"_s), id);
    qint32 idVerbete = id;
    QString texto;
    EXPECT_EQ(limpaVerbete1(motor.ObtemVerbete(idVerbete, texto, 0)), u"têr"_s);

    const qint32 idTer = id;
    EXPECT_TRUE(motor.EhVerbo(id));
    EXPECT_EQ(id, idTer);

    QString verbo = u"têr"_s;
    EXPECT_FALSE(motor.ObtemConjugacao(verbo).trimmed().isEmpty());
    EXPECT_EQ(verbo, u"têr"_s);

    qint32 idCasa = Localiza(u"casa"_s);
    EXPECT_FALSE(motor.EhVerbo(idCasa));
}

TEST_F(MotorMiniTest, AcentoDistingueVerbetes)
{
    // "pôr" and "por" are two entries: the accent must reach the engine,
    // where the entry's own spelling wins over the folded one.
    qint32 idPor = Localiza(u"pôr"_s);
    QString texto;
    EXPECT_EQ(limpaVerbete(motor.ObtemVerbete(idPor, texto, 0)), u"pôr"_s);
    EXPECT_NE(motor.LocalizaPalavra(u"por"_s), idPor);
}

TEST_F(MotorMiniTest, AbreviaturaComAcento)
{
    DLLMiniLexariaDB direto(MINI_TEST_DB);
    ASSERT_TRUE(direto.AbreDados());
    std::string rotuloDireto = "Gír.";
    const std::string esperado = direto.ObtemAbreviatura(rotuloDireto);
    ASSERT_FALSE(esperado.empty());

    QString rotulo = u"Gír."_s;
    EXPECT_EQ(motor.ObtemAbreviatura(rotulo), DeUtf8(esperado));
    EXPECT_EQ(rotulo, u"Gír."_s);
}

TEST_F(MotorMiniTest, InformacoesEmCampos)
{
    const QStringList campos = motor.ObtemInformacoes().split(u'|');
    ASSERT_GE(campos.size(), 2);
    EXPECT_FALSE(campos[0].isEmpty());
    EXPECT_FALSE(campos[1].isEmpty());
}
