// gerador_icone SVG PASTA: the icon at each size of the icon theme, as
// PASTA/NxN/apps/minilexaria.png.
#include "IconeSvg.h"

#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s ICONE.svg PASTA\n", argv[0]);
        return 2;
    }
    IconeSvg icone;
    if (!icone.Le(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "%s\n", qPrintable(icone.Erro()));
        return 1;
    }
    const QDir pasta(QString::fromLocal8Bit(argv[2]));
    for (int lado : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString sub = QStringLiteral("%1x%1/apps").arg(lado);
        if (!pasta.mkpath(sub) || !icone.Desenha(lado).save(pasta.filePath(sub + QStringLiteral("/minilexaria.png")))) {
            std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(pasta.filePath(sub)));
            return 1;
        }
    }
    return 0;
}
