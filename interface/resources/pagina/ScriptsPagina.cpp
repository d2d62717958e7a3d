#include "ScriptsPagina.h"

#include <QFile>

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

QString ScriptsPagina::ScriptMarca()
{
    IniciaRecursosPagina();
    static const QString script = [] {
        QFile f(QString::fromLatin1(CaminhoMarca));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }();
    return script;
}
