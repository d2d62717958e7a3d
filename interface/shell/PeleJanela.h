// The chrome of the borderless main window: its image buttons with their
// skin logic and tool tips, the drag area and the resize grip, placed by
// the layout rules. The window paints the background itself and acts on
// the clicks.
#pragma once

#include "ControleBotoes.h"
#include "LayoutJanela.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>
#include <map>

class BotaoImagem;
class QWidget;

class PeleJanela : public QObject {
    Q_OBJECT
public:
    // estadoJanela: 0 normal, 2 maximized.
    PeleJanela(QWidget* janela, std::function<qint32()> estadoJanela);

    // A click on a button, by control name ("imgClose", "btVisual2", ...).
    std::function<void(const QString& controle)> AoClicar;
    // The view mode shown as active (0..2), asked whenever the view
    // buttons are redrawn.
    std::function<int()> ModoVisualAtivo;

    ControleBotoes& Controle() { return m_controle; }
    BotaoImagem* Botao(const QString& nome) const;

    void Posiciona(const Disposicao& d);
    void DefineDica(const QString& controle, const QString& texto);
    void DefineFiguraMaximizar(const QString& bitmap);
    void MostraAlca(bool visivel);
    // The buttons that only make sense with an entry shown.
    void OcultaBotoesVerbete(bool ocultar);
    void RedesenhaVisuais();
    static QString FiguraVisual(int botao, int modoAtivo);

private:
    BotaoImagem* Cria(const QString& nome, const QString& figura, bool skin);
    void IniciaMovimento(QPoint global);
    void IniciaRedimensionamento(QPoint global);
    void Acompanha(QPoint global);

    QWidget* m_janela;
    std::function<qint32()> m_estadoJanela;
    ControleBotoes m_controle;
    std::map<QString, BotaoImagem*> m_botoes;

    // Where the platform has no move or size loop of its own, the drag is
    // followed here.
    enum class Arrasto {
        Nenhum,
        Mover,
        Redimensionar
    };
    Arrasto m_arrasto = Arrasto::Nenhum;
    QPoint m_inicioGlobal;
    QRect m_geometriaInicial;
};
