// The rows of a tab-separated case table under tests/data, comments and
// blank lines skipped.
#pragma once

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <vector>

inline std::vector<QStringList> LeCasos(const QString& nome)
{
    std::vector<QStringList> linhas;
    QFile arquivo(QStringLiteral(MINI_TESTES_DADOS "/") + nome);
    if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
        return linhas;
    QTextStream in(&arquivo);
    while (!in.atEnd()) {
        const QString linha = in.readLine();
        if (!linha.isEmpty() && !linha.startsWith(u'#'))
            linhas.push_back(linha.split(u'\t'));
    }
    return linhas;
}
