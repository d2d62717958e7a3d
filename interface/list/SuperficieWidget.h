// A visible drawing surface: a widget that shows its retained content and
// hands mouse, keys, size changes and focus loss to its listener.
#pragma once

#include "SuperficieDesenho.h"
#include "SuperficieImagem.h"

#include <QWidget>

class SuperficieWidget : public QWidget, public SuperficieDesenho {
    Q_OBJECT
public:
    explicit SuperficieWidget(QWidget* pai = nullptr);
    ~SuperficieWidget() override;

    // Program key code of a Qt key (38 up, 40 down, ...), or 0.
    static int CodigoTecla(int teclaQt);
    const SuperficieImagem& Imagem() const { return m_imagem; }

    int Largura() const override { return width(); }
    int Altura() const override { return height(); }
    void Redimensiona(int largura, int altura) override;
    void Limpa(const QColor& cor) override;
    void LimpaArea(const QRect& area, const QColor& cor) override;
    double ImprimeTexto(double x, double y, const QString& texto, double tamanhoPontos, const QColor& cor) override;
    double AlturaTexto(const QString& texto, double tamanhoPontos) const override;
    void DesenhaCaixa(const QRectF& caixa, const QColor& cor, bool cheia) override;
    void DesenhaBitmap(int id, const QRect& origem, const QPoint& destino) override;
    void CopiaImagem(const SuperficieDesenho& origem, const QRect& area, const QPoint& destino) override;
    void DefinePonteiro(Ponteiro ponteiro) override;
    void DefineOuvinte(OuvinteSuperficie* ouvinte) override;
    std::unique_ptr<SuperficieDesenho> CriaBuffer(int largura, int altura) override;
    std::unique_ptr<Temporizador> CriaTemporizador() override;
    QPoint PosicaoNaJanela() const override;
    int PonteiroYNaJanela() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    qreal EscalaAtual() const;
    void Anota(QMouseEvent* e);

    SuperficieImagem m_imagem;
    OuvinteSuperficie* m_ouvinte = nullptr;
    int m_rodaAcumulada = 0;
    QPoint m_ultimoPonteiroGlobal;
    bool m_temPonteiro = false;
};
