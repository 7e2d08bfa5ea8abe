// Window tests run under Qt's offscreen platform with scripted answers to
// message boxes, input boxes and file dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/qt/QtServices.h"
#include "platform/qt/RuntimeFolder.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  yv::platform::PrepareRuntimeFolder();
  QApplication app(argc, argv);
  yv::platform::InstallQtEventPump();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
