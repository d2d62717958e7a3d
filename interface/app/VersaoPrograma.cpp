#include "VersaoPrograma.h"

#include "TabelaStrings.h"

#include <QFile>
#include <QStringList>

#ifndef MINI_VERSAO
#define MINI_VERSAO "0.0.0"
#endif

namespace {

QString Campo(const QByteArray& dados, int inicio)
{
    // Fixed-width single-byte text, padded with blanks or NULs.
    QString texto = QString::fromLatin1(dados.mid(inicio, VersaoPrograma::TamanhoCampo));
    texto.replace(QChar(0), u' ');
    return texto.trimmed();
}

} // namespace

QString VersaoPrograma::Versao() { return QStringLiteral(MINI_VERSAO); }

QString VersaoPrograma::TextoVersoes(const QString& versao, const QString& informacoes, const QByteArray& dic030)
{
    QString texto = QStringLiteral("<font face='Arial' size=1>Interface ") + versao + QStringLiteral("<BR>Dados ") +
                    informacoes.split(u'|').value(0);
    if (dic030.size() >= TamanhoCabecalho + 2 * TamanhoCampo) {
        texto += QStringLiteral(" (v") + Campo(dic030, TamanhoCabecalho) + QStringLiteral("/c") +
                 Campo(dic030, TamanhoCabecalho + TamanhoCampo) + u')';
    }
    texto += QStringLiteral("<BR>") + TabelaStrings::Texto(TabelaStrings::Licenca) + QStringLiteral("</font>");
    return texto;
}

QByteArray VersaoPrograma::LeArquivoVersao(const QString& pastaInstalacao)
{
    QFile arquivo(pastaInstalacao + u'/' + ArquivoVersao);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return arquivo.readAll();
}
