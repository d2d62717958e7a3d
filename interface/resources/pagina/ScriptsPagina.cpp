#include "ScriptsPagina.h"

#include <QFile>
#include <QWebEngineUrlScheme>

// The scripts are compiled into this static library and registered by hand
// (outside any namespace, as the macro declares a function).
static void IniciaRecursosPagina()
{
    static const bool iniciado = [] {
        Q_INIT_RESOURCE(pagina);
        return true;
    }();
    (void)iniciado;
}

static QString LeRecurso(const char* caminho)
{
    IniciaRecursosPagina();
    QFile f(QString::fromLatin1(caminho));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString ScriptsPagina::ScriptMarca()
{
    static const QString script = LeRecurso(CaminhoMarca);
    return script;
}

QString ScriptsPagina::ScriptLinks(const QString& marca)
{
    static const QString script = LeRecurso(CaminhoLinks);
    return QString(script).replace(QStringLiteral("@MARCA@"), marca);
}

void ScriptsPagina::RegistraEsquemas()
{
    for (const char* nome : {"goto", "goid"}) {
        QWebEngineUrlScheme esquema(nome);
        esquema.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        esquema.setFlags(QWebEngineUrlScheme::LocalScheme);
        QWebEngineUrlScheme::registerScheme(esquema);
    }
    // The program's own pages: "mini://app/f1.htm".
    QWebEngineUrlScheme paginas("mini");
    paginas.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    paginas.setFlags(QWebEngineUrlScheme::SecureScheme);
    QWebEngineUrlScheme::registerScheme(paginas);
}
