#include "AtalhosJanela.h"

QString AtalhosJanela::Decide(int tecla, Qt::KeyboardModifiers mods, bool soltura)
{
    // Keypad and Shift do not change what a command key means.
    mods &= ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods == Qt::AltModifier) {
        if (tecla == Qt::Key_A || tecla == Qt::Key_U)
            return soltura ? (tecla == Qt::Key_A ? QStringLiteral("imgArquivo") : QStringLiteral("imgAjuda"))
                           : QString();
        if (soltura)
            return {};
        if (tecla == Qt::Key_Left)
            return QStringLiteral("btAnterior");
        if (tecla == Qt::Key_Right)
            return QStringLiteral("btProximo");
        return {};
    }
    if (soltura)
        return {};
    if (mods == Qt::ControlModifier) {
        if (tecla == Qt::Key_F)
            return FocoBusca;
        if (tecla == Qt::Key_P)
            return QStringLiteral("imgPrinter");
        return {};
    }
    if (mods == Qt::NoModifier) {
        if (tecla == Qt::Key_F3)
            return FocoBusca;
        if (tecla == Qt::Key_F1)
            return QStringLiteral("btCasa");
    }
    return {};
}

QString AtalhosJanela::TeclaDoItem(const QString& item)
{
    if (item == u"mnu_inicio")
        return QStringLiteral("F1");
    if (item == u"mnu_voltar")
        return QStringLiteral("Alt+Left");
    if (item == u"mnu_avancar")
        return QStringLiteral("Alt+Right");
    return {};
}
