#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "leveleditor/MainFrm.h"
#include "leveleditor/Windows.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "platform/System.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"

using namespace yv;

namespace {
// Lets the deleteLater of an unloaded window run.
void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}
}  // namespace

TEST(Startup, MainOpensTheMainWindowAndItsCloseWritesThePreferences) {
  test::TempTree tree;
  platform::ScriptedUi ui;
  PreferenceRecord saved;
  saved.FormLeft[kFormMainFrm] = 1500;  // 100 pixels
  saved.FormTop[kFormMainFrm] = 3000;
  saved.SavedLayer = 2;
  saved.SavedMode = 1;
  saved.SavedBadGuyKind = 7;
  saved.SavedTileSet = 2;
  saved.SavedTile = 55;
  saved.DefaultAuthor = "Ilse";
  saved.Reserved4 = "kept";
  tree.Write("Editor/YV_Editor.Preferences", EncodePreferences(saved));

  test::ResetProgramState();
  InstallWindowHooks();
  Main();
  MainFrm* frm = MainFrm::Instance();
  ASSERT_NE(frm, nullptr);
  EXPECT_TRUE(frm->isVisible());
  EXPECT_EQ(frm->Caption(), "YV_Editor V1.09 - Yorvane Level Editor by Mossdrake");
  EXPECT_EQ(frm->LeftTwips(), 1500);
  EXPECT_EQ(frm->TopTwips(), 3000);
  EXPECT_EQ(CurrentLayer, 2);
  EXPECT_EQ(EditMode, 1);
  EXPECT_EQ(SelectedBadGuyKind, 7);
  EXPECT_EQ(TileSetChoice, 2);
  EXPECT_TRUE(ui.msgCalls.empty());  // no last level: nothing is asked

  frm->move(200, 150);
  SelectedBadGuyKind = 3;
  frm->close();  // the close box
  Settle();
  EXPECT_EQ(MainFrm::Instance(), nullptr);
  EXPECT_FALSE(MainWindowAlive());

  PreferenceRecord written = DecodePreferences(tree.Read("Editor/YV_Editor.Preferences"));
  EXPECT_EQ(written.FormLeft[kFormMainFrm], 200 * 15);
  EXPECT_EQ(written.FormTop[kFormMainFrm], 150 * 15);
  EXPECT_EQ(written.SavedLayer, 2);
  EXPECT_EQ(written.SavedMode, 1);
  EXPECT_EQ(written.SavedBadGuyKind, 3);
  EXPECT_EQ(written.SavedTileSet, 2);
  EXPECT_EQ(written.DefaultAuthor, "Ilse");
  EXPECT_EQ(written.Reserved4, "kept");
  Windows = WindowHooks{};
}

TEST(Startup, NeverPlacedMainWindowIsCentred) {
  test::TempTree tree;
  platform::ScriptedUi ui;
  test::ResetProgramState();
  InstallWindowHooks();
  Main();
  MainFrm* frm = MainFrm::Instance();
  ASSERT_NE(frm, nullptr);
  // Placed before it is first shown, when only the client area's size is known.
  int expectedLeft = (controls::Form::ScreenWidthTwips() - frm->width() * 15) / 2;
  int expectedTop = (controls::Form::ScreenHeightTwips() - frm->height() * 15) / 2;
  EXPECT_NEAR(frm->LeftTwips(), expectedLeft, 15);
  EXPECT_NEAR(frm->TopTwips(), expectedTop, 15);
  EXPECT_TRUE(tree.Exists("Editor/YV_Editor.Preferences"));  // created empty at start
  frm->Unload();
  Settle();
  EXPECT_GE(tree.Read("Editor/YV_Editor.Preferences").size(), 424u);
  Windows = WindowHooks{};
}

// A close that comes while the main window's load reads the last level (here
// through the reader's event pump, which runs every time) is kept until the
// load has ended, and then ends the program as any close does: the window
// stores what the load restored.
TEST(Startup, ACloseDuringTheLoadEndsTheProgramOnceTheLoadHasEnded) {
  namespace fs = std::filesystem;
  const fs::path sample = fs::path(YV_SOURCE_DIR) / "sample";
  for (const bool posted : {true, false}) {
    SCOPED_TRACE(posted ? "posted close event" : "close()");
    test::TempTree tree;
    platform::ScriptedUi ui;
    fs::copy(sample / "Program Files", tree.Host("Program Files"), fs::copy_options::recursive);
    const PreferenceRecord saved = DecodePreferences(test::ReadHostFile(sample / "YV_Editor.Preferences"));
    ASSERT_NE(saved.SavedTile, 0);
    tree.Write("Editor/YV_Editor.Preferences", EncodePreferences(saved));
    platform::EventPump previous = platform::InstallEventPump({[] { QCoreApplication::processEvents(); }, {}});
    bool closedInLoad = false;
    QTimer::singleShot(0, [&] {
      MainFrm* frm = MainFrm::Instance();
      if (!frm) return;
      closedInLoad = !LevelLoaded;
      posted ? QCoreApplication::postEvent(frm, new QCloseEvent) : (void)frm->close();
    });
    test::ResetProgramState();
    InstallWindowHooks();
    Main();
    platform::InstallEventPump(std::move(previous));
    EXPECT_TRUE(closedInLoad && LevelLoaded && !MainWindowAlive());
    if (MainWindowAlive()) MainFrm::Instance()->Unload();
    Settle();
    EXPECT_EQ(MainFrm::Instance(), nullptr);
    EXPECT_EQ(DecodePreferences(tree.Read("Editor/YV_Editor.Preferences")).SavedTile, saved.SavedTile);
    Windows = WindowHooks{};
  }
}
