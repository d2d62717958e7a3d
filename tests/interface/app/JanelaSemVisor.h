// The main window over the test database, without the web view, its
// settings kept in memory.
#pragma once

#include "ArmazemMemoria.h"
#include "frmMain.h"

#include <memory>

inline std::unique_ptr<frmMain> JanelaSemVisor(ArmazemMemoria& armazem)
{
    frmMain::Opcoes o;
    o.caminhoBanco = QStringLiteral(MINI_TEST_DB);
    o.armazem = &armazem;
    o.comVisor = false;
    return std::make_unique<frmMain>(o);
}
