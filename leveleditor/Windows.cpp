#include "leveleditor/Windows.h"

#include <QCoreApplication>

#include "leveleditor/MainFrm.h"
#include "model/General.h"

namespace yv {

void InstallWindowHooks() {
  Windows.loadMainFrm = [] {
    MainFrm& frm = MainFrm::Create();
    // The program ends when the main window has been unloaded.
    QObject::connect(&frm, &QObject::destroyed, [] { QCoreApplication::quit(); });
    frm.Show();
  };
}

bool MainWindowAlive() {
  MainFrm* frm = MainFrm::Instance();
  return frm && !frm->IsUnloaded();
}

}  // namespace yv
