// Serves the program's installation folder to the entry view as
// "mini://app/...", so its pages load their sheets and pictures while the
// view itself may read no local file at all. Nothing outside the folder is
// served, and only the kinds of file the pages use.
#pragma once

#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

class ArquivosPrograma : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    static constexpr const char* Esquema = "mini";

    explicit ArquivosPrograma(QObject* pai = nullptr) : QWebEngineUrlSchemeHandler(pai) { }

    void DefinePasta(const QString& pasta);
    const QString& Pasta() const { return m_pasta; }

    // A path inside the folder as an address, and back; other paths give an
    // empty result. A trailing "?" (a page replayed from the history) is kept.
    QUrl Endereco(const QString& caminho) const;
    QString Caminho(const QUrl& endereco) const;
    // The file an address names, empty when it is outside the folder.
    QString Arquivo(const QUrl& endereco) const;
    static QByteArray TipoMime(const QString& arquivo);

    void requestStarted(QWebEngineUrlRequestJob* pedido) override;

private:
    QString m_pasta; // canonical, without a trailing "/"
};
