// gerador_shell PASTA: draws the main window's pictures into PASTA
// (interface/resources/shell) and rewrites PASTA/shell.qrc.
#include "GeradorBitmaps.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    // Text is drawn, so fonts are needed, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "uso: gerador_shell PASTA\n";
        return 2;
    }
    QString erro;
    if (!GeradorBitmaps::Grava(args.at(1), erro)) {
        err << erro << '\n';
        return 1;
    }
    QTextStream out(stdout);
    for (const GeradorBitmaps::Bitmap& b : GeradorBitmaps::Catalogo())
        out << b.nome << ' ' << b.tamanho.width() << 'x' << b.tamanho.height() << '\n';
    return 0;
}
