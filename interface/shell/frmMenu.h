// The two pop-up menus of the main window, "Arquivo" and "Ajuda". Each item
// reports its control name to the owner, which carries it out; items whose
// command the program cannot carry out yet stay disabled.
#pragma once

#include <QMenu>
#include <QObject>
#include <functional>
#include <memory>

class frmMenu : public QObject {
    Q_OBJECT
public:
    frmMenu();
    ~frmMenu() override;

    std::function<void(const QString& item)> AoEscolher;

    QMenu* mnu_Arquivo() const { return m_arquivo.get(); }
    QMenu* mnu_ajuda() const { return m_ajuda.get(); }
    // An item by its control name ("mnu_sair"), or null.
    QAction* Item(const QString& nome) const;
    void Habilita(const QString& nome, bool habilitado);

    // Pops a menu up at a screen point and returns when it closes.
    void Abre(QMenu* menu, QPoint posicaoGlobal);

private:
    QAction* Adiciona(QMenu* menu, const char* nome, const QString& texto);

    std::unique_ptr<QMenu> m_arquivo;
    std::unique_ptr<QMenu> m_ajuda;
};
