// The common ground of the window tests: a temporary drive C: and program
// folder, scripted boxes and dialogs, the program started as Main starts it,
// and every window unloaded again afterwards.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "controls/Form.h"
#include "leveleditor/MainFrm.h"
#include "leveleditor/Windows.h"
#include "model/General.h"
#include "model/YVE_Main.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"
#include "worldeditor/WorldFrm.h"
#include "worldeditor/document/YVW_Read.h"
#include "worldeditor/document/YVW_Write.h"

namespace yv::test {

// The world document and the world window's remembered mode as at start.
inline void ResetWorldWindowState() {
  World = WorldData{};
  WorldLoaded = NewWorldPending = WorldChanged = false;
  WorldReadError = SelectedLinkType = SelectedWorldTile = SelectedLink = 0;
  WorldText.clear();
  WorldFrm::LastEditMode = 0;
}

// Unloads every loaded window, the dialogs before the main window, and lets
// their deferred deletes run.
inline void UnloadAllWindows() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* form = qobject_cast<controls::Form*>(w);
    if (form && form != MainFrm::Instance() && !form->IsUnloaded()) form->Unload();
  }
  if (MainFrm* m = MainFrm::Instance(); m && !m->IsUnloaded()) m->Unload();
  Settle();
}

// An open, empty level of the given width with maps of mapColumns columns
// (the width by default, none when maps is false) and the start marker out of view.
inline void MakeOpenLevel(int width, int mapColumns = -1, bool maps = true) {
  Level = LevelData{};
  Level.Width = static_cast<int16_t>(width);
  Level.Height = 15;
  if (maps) {
    int columns = mapColumns < 0 ? width : mapColumns;
    Level.BackgroundTM.Create(columns, 15);
    Level.InteractiveTM.Create(columns, 15);
    Level.ForegroundTM.Create(columns, 15);
  }
  Level.StartPosX = -1000;
  LevelLoaded = true;
}

// Runs wait, a call that waits for a dialog, and runs act on the dialog once
// it is open; act must close it. A dialog still open after five seconds fails
// the test and is closed, so that the wait ends.
template <class Dialog, class Result>
Result RunWhileWaiting(const std::function<Result()>& wait, const std::function<void(Dialog*)>& act) {
  QElapsedTimer clock;
  clock.start();
  QTimer poll;
  bool acted = false;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    Dialog* dialog = Dialog::Instance();
    if (dialog && !acted) {
      acted = true;
      act(dialog);
    } else if (clock.elapsed() > 5000) {
      ADD_FAILURE() << "the dialog did not close";
      if (dialog) dialog->Unload();
      DialogDone = true;
    }
  });
  poll.start(5);
  Result result = wait();
  EXPECT_TRUE(acted);
  EXPECT_EQ(Dialog::Instance(), nullptr);
  Settle();
  return result;
}

class ProgramTest : public ::testing::Test {
 protected:
  TempTree tree;
  platform::ScriptedUi ui;

  // Every test starts from the program's start, the world document included
  // (a world changed by an earlier test would ask to be saved at a close).
  void SetUp() override {
    ResetProgramState();
    ResetWorldWindowState();
  }
  void TearDown() override {
    UnloadAllWindows();
    Windows = WindowHooks{};
  }
  // Main with the level editor's window hooks; the main window, or nullptr
  // when its load ended the program.
  MainFrm* StartProgram() {
    InstallWindowHooks();
    Main();
    return MainFrm::Instance();
  }
};

}  // namespace yv::test
