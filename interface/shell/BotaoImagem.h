// A skinned button on screen: a widget that shows one picture of the skin
// and reports hover, press and release to the button logic.
#pragma once

#include "BotaoPele.h"

#include <QWidget>

class ControleBotoes;

class BotaoImagem : public QWidget, public BotaoPele {
    Q_OBJECT
public:
    BotaoImagem(const QString& nome, const QString& figura, QWidget* pai);

    // Hover, press and release go to this logic; none while it is null.
    void DefineControle(ControleBotoes* controle) { m_controle = controle; }

    QString Nome() const override { return objectName(); }
    QString Tag() const override { return m_tag; }
    void DefineTag(const QString& tag) override { m_tag = tag; }
    QString Figura() const override { return m_figura; }
    void CarregaFigura(const QString& bitmap) override;
    QSize Tamanho() const override { return size(); }

signals:
    // For controls that act on the press itself (the drag area, the grip)
    // and, where the platform cannot move or size the window, follow the
    // drag themselves.
    void Pressionado(QPoint posicaoGlobal);
    void Arrastado(QPoint posicaoGlobal);
    void Solto();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString m_figura;
    QString m_tag;
    ControleBotoes* m_controle = nullptr;
};
