#include "GeradorBitmaps.h"

#include "DesenhoBotoes.h"
#include "DesenhoJanela.h"

#include <QDir>
#include <QFile>
#include <QPainter>

namespace {

using Estado = DesenhoBotoes::Estado;
using DesenhoBotao = void (*)(QPainter&, QSizeF, Estado);

// A button in its rest and pointer looks: NAME and NAMESELECIONADO.
void Par(QList<GeradorBitmaps::Bitmap>& lista, const char* nome, QSize t, DesenhoBotao d)
{
    const QString base = QString::fromLatin1(nome);
    lista.append({base, t, [d](QPainter& p, QSizeF s) { d(p, s, Estado::Normal); }});
    lista.append(
        {base + QStringLiteral("SELECIONADO"), t, [d](QPainter& p, QSizeF s) { d(p, s, Estado::Selecionado); }});
}

void Menu(QList<GeradorBitmaps::Bitmap>& lista, const char* nome, QSize t, const QString& palavra)
{
    const QString base = QString::fromLatin1(nome);
    const std::pair<const char*, Estado> looks[] = {
        {"", Estado::Normal}, {"SELECIONADO", Estado::Selecionado}, {"MENU", Estado::Menu}};
    for (const auto& [sufixo, e] : looks)
        lista.append({base + QString::fromLatin1(sufixo), t,
                      [palavra, e](QPainter& p, QSizeF s) { DesenhoBotoes::Menu(p, s, e, palavra); }});
}

} // namespace

QList<GeradorBitmaps::Bitmap> GeradorBitmaps::Catalogo()
{
    QList<Bitmap> l;
    l.append({QStringLiteral("FUNDO_MINI"), QSize(478, 333), DesenhoJanela::Fundo});
    l.append({QStringLiteral("RESIZE"), QSize(24, 23), DesenhoJanela::Alca});
    l.append({QStringLiteral("SPLASH_MINI"), QSize(400, 331), DesenhoJanela::Splash});
    l.append({QStringLiteral("TITULO_MINI"), QSize(100, 20), DesenhoJanela::Titulo});
    l.append({QStringLiteral("AGUARDE"), QSize(150, 40),
              [](QPainter& p, QSizeF s) { DesenhoJanela::Aviso(p, s, QStringLiteral("Aguarde...")); }});
    l.append({QStringLiteral("PESQUISANDO"), QSize(150, 40),
              [](QPainter& p, QSizeF s) { DesenhoJanela::Aviso(p, s, QStringLiteral("Pesquisando...")); }});

    const QSize janela(17, 17), navegacao(26, 26), ferramenta(25, 25);
    Par(l, "BTNMINIMIZAR", janela, DesenhoBotoes::Minimizar);
    Par(l, "BTNMAXIMIZAR", janela, DesenhoBotoes::Maximizar);
    Par(l, "BTNRESTAURAR", janela, DesenhoBotoes::Restaurar);
    Par(l, "BTNFECHAR", janela, DesenhoBotoes::Fechar);
    Par(l, "BTNSETAESQUERDA", navegacao, DesenhoBotoes::SetaEsquerda);
    Par(l, "BTNSETADIREITA", navegacao, DesenhoBotoes::SetaDireita);
    Par(l, "BTNCASA", navegacao, DesenhoBotoes::Casa);
    Par(l, "BTNLAPIS", ferramenta, DesenhoBotoes::Lapis);
    Par(l, "BTNPRINTER", ferramenta, DesenhoBotoes::Impressora);
    Par(l, "BTNVISUAL1", ferramenta, [](QPainter& p, QSizeF s, Estado e) { DesenhoBotoes::Visual(p, s, e, 1); });
    Par(l, "BTNVISUAL2", ferramenta, [](QPainter& p, QSizeF s, Estado e) { DesenhoBotoes::Visual(p, s, e, 2); });
    Par(l, "BTNVISUAL3", ferramenta, [](QPainter& p, QSizeF s, Estado e) { DesenhoBotoes::Visual(p, s, e, 3); });
    Menu(l, "BTNARQUIVO", QSize(45, 19), QStringLiteral("Arquivo"));
    Menu(l, "BTNAJUDA", QSize(36, 19), QStringLiteral("Ajuda"));
    return l;
}

QImage GeradorBitmaps::Desenha(const Bitmap& b, int escala)
{
    QImage img(b.tamanho * escala, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(escala, escala);
    b.desenha(p, QSizeF(b.tamanho));
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

bool GeradorBitmaps::Grava(const QString& pasta, QString& erro)
{
    const QDir dir(pasta);
    if (!dir.exists() && !QDir().mkpath(pasta)) {
        erro = QStringLiteral("não foi possível criar ") + pasta;
        return false;
    }
    QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/shell\">\n");
    for (const Bitmap& b : Catalogo()) {
        for (int escala : {1, 2}) {
            const QString arquivo = b.nome + (escala == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
            if (!Desenha(b, escala).save(dir.filePath(arquivo), "PNG")) {
                erro = QStringLiteral("não foi possível gravar ") + dir.filePath(arquivo);
                return false;
            }
            qrc += QStringLiteral("    <file>") + arquivo + QStringLiteral("</file>\n");
        }
    }
    qrc += QStringLiteral("  </qresource>\n</RCC>\n");
    QFile f(dir.filePath(QStringLiteral("shell.qrc")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(qrc.toUtf8()) < 0) {
        erro = QStringLiteral("não foi possível gravar ") + f.fileName();
        return false;
    }
    return true;
}
