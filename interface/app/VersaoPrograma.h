// The program's version and the version line of the start page: the
// interface's version, the data's name and the data file's two version
// fields, and the licence text.
#pragma once

#include <QByteArray>
#include <QString>

class VersaoPrograma {
public:
    // Layout of "dic030.dat": a 16-byte header, then two 15-byte fields.
    static constexpr int TamanhoCabecalho = 16;
    static constexpr int TamanhoCampo = 15;
    inline static const QString ArquivoVersao = QStringLiteral("dic030.dat");

    // "major.minor.revision".
    static QString Versao();

    // The HTML fragment. informacoes: the engine's "|"-separated text;
    // dic030: the file's bytes (empty when it could not be read); a file
    // too short for both fields leaves the data's versions out.
    static QString TextoVersoes(const QString& versao, const QString& informacoes, const QByteArray& dic030);

    // The file's bytes from the installation folder, or empty.
    static QByteArray LeArquivoVersao(const QString& pastaInstalacao);
};
