// The real dictionary engine behind the viewer's interface: converts QString
// to and from the engine's UTF-8 and copies the by-reference results back.
#pragma once

#include "MotorDicionario.h"

#include <memory>

class DLLMiniLexariaDB;

class MotorMini : public MotorDicionario {
public:
    // The database beside the executable.
    MotorMini();
    explicit MotorMini(const QString& caminhoBanco);
    ~MotorMini() override;
    MotorMini(const MotorMini&) = delete;
    MotorMini& operator=(const MotorMini&) = delete;

    bool AbreDados() override;
    QString ObtemInformacoes() override;
    qint32 LocalizaPalavra(const QString& palavra) override;
    QString ObtemVerbete(qint32& id, QString& texto, qint32 chave) override;
    bool EhVerbo(qint32& id) override;
    QString ObtemConjugacao(QString& verbo) override;
    QString ObtemAbreviatura(QString& palavra) override;
    qint32 PesquisaPalavra(const QString& palavra, qint32 modo, QString& resultados) override;
    qint32 PesquisaMascara(const QString& mascara, QString& resultados, qint32 lista) override;
    void PesquisaReversa(QString& palavra, QString& resultados, qint32 reservado1, qint32 reservado2,
                         qint32& total) override;
    qint32 ObtemTotalResultados() override;
    qint32 ObtemResultados(qint16 origem, qint32& cursor, QString& lista) override;
    void DefineFiltro(qint16 operacao, qint16 codigo) override;
    qint32 ObtemFlexoes(const QString& palavra, QString& formas) override;
    void LimiteResultados(qint16 limite) override;
    QString ObtemUltimoErro() const override;

private:
    std::unique_ptr<DLLMiniLexariaDB> motor_;
};
