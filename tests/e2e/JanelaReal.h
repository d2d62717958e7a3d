// The program's window over the built program folder, shown and with its
// web view's first page in place; null when it could not get there.
#pragma once

#include "ArmazemMemoria.h"
#include "frmMain.h"

#include <QDir>
#include <QSignalSpy>
#include <memory>

inline std::unique_ptr<frmMain> AbreJanelaReal(ArmazemMemoria& armazem)
{
    frmMain::Opcoes o;
    o.pastaPrograma = QStringLiteral(MINI_APP_DIR);
    o.caminhoBanco = QDir(o.pastaPrograma).filePath(QStringLiteral("minilexaria.db"));
    o.armazem = &armazem;
    auto janela = std::make_unique<frmMain>(o);
    if (janela->Carrega({}) != CicloJanela::Carga::Pronta)
        return nullptr;
    QSignalSpy pagina(janela.get(), &frmMain::PaginaCarregada);
    janela->show();
    if (!pagina.wait(30000) || !janela->Visor())
        return nullptr;
    return janela;
}
