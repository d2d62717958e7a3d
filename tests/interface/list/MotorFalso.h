// An engine that knows a few letters of made-up headwords with consecutive
// ids, and answers the chunked letter protocol the list relies on.
#pragma once

#include "MotorDicionario.h"

#include <QList>
#include <QStringList>
#include <algorithm>

class MotorFalso : public MotorDicionario {
public:
    struct Letra {
        QString letra;
        qint32 primeiro;
        QStringList palavras;
    };
    QList<Letra> letras;
    qint16 limite = 0;
    QList<qint16> limitesDefinidos;
    QStringList mascaras;
    QList<qint32> listasPedidas, cursoresPedidos; // PesquisaMascara's third argument; cursors asked
    // A damaged file: the mask of this letter fails, or the chunk asked for
    // after this many fails; the error stays until the next call.
    QString letraIlegivel;
    int pedacosAteFalhar = -1;
    QString erro;

    // Adds a letter whose words are its letter and a four-digit number.
    void AdicionaLetra(const QString& letra, qint32 primeiro, int total)
    {
        QStringList palavras;
        for (int k = 0; k < total; ++k)
            palavras << letra + QString::number(k).rightJustified(4, u'0');
        letras.append({letra, primeiro, palavras});
    }

    const Letra* Acha(const QString& letra) const
    {
        auto it = std::find_if(letras.begin(), letras.end(), [&](const Letra& l) { return l.letra == letra; });
        return it == letras.end() ? nullptr : &*it;
    }
    qint32 LocalizaPalavra(const QString& palavra) override { return Acha(palavra) ? Acha(palavra)->primeiro : 0; }

    qint32 PesquisaMascara(const QString& mascara, QString& resultados, qint32 lista) override
    {
        mascaras << mascara;
        listasPedidas << lista;
        resultados.clear();
        erro.clear();
        if (!letraIlegivel.isEmpty() && mascara == letraIlegivel + u'*') {
            erro = QStringLiteral("database disk image is malformed");
            return 0;
        }
        m_atual = mascara.endsWith(u'*') ? Acha(mascara.chopped(1)) : nullptr;
        return m_atual ? static_cast<qint32>(m_atual->palavras.size()) : 0;
    }

    qint32 ObtemResultados(qint16 origem, qint32& cursor, QString& lista) override
    {
        (void)origem;
        cursoresPedidos << cursor;
        lista.clear();
        erro.clear();
        if (pedacosAteFalhar == 0) {
            erro = QStringLiteral("disk I/O error");
            return -1;
        }
        if (pedacosAteFalhar > 0)
            --pedacosAteFalhar;
        if (!m_atual)
            return -1;
        const qint32 fim = m_atual->primeiro + static_cast<qint32>(m_atual->palavras.size());
        qint32 id = cursor < m_atual->primeiro ? m_atual->primeiro : cursor;
        if (id >= fim)
            return -1;
        for (int n = 0; n < limite && id < fim; ++n, ++id)
            lista += m_atual->palavras[id - m_atual->primeiro] + u'|' + QString::number(id) + u'|';
        return id;
    }

    void LimiteResultados(qint16 l) override { limitesDefinidos << (limite = l); }
    QString ObtemUltimoErro() const override { return erro; }

    // Not used by the list.
    bool AbreDados() override { return true; }
    QString ObtemInformacoes() override { return {}; }
    QString ObtemVerbete(qint32&, QString&, qint32) override { return {}; }
    bool EhVerbo(qint32&) override { return false; }
    QString ObtemConjugacao(QString&) override { return {}; }
    QString ObtemAbreviatura(QString&) override { return {}; }
    qint32 PesquisaPalavra(const QString&, qint32, QString&) override { return 0; }
    void PesquisaReversa(QString&, QString&, qint32, qint32, qint32&) override { }
    qint32 ObtemTotalResultados() override { return 0; }
    void DefineFiltro(qint16, qint16) override { }
    qint32 ObtemFlexoes(const QString&, QString&) override { return 0; }

private:
    const Letra* m_atual = nullptr;
};
