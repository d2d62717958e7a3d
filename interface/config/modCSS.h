// The entry style sheets: "mod.dat" in the program folder is a style sheet
// with tags standing for the appearance settings; each view mode gets its
// own sheet in "css", and the appearance dialog previews the same text in
// "exemplo.htm". The build makes the shipped sheets with this class too.
#pragma once

#include "AvisoCSS.h"
#include "ModeloConfig.h"
#include "TabelaStrings.h"

#include <QString>
#include <array>

class modCSS {
public:
    static constexpr qint16 ModoCompleto = 0;
    static constexpr qint16 ModoResumido = 1;
    static constexpr qint16 ModoDicionario = 2;
    static constexpr int NaoPodeGravar = TabelaStrings::NaoGravaCSS;

    modCSS(const QString& pastaPrograma, const ModeloConfig& modelo, AvisoCSS& aviso);

    // Fills the size table and reads the template and the sample page; false
    // when either file could not be read (nothing should be generated then).
    bool InicializaCSS();

    // The whole file as text; empty when it cannot be read. Never creates it.
    static QString LeArquivoTexto(const QString& caminho);
    // Creates or overwrites the file with exactly this text.
    static bool GravaArquivoTexto(const QString& caminho, const QString& texto);

    // The template with every tag replaced for a view mode 0, 1 or 2.
    QString GeraCSS(qint16 modo) const;
    QString AplicaEstiloExemplo(const QString& css) const;
    // The sample page with the sheet of the complete mode.
    QString PaginaExemplo() const;
    // Writes css/estilo1.css to estilo3.css; on a failure stops, reports
    // message 371 naming the folder and returns false.
    bool GravaCSS();
    // Whether css/estilo1.css can be opened for appending (creating it).
    bool PodeGravarCSS();

    // The rounding every computed size goes through: halves to the even neighbour.
    static qint64 Arredonda(double x);

    const QString& ModeloCSS() const { return m_modeloCSS; }
    const QString& ModeloExemplo() const { return m_modeloExemplo; }

private:
    QString PastaCss() const;
    void Avisa(const QString& pasta);

    QString m_pasta;
    const ModeloConfig& m_modelo;
    AvisoCSS& m_aviso;
    std::array<QString, 4> m_tamanhosFonte; // index 3 stays empty
    QString m_modeloCSS;
    QString m_modeloExemplo;
};
