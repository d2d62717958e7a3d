#include "PastasPrograma.h"

#include "mini/DLLMiniLexariaDB.h"
#include "mini/PastaInstalacao.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

PastasPrograma PastasPrograma::Localiza(const QString& pastaExecutavel, const QString& dadosUsuario)
{
    PastasPrograma p;
    const QString exe = QDir::cleanPath(pastaExecutavel);
    p.m_programa = QDir::cleanPath(QString::fromStdString(mini::PastaInstalacao(exe.toStdString())));
    p.m_instalado = p.m_programa != exe;
    if (!p.m_instalado) {
        p.m_dados = p.m_programa;
        return p;
    }
    QString usuario = dadosUsuario;
    if (usuario.isEmpty())
        usuario = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    p.m_dados = QDir(usuario).filePath(QStringLiteral("minilexaria"));
    return p;
}

PastasPrograma PastasPrograma::Atual() { return Localiza(QCoreApplication::applicationDirPath()); }

QString PastasPrograma::Banco() const
{
    return QDir(m_programa).filePath(QString::fromLatin1(DLLMiniLexariaDB::NomeBanco()));
}
