// What the main window's image buttons and its two menus do: the window
// controls, the home page, the view modes, the menus popped up under their
// buttons. Commands that belong to components not in the window yet do
// nothing and their menu items stay disabled.
#pragma once

#include "ComandoMenu.h"

#include <QString>
#include <memory>

class PeleJanela;
class frmMain;
class frmMenu;

class ComandosJanela : private ComandoMenu::Alvo {
public:
    ComandosJanela(frmMain& janela, PeleJanela& pele);
    ~ComandosJanela();

    // A click on a button, by control name.
    void Clique(const QString& controle) override;
    // A menu item, by control name.
    void Comando(const QString& item);
    // A command word, from a menu item or a settings dialog.
    void Executa(const QString& comando);
    frmMenu* Menu() const { return m_menu.get(); }

private:
    void AbreMenu(const QString& controle);

    void AlteraModelo(qint16 modo) override;
    void DesmarcarBotoes() override;
    void DefineCoresMarca(quint32 fundo, quint32 texto) override;
    void AlteraFonteListas(qint16 fonte) override;
    void AlteraDirNotas(const QString& pasta) override;

    frmMain& m_janela;
    PeleJanela& m_pele;
    std::unique_ptr<frmMenu> m_menu;
};
