#include "LinkPagina.h"

LinkPagina LinkPagina::Interpreta(const QString& endereco)
{
    LinkPagina link;
    auto meio = [&endereco] {
        QString resto = endereco.mid(7);
        if (resto.endsWith(u'/'))
            resto.chop(1);
        return resto;
    };
    if (endereco.startsWith(u"goto://", Qt::CaseInsensitive)) {
        link.tipo = Palavra;
        link.palavra = meio();
    } else if (endereco.startsWith(u"goid://", Qt::CaseInsensitive)) {
        const QString resto = meio();
        qsizetype n = 0;
        while (n < resto.size() && n < 10 && resto.at(n).isDigit() && resto.at(n).unicode() < 128)
            ++n;
        bool ok = false;
        const qint32 id = resto.left(n).toInt(&ok);
        if (ok) {
            link.tipo = Verbete;
            link.id = id;
        }
    } else if (endereco.startsWith(u"javascript:history.back()", Qt::CaseInsensitive)) {
        link.tipo = Voltar;
    }
    return link;
}
