// YV_Editor: builds the application, installs the Qt platform services and runs Main.
#include <QApplication>

#include "leveleditor/Windows.h"
#include "model/YVE_Main.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/RuntimeFolder.h"

int main(int argc, char** argv) {
  yv::platform::PrepareRuntimeFolder();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  yv::platform::InstallQtEventPump();
  yv::platform::InstallQtUiServices();
  yv::InstallWindowHooks();
  yv::Main();
  // Main shows the main window and returns; the program ends when the main
  // window has been unloaded, which can already have happened inside its
  // Form_Load (Cancel in the reopen question).
  if (!yv::MainWindowAlive()) return 0;
  return app.exec();
}
