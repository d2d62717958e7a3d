#include "VisorPagina.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QWebEnginePage>

namespace {

// Link clicks are commands for the program, not places to go; pages are
// loaded only by the program itself.
class PaginaVisor : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl&, NavigationType tipo, bool principal) override
    {
        return !(principal && tipo == NavigationTypeLinkClicked);
    }
};

QString LiteralJs(const QString& texto)
{
    // A JSON string is a valid JavaScript string literal.
    QString json = QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{texto}).toJson(QJsonDocument::Compact));
    return json.mid(1, json.size() - 2);
}

} // namespace

VisorPagina::VisorPagina(QWidget* pai) : QWebEngineView(pai)
{
    setPage(new PaginaVisor(this));
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (ok && TextoVersoes && QFileInfo(m_pagina).fileName().compare(u"h.htm", Qt::CaseInsensitive) == 0) {
            page()->runJavaScript(QStringLiteral("(function(){var e=document.getElementById('versoes');"
                                                 "if(e)e.innerHTML=%1;})();")
                                      .arg(LiteralJs(TextoVersoes())));
        }
        emit Carregado(ok);
    });
}

void VisorPagina::MostraPagina(const QString& caminho)
{
    m_pagina = caminho;
    load(QUrl::fromLocalFile(caminho));
}

void VisorPagina::MostraHtml(const QString& corpo, const QString& pastaBase)
{
    m_pagina.clear();
    const QString html = QStringLiteral("<!DOCTYPE html><html lang=\"pt\"><head><meta charset=\"utf-8\">"
                                        "<style>body{font-family:Verdana,sans-serif;font-size:10pt;"
                                        "color:#263440;margin:14px 18px;line-height:1.45}</style></head><body>") +
                         corpo + QStringLiteral("</body></html>");
    setHtml(html, QUrl::fromLocalFile(QDir(pastaBase).filePath(QStringLiteral("verbete.htm"))));
}
