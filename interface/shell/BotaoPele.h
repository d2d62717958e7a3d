// One skinned button as the button logic sees it: a control name, the Tag
// text that holds its state ("selecionado" while highlighted), the picture
// it shows (a bitmap resource name) and its size in pixels.
#pragma once

#include <QSize>
#include <QString>

class BotaoPele {
public:
    virtual ~BotaoPele() = default;

    virtual QString Nome() const = 0;
    virtual QString Tag() const = 0;
    virtual void DefineTag(const QString& tag) = 0;
    virtual QString Figura() const = 0;
    virtual void CarregaFigura(const QString& bitmap) = 0;
    virtual QSize Tamanho() const = 0;
};
