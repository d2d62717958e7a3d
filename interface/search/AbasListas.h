// The strip of two tabs above the lists: the alphabetical list
// ("Dicionário") and the search results ("Resultados da Pesquisa").
#pragma once

#include <QWidget>
#include <functional>

class AbasListas : public QWidget {
    Q_OBJECT
public:
    // Releases at or right of this many twips pick the results tab.
    static constexpr int InicioSegundaTwips = 1035;
    static constexpr int TwipsPorPixel = 15;

    explicit AbasListas(QWidget* pai);

    void DefineAtiva(int qual);
    int Ativa() const { return m_ativa; }
    // 1 or 2 for a release at x (pixels).
    static int AbaEm(int x);

    std::function<void(int qual)> AoSelecionar;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int m_ativa = 1;
};
