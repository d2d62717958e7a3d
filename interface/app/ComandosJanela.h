// What the main window's image buttons and its two menus do: the window
// controls, the home page, the view modes, the menus popped up under their
// buttons. Commands that belong to components not in the window yet do
// nothing and their menu items stay disabled.
#pragma once

#include <QString>
#include <memory>

class PeleJanela;
class frmMain;
class frmMenu;

class ComandosJanela {
public:
    ComandosJanela(frmMain& janela, PeleJanela& pele);
    ~ComandosJanela();

    // A click on a button, by control name.
    void Clique(const QString& controle);
    // A menu item, by control name.
    void Comando(const QString& item);
    frmMenu* Menu() const { return m_menu.get(); }

private:
    void AbreMenu(const QString& controle);

    frmMain& m_janela;
    PeleJanela& m_pele;
    std::unique_ptr<frmMenu> m_menu;
};
