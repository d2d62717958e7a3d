// The command words of the menus and the settings dialogs: each one is
// what a window button does, or a refresh of what a dialog has changed.
// The word is compared exactly, case included; any other word does nothing.
#pragma once

#include <QString>
#include <QtGlobal>

class CConfig;
struct ModeloConfig;

class ComandoMenu {
public:
    // What the commands reach.
    class Alvo {
    public:
        virtual ~Alvo() = default;
        // A window button's action, exactly as a click runs it.
        virtual void Clique(const QString& controle) = 0;
        virtual void AlteraModelo(qint16 modo) = 0;
        virtual void DesmarcarBotoes() = 0;
        virtual void DefineCoresMarca(quint32 fundo, quint32 texto) = 0;
        virtual void AlteraFonteListas(qint16 fonte) = 0;
        virtual void AlteraDirNotas(const QString& pasta) = 0;
    };

    // pastaDados: where the notes go when no folder was ever chosen.
    ComandoMenu(Alvo& alvo, CConfig& config, const ModeloConfig& modelo, QString pastaDados);

    void Executa(const QString& comando) const;
    // The word a menu item sends, or "" for the items that act by themselves.
    static QString DoItem(const QString& item);

private:
    Alvo& m_alvo;
    CConfig& m_config;
    const ModeloConfig& m_modelo;
    QString m_pastaDados;
};
