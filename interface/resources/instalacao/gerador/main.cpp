// Build step: the style sheets of the three view modes, made from the
// program folder's "mod.dat" with the default appearance by the same code
// the appearance dialog uses, and the border pictures the pages name.
#include "BordasPagina.h"
#include "modCSS.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

class AvisoTerminal : public AvisoCSS {
public:
    void ErroCritico(const QString& titulo, const QString& mensagem) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(titulo), qPrintable(mensagem));
    }
};

bool GravaBordas(const QDir& pasta)
{
    for (const auto& [nome, figura] : BordasPagina::Todas()) {
        QFile f(pasta.filePath(nome));
        const QByteArray dados = figura.Codifica();
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(dados) != dados.size()) {
            std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(f.fileName()));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args[1] != u"estilos" && args[1] != u"bordas")) {
        std::fprintf(stderr, "uso: %s estilos|bordas PASTA_DO_PROGRAMA\n", argv[0]);
        return 2;
    }
    const QDir pasta(args[2]);
    if (args[1] == u"bordas")
        return GravaBordas(pasta) ? 0 : 1;

    AvisoTerminal aviso;
    const ModeloConfig padrao;
    modCSS css(pasta.path(), padrao, aviso);
    if (!css.InicializaCSS()) {
        std::fprintf(stderr, "não foi possível ler mod.dat e exemplo.htm em %s\n", qPrintable(pasta.path()));
        return 1;
    }
    pasta.mkpath(QStringLiteral("css"));
    return css.GravaCSS() ? 0 : 1;
}
