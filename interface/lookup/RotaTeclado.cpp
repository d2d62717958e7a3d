#include "RotaTeclado.h"

#include <Qt>

RotaTeclado::Acao RotaTeclado::Decide(int tecla, const QString& texto, bool comandos, bool teclado, Foco foco)
{
    Acao acao;
    if (foco == Foco::Nota || comandos)
        return acao;
    switch (tecla) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (foco == Foco::Entrada)
            acao.tipo = Acao::Confirma;
        return acao;
    case Qt::Key_Up: acao.codigo = 38; break;
    case Qt::Key_Down: acao.codigo = 40; break;
    case Qt::Key_PageUp: acao.codigo = 33; break;
    case Qt::Key_PageDown: acao.codigo = 34; break;
    case Qt::Key_Home:
    case Qt::Key_End:
        // In the box they move the caret, in the page they scroll it.
        if (foco == Foco::Lista || foco == Foco::Outro)
            acao.tipo = tecla == Qt::Key_Home ? Acao::PrimeiroDaLetra : Acao::UltimoDaLetra;
        return acao;
    default: break;
    }
    if (acao.codigo != 0) {
        // The page and a choice list move with their own keys; everywhere
        // else they move the list.
        if (foco != Foco::Visor && foco != Foco::Escolha)
            acao.tipo = Acao::MoveLista;
        else
            acao.codigo = 0;
        return acao;
    }
    if (foco == Foco::Entrada || texto.size() != 1)
        return acao;
    const QChar c = texto.at(0);
    if (c.isLetter()) {
        // The typed character already carries Shift and Caps Lock.
        acao.tipo = Acao::NovoTexto;
        acao.texto = texto;
    } else if (c.isPrint() && !c.isSpace() && !(c.isDigit() && !teclado) && c.unicode() > u'@') {
        // Other printable keys past the letters start an empty box.
        acao.tipo = Acao::NovoTexto;
    } else if (teclado && c.isDigit()) {
        acao.tipo = Acao::NovoTexto;
    }
    return acao;
}
