#include "ArmazemQSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

const char* const kOrganizacao = "Corvanta";
const char* const kAplicacao = "MiniLexaria";

// On Windows the store is the registry, where an empty key and a missing
// one look alike to QSettings; elsewhere it is a file that either exists or not.
bool UsaArquivo(const QSettings& s)
{
#ifdef Q_OS_WIN
    return s.format() != QSettings::NativeFormat;
#else
    Q_UNUSED(s);
    return true;
#endif
}

} // namespace

ArmazemQSettings::ArmazemQSettings()
{
#ifdef Q_OS_WIN
    m_usuario = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganizacao, kAplicacao);
    m_maquina = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::SystemScope, kOrganizacao, kAplicacao);
#else
    // The files QSettings itself would use, named here so that a FIFO or a
    // folder in their place is seen before QSettings opens them.
    const QString relativo = QStringLiteral("/%1/%2.conf").arg(QLatin1String(kOrganizacao), QLatin1String(kAplicacao));
    Abre(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + relativo,
         QLibraryInfo::path(QLibraryInfo::SettingsPath) + relativo);
#endif
    // A user-scope read must not see machine-wide values: the two scopes are
    // consulted separately, in the order the caller decides.
    m_usuario->setFallbacksEnabled(false);
    m_maquina->setFallbacksEnabled(false);
}

ArmazemQSettings::ArmazemQSettings(const QString& arquivoUsuario, const QString& arquivoMaquina)
{
    Abre(arquivoUsuario, arquivoMaquina);
    m_usuario->setFallbacksEnabled(false);
    m_maquina->setFallbacksEnabled(false);
}

void ArmazemQSettings::Abre(const QString& arquivoUsuario, const QString& arquivoMaquina)
{
    m_arquivoUsuario = arquivoUsuario;
    m_arquivoMaquina = arquivoMaquina;
    // QSettings reads its file as it is made: one that is no regular file
    // gets a QSettings of no file at all.
    const auto cria = [](const QString& arquivo) {
        const QFileInfo info(arquivo);
        return std::make_unique<QSettings>(!info.exists() || info.isFile() ? arquivo : QString(), QSettings::IniFormat);
    };
    m_usuario = cria(arquivoUsuario);
    m_maquina = cria(arquivoMaquina);
}

QString ArmazemQSettings::Arquivo(Escopo escopo) const
{
    return escopo == Escopo::Usuario ? m_arquivoUsuario : m_arquivoMaquina;
}

ArmazemQSettings::~ArmazemQSettings() = default;

QSettings& ArmazemQSettings::De(Escopo escopo) const { return escopo == Escopo::Usuario ? *m_usuario : *m_maquina; }

QString ArmazemQSettings::EscapaNome(const QString& nome)
{
    QString chave;
    chave.reserve(nome.size() + 8);
    for (QChar c : nome) {
        if (c == u'%')
            chave += QStringLiteral("%25");
        else if (c == u'/')
            chave += QStringLiteral("%2F");
        else if (c == u'\\')
            chave += QStringLiteral("%5C");
        else
            chave += c;
    }
    return chave;
}

QString ArmazemQSettings::RestauraNome(const QString& chave)
{
    QString nome;
    nome.reserve(chave.size());
    for (qsizetype i = 0; i < chave.size(); ++i) {
        if (chave[i] == u'%' && i + 2 < chave.size()) {
            const QString codigo = chave.mid(i + 1, 2).toUpper();
            if (codigo == u"25" || codigo == u"2F" || codigo == u"5C") {
                nome += QChar(codigo.toUShort(nullptr, 16));
                i += 2;
                continue;
            }
        }
        nome += chave[i];
    }
    return nome;
}

bool ArmazemQSettings::Utilizavel(Escopo escopo) const
{
    if (!UsaArquivo(De(escopo)))
        return true;
    const QFileInfo arquivo(Arquivo(escopo));
    return !arquivo.exists() || arquivo.isFile();
}

bool ArmazemQSettings::ChaveExiste(Escopo escopo) const
{
    QSettings& s = De(escopo);
    if (UsaArquivo(s))
        return QFileInfo::exists(Arquivo(escopo));
    return (escopo == Escopo::Usuario && m_chaveCriada) || !s.allKeys().isEmpty();
}

std::optional<QString> ArmazemQSettings::Le(Escopo escopo, const QString& nome) const
{
    if (!Utilizavel(escopo))
        return std::nullopt;
    QSettings& s = De(escopo);
    const QVariant valor = s.value(EscapaNome(nome));
    if (!valor.isValid())
        return std::nullopt;
    // A hand-written INI line with unquoted commas comes back as a list.
    if (valor.typeId() == QMetaType::QStringList)
        return valor.toStringList().join(QStringLiteral(", "));
    return valor.toString();
}

bool ArmazemQSettings::Grava(const QString& nome, const QString& valor)
{
    if (!ChaveExiste(Escopo::Usuario) || !Utilizavel(Escopo::Usuario) || !m_usuario->isWritable())
        return false;
    m_usuario->setValue(EscapaNome(nome), valor);
    m_usuario->sync(); // QSettings replaces the file whole, so a crash keeps the old one
    return m_usuario->status() == QSettings::NoError;
}

bool ArmazemQSettings::CriaChave()
{
    if (!UsaArquivo(*m_usuario)) {
        m_chaveCriada = true;
        return true;
    }
    const QFileInfo arquivo(Arquivo(Escopo::Usuario));
    if (arquivo.exists())
        return arquivo.isFile();
    if (!QDir().mkpath(arquivo.absolutePath()))
        return false;
    QFile f(arquivo.absoluteFilePath());
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.close();
    return true;
}
