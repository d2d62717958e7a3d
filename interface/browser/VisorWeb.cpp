#include "VisorWeb.h"

#include "ArquivosPrograma.h"
#include "FiguraPele.h"
#include "ScriptsPagina.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QRandomGenerator>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlSchemeHandler>

namespace {

QString LiteralJs(const QString& texto)
{
    // A JSON string is a valid JavaScript string literal.
    const QString json = QString::fromUtf8(QJsonDocument(QJsonArray{texto}).toJson(QJsonDocument::Compact));
    return json.mid(1, json.size() - 2);
}

// Command links never load anything, whatever reaches the network stack.
class RecusaEsquema : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* pedido) override
    {
        pedido->fail(QWebEngineUrlRequestJob::RequestDenied);
    }
};

class PaginaVisor : public QWebEnginePage {
public:
    PaginaVisor(QWebEngineProfile* perfil, VisorWeb* visor, QString marca)
        : QWebEnginePage(perfil, visor), m_visor(visor), m_marca(std::move(marca))
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool principal) override
    {
        if (!principal)
            return false;
        // Only the program's own files are pages; anything else a click
        // might reach is refused here (command links arrive as clicks).
        const QString caminho = m_visor->Arquivos().Caminho(url);
        if (caminho.isEmpty())
            return false;
        return !m_visor->AoNavegar || m_visor->AoNavegar(caminho);
    }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& mensagem, int, const QString&) override
    {
        if (mensagem.startsWith(m_marca) && m_visor->AoClicarLink)
            m_visor->AoClicarLink(mensagem.mid(m_marca.size()));
    }

    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }

private:
    VisorWeb* m_visor;
    QString m_marca;
};

// The default profile keeps nothing on disk (no cache, cookies or history
// files); it serves the program's folder and refuses the command schemes.
ArquivosPrograma* ArquivosDoPerfil()
{
    static ArquivosPrograma* arquivos = [] {
        QWebEngineProfile* p = QWebEngineProfile::defaultProfile();
        for (const char* esquema : {"goto", "goid"})
            p->installUrlSchemeHandler(esquema, new RecusaEsquema(p));
        auto* a = new ArquivosPrograma(p);
        p->installUrlSchemeHandler(ArquivosPrograma::Esquema, a);
        return a;
    }();
    return arquivos;
}

} // namespace

VisorWeb::VisorWeb(QWidget* pai, const QString& pastaPrograma) : QWebEngineView(pai), m_arquivos(ArquivosDoPerfil())
{
    m_arquivos->DefinePasta(pastaPrograma);
    const QString marca =
        QStringLiteral("mini-link-%1:").arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0'));
    auto* pagina = new PaginaVisor(QWebEngineProfile::defaultProfile(), this, marca);
    QWebEngineSettings* s = pagina->settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    for (const auto& [nome, codigo] : {std::pair{"mini-marca", ScriptsPagina::ScriptMarca()},
                                       std::pair{"mini-links", ScriptsPagina::ScriptLinks(marca)}}) {
        QWebEngineScript script;
        script.setName(QString::fromLatin1(nome));
        script.setSourceCode(codigo);
        script.setInjectionPoint(QWebEngineScript::DocumentCreation);
        script.setWorldId(QWebEngineScript::ApplicationWorld);
        script.setRunsOnSubFrames(false);
        pagina->scripts().insert(script);
    }
    setPage(pagina);
    setContextMenuPolicy(Qt::NoContextMenu);

    const auto figura = [this](const char* nome, const char* figura) {
        auto* rotulo = new QLabel(this);
        rotulo->setObjectName(QString::fromLatin1(nome));
        rotulo->setPixmap(FiguraPele::Carrega(QString::fromLatin1(figura), devicePixelRatioF()));
        rotulo->adjustSize();
        rotulo->hide();
        return rotulo;
    };
    m_aguarde = figura("picAguarde", "AGUARDE");
    m_pesquisando = figura("picPesquisando", "PESQUISANDO");

    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (ok && TextoVersoes && QFileInfo(m_caminho).fileName().compare(u"h.htm", Qt::CaseInsensitive) == 0)
            DefineHtml(QStringLiteral("versoes"), TextoVersoes());
        if (AoCompletar)
            AoCompletar(ok);
    });
}

VisorWeb::~VisorWeb()
{
    // The page goes before the view that it reports to.
    QWebEnginePage* p = page();
    setPage(nullptr);
    delete p;
}

void VisorWeb::Tamanho(const QRect& area)
{
    setGeometry(area);
    for (QLabel* figura : {m_aguarde, m_pesquisando})
        figura->move((area.width() - figura->width()) / 2, (area.height() - figura->height()) / 2);
}

void VisorWeb::MostraAguarde(bool visivel)
{
    m_aguarde->setVisible(visivel);
    if (visivel)
        m_aguarde->raise();
}

bool VisorWeb::AguardeVisivel() const { return m_aguarde->isVisible(); }

void VisorWeb::MostraPesquisando(bool visivel)
{
    m_pesquisando->setVisible(visivel);
    if (visivel) {
        m_pesquisando->raise();
        m_pesquisando->repaint();
    }
}

bool VisorWeb::PesquisandoVisivel() const { return m_pesquisando->isVisible(); }

void VisorWeb::Navega(const QString& caminho)
{
    m_caminho = caminho;
    if (m_caminho.endsWith(u'?'))
        m_caminho.chop(1);
    // Pages outside the program's folder are not shown.
    const QUrl url = m_arquivos->Endereco(caminho);
    load(url.isEmpty() ? QUrl(QStringLiteral("about:blank")) : url);
}

void VisorWeb::Executa(const QString& script) { page()->runJavaScript(script, QWebEngineScript::ApplicationWorld); }

void VisorWeb::DefineHtml(const QString& id, const QString& html)
{
    Executa(QStringLiteral("(function(){var e=document.getElementById(%1);if(e)e.innerHTML=%2;})();")
                .arg(LiteralJs(id), LiteralJs(html)));
}

void VisorWeb::DefineVisivel(const QString& id, bool visivel)
{
    Executa(QStringLiteral("(function(){var e=document.getElementById(%1);if(e)e.style.visibility='%2';})();")
                .arg(LiteralJs(id), visivel ? QStringLiteral("visible") : QStringLiteral("hidden")));
}

void VisorWeb::Marca(const QStringList& palavras, const QString& iniciada, const QString& terminada,
                     const QString& corFundo, const QString& corTexto)
{
    const QString lista =
        QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(palavras)).toJson(QJsonDocument::Compact));
    Executa(QStringLiteral("window.MarcaBusca&&MarcaBusca(%1,%2,%3,%4,%5);")
                .arg(lista, LiteralJs(iniciada), LiteralJs(terminada), LiteralJs(corFundo), LiteralJs(corTexto)));
}

void VisorWeb::QuandoPronto(std::function<void()> feito)
{
    page()->runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld,
                          [feito = std::move(feito)](const QVariant&) { feito(); });
}

void VisorWeb::Imprime()
{
    auto* impressora = new QPrinter(QPrinter::HighResolution);
    QPrintDialog dialogo(impressora, this);
    dialogo.setWindowTitle(QStringLiteral("Imprimir"));
    if (dialogo.exec() != QDialog::Accepted) {
        delete impressora;
        return;
    }
    connect(
        this, &QWebEngineView::printFinished, this, [impressora](bool) { delete impressora; },
        Qt::SingleShotConnection);
    print(impressora);
}

void VisorWeb::AbreExterno(const QString& endereco) { QDesktopServices::openUrl(QUrl(endereco)); }
