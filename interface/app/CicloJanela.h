// The life of the main window: what load does and in which order, the work
// of the first activation, and what closing releases and saves. The values
// read from the settings and handed to the components are decided here;
// JanelaPrincipal carries the steps out.
#pragma once

#include <QString>
#include <QStringList>

class CConfig;
class JanelaPrincipal;

class CicloJanela {
public:
    enum class Carga {
        Pronta,
        OutraInstancia,
        SemDados
    };

    explicit CicloJanela(JanelaPrincipal& janela);

    // The command line after the program's name; exactly "MODODEBUG"
    // leaves the window's messages alone.
    static bool ModoDebug(const QStringList& argumentos);

    Carga Carrega(const QStringList& argumentos);
    // Runs once; later activations do nothing.
    void Ativa();
    // The close request: the list stops, the engine goes.
    void Fecha();
    // Unload: settings saved. Runs once.
    void Descarrega();

    bool PrimeiraAtivacaoPendente() const { return m_primeiraAtivacao; }
    bool FiltroInstalado() const { return m_filtroInstalado; }

    // Resets the notes folder once after a new installation: when the
    // machine-wide stamp differs from the user's, the notes go back to
    // "notas" in the folder the program writes to, and the stamp is copied.
    static void AtualizaInstalacao(CConfig& config, const QString& pastaDados);
    static QString PastaNotasPadrao(const QString& pastaDados);
    // The stored view mode; the first one when the value is not a number.
    static qint16 FormaApresentacao(CConfig& config);

private:
    JanelaPrincipal& m_janela;
    bool m_primeiraAtivacao = false;
    bool m_filtroInstalado = false;
    bool m_carregada = false;
    bool m_descarregada = false;
};
