#include "MotorMini.h"

#include "mini/DLLMiniLexariaDB.h"

#include <cstdint>
#include <string>

namespace {

std::string Utf8(const QString& texto) { return texto.toStdString(); }
QString DeUtf8(const std::string& texto) { return QString::fromStdString(texto); }

} // namespace

MotorMini::MotorMini() : motor_(std::make_unique<DLLMiniLexariaDB>()) { }

// The engine hands the path to SQLite, which takes UTF-8 file names.
MotorMini::MotorMini(const QString& caminhoBanco) : motor_(std::make_unique<DLLMiniLexariaDB>(Utf8(caminhoBanco))) { }

MotorMini::~MotorMini() = default;

bool MotorMini::AbreDados() { return motor_->AbreDados(); }

QString MotorMini::ObtemInformacoes() { return DeUtf8(motor_->ObtemInformacoes()); }

qint32 MotorMini::LocalizaPalavra(const QString& palavra) { return motor_->LocalizaPalavra(Utf8(palavra)); }

QString MotorMini::ObtemVerbete(qint32& id, QString& texto, qint32 chave)
{
    int32_t idMotor = id;
    std::string textoMotor = Utf8(texto);
    const std::string verbete = motor_->ObtemVerbete(idMotor, textoMotor, chave);
    id = idMotor;
    texto = DeUtf8(textoMotor);
    return DeUtf8(verbete);
}

bool MotorMini::EhVerbo(qint32& id)
{
    int32_t idMotor = id;
    const bool verbo = motor_->EhVerbo(idMotor);
    id = idMotor;
    return verbo;
}

QString MotorMini::ObtemConjugacao(QString& verbo)
{
    std::string verboMotor = Utf8(verbo);
    const std::string conjugacao = motor_->ObtemConjugacao(verboMotor);
    verbo = DeUtf8(verboMotor);
    return DeUtf8(conjugacao);
}

QString MotorMini::ObtemAbreviatura(QString& palavra)
{
    std::string palavraMotor = Utf8(palavra);
    const std::string abreviatura = motor_->ObtemAbreviatura(palavraMotor);
    palavra = DeUtf8(palavraMotor);
    return DeUtf8(abreviatura);
}

qint32 MotorMini::PesquisaPalavra(const QString& palavra, qint32 modo, QString& resultados)
{
    std::string resultadosMotor = Utf8(resultados);
    const int32_t total = motor_->PesquisaPalavra(Utf8(palavra), modo, resultadosMotor);
    resultados = DeUtf8(resultadosMotor);
    return total;
}

qint32 MotorMini::PesquisaMascara(const QString& mascara, QString& resultados, qint32 lista)
{
    std::string resultadosMotor = Utf8(resultados);
    const int32_t total = motor_->PesquisaMascara(Utf8(mascara), resultadosMotor, lista);
    resultados = DeUtf8(resultadosMotor);
    return total;
}

void MotorMini::PesquisaReversa(QString& palavra, QString& resultados, qint32 reservado1, qint32 reservado2,
                                qint32& total)
{
    std::string palavraMotor = Utf8(palavra);
    std::string resultadosMotor = Utf8(resultados);
    int32_t totalMotor = total;
    motor_->PesquisaReversa(palavraMotor, resultadosMotor, reservado1, reservado2, totalMotor);
    palavra = DeUtf8(palavraMotor);
    resultados = DeUtf8(resultadosMotor);
    total = totalMotor;
}

qint32 MotorMini::ObtemTotalResultados() { return motor_->ObtemTotalResultados(); }

qint32 MotorMini::ObtemResultados(qint16 origem, qint32& cursor, QString& lista)
{
    int32_t cursorMotor = cursor;
    std::string listaMotor = Utf8(lista);
    const int32_t proximo = motor_->ObtemResultados(origem, cursorMotor, listaMotor);
    cursor = cursorMotor;
    lista = DeUtf8(listaMotor);
    return proximo;
}

void MotorMini::DefineFiltro(qint16 operacao, qint16 codigo) { motor_->DefineFiltro(operacao, codigo); }

qint32 MotorMini::ObtemFlexoes(const QString& palavra, QString& formas)
{
    std::string formasMotor = Utf8(formas);
    const int32_t resultado = motor_->ObtemFlexoes(Utf8(palavra), formasMotor);
    formas = DeUtf8(formasMotor);
    return resultado;
}

void MotorMini::LimiteResultados(qint16 limite) { motor_->LimiteResultados(limite); }

QString MotorMini::ObtemUltimoErro() const { return DeUtf8(motor_->ObtemUltimoErro()); }
