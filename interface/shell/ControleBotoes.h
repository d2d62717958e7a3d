// The skin of the main window's image buttons: highlight on hover, back to
// normal on press and when the pointer leaves for the bare background, a
// click only when the button is released over itself, and the menu look of
// the two menu buttons. The owner acts on the clicks.
#pragma once

#include "BotaoPele.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <vector>

class ControleBotoes {
public:
    struct EventosBotoes {
        // The button was pressed and released over itself.
        std::function<void(BotaoPele& botao)> Clique;
        // Hover first lets the owner repaint the view-mode buttons.
        std::function<void()> RedesenhaVisuais;
    };
    EventosBotoes Eventos;

    inline static const QString Selecionado = QStringLiteral("selecionado");
    inline static const QString SufixoSelecionado = QStringLiteral("SELECIONADO");

    // estadoJanela gives the window state (2 maximized), which decides
    // whether the maximize button shows "maximize" or "restore".
    explicit ControleBotoes(std::function<qint32()> estadoJanela);

    // Buttons whose highlight the reset clears; others (the view modes)
    // only take part in hover and clicks.
    void Registra(BotaoPele* botao);

    void MarcarBotao(BotaoPele* botao, int botoesMouse);
    void DesmarcarBotoes(const BotaoPele* exceto = nullptr);
    void Pressiona(BotaoPele* botao);
    // x, y: the release point relative to the button.
    void Solta(BotaoPele* botao, double x, double y);
    // The menu button's look while its menu is open; the owner pops the
    // menu up and calls DesmarcarBotoes when it closes.
    void MostraMenuAberto(BotaoPele* botao);

    // A control's normal picture by its name (any case); empty for a
    // control with none of its own. Its highlight adds "SELECIONADO".
    static QString NomeBase(const QString& controle, qint32 estadoJanela);
    static QString FiguraMenu(const QString& controle);

private:
    BotaoPele* Busca(const QString& nome) const;

    std::function<qint32()> m_estadoJanela;
    std::vector<BotaoPele*> m_botoes;
};
