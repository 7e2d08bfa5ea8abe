#include "leveleditor/Windows.h"

#include <QCoreApplication>

#include "leveleditor/Dialogs.h"
#include "leveleditor/MainFrm.h"
#include "model/General.h"
#include "worldeditor/WorldDialogs.h"

namespace yv {

void InstallWindowHooks() {
  Windows.loadMainFrm = [] {
    MainFrm& frm = MainFrm::Create();
    // The program ends when the main window has been unloaded.
    QObject::connect(&frm, &QObject::destroyed, [] { QCoreApplication::quit(); });
    frm.Show();
  };
  Windows.loadNewInfoFrm = [] { OpenNewInfoFrm(); };
  Windows.loadZTypeFrm = [] { OpenZTypeFrm(); };
  Windows.setMapScrollMax = [](int max) {
    if (MainFrm* frm = MainFrm::Instance()) frm->MapXScroll->SetMax(max);
  };
  Windows.setFileNameCaption = [](const std::string& caption) {
    if (MainFrm* frm = MainFrm::Instance()) frm->FileNameBox->SetCaption(caption);
  };
}

bool MainWindowAlive() {
  MainFrm* frm = MainFrm::Instance();
  return frm && !frm->IsUnloaded();
}

}  // namespace yv
