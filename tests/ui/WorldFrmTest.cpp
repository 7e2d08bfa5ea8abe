// The world window's life cycle and file commands: opened from the main
// window and giving it back, the load and close paths, open, save, save as
// and create.
#include <QElapsedTimer>

#include "leveleditor/VarsFrm.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/WorldFrmFixture.h"
#include "worldeditor/WorldPropertiesFrm.h"

using namespace yv;

namespace {
class WorldWindow : public test::WorldWindowTest {};
}  // namespace

TEST_F(WorldWindow, OpensFromTheMainWindowAndGivesItBackEveryTime) {
  for (int round = 0; round < 2; ++round) {
    test::MakeWorld(30, 20);
    SetWorldTile(0, 0, static_cast<int16_t>(10 + round));  // read afresh at every opening
    Pref.LastWorldMapFile = WriteWorld("a.yvwm");
    Pref.SavedWorldScrollX = 0;
    ASSERT_NE(OpenWorldWindow(), nullptr);
    EXPECT_TRUE(frm->isVisible() && !main->isVisible() && !main->FormEnabled());
    EXPECT_EQ(main->MousePointer(), controls::Pointer::Hourglass);
    EXPECT_EQ(Shown(Cell(0, 0)), Picture(10 + round));
    main->TB_ButtonClick(13);  // only raises the open window
    EXPECT_EQ(WorldFrm::Instance(), frm);
    frm->MapXScroll->SetValue(4);
    frm->WTB_ButtonClick(10);
    EXPECT_TRUE(frm->IsUnloaded() && MainGivenBack());
    EXPECT_EQ(WrittenPrefs().SavedWorldScrollX, 4);
    test::Settle();
  }
  OpenWorldWindow()->move(3000, 2500);  // stored within what the preferences hold
  frm->Close();
  EXPECT_EQ(Pref.FormLeft[kFormWorldFrm], 32767);
  // The main window's unload (the program's end) takes an open world window first.
  OpenWorldWindow()->ModeOption[3]->SetValue(true);
  main->Unload();
  EXPECT_TRUE(frm->IsUnloaded());
  EXPECT_EQ(WrittenPrefs().SavedWorldMode, 3);
}

TEST_F(WorldWindow, LoadPaths) {
  test::MakeWorld(40, 20);
  const std::string path = WriteWorld("w.yvwm"), gone = WorldMapsDir + "\\gone.yvwm";
  struct Case {
    std::string file;
    int16_t mode, x, y;
    int wantMode, wantX, wantY;
  };
  for (const Case& c : {Case{"", 4, 3, 3, 0, 0, 0}, Case{path, 7, 5, 3, 0, 5, 3}, Case{path, 4, 30, 9, 4, 22, 5},
                        Case{gone, 2, 0, 0, 2, 0, 0}}) {
    Pref.LastWorldMapFile = c.file;
    Pref.SavedWorldMode = c.mode, Pref.SavedWorldScrollX = c.x, Pref.SavedWorldScrollY = c.y;
    ResetWorldData();
    ui.msgCalls.clear();
    bool mainShownAtBox = false;  // the world window is shown before the main window goes
    ui.onMsgBox = [&](const auto&) { mainShownAtBox = main->isVisible() && WorldFrm::Instance()->isVisible(); };
    ASSERT_NE(OpenWorldWindow(), nullptr);
    const bool drawn = c.file == path;
    EXPECT_TRUE(frm->ModeOption[c.wantMode]->Value() && frm->WorldEditMode == c.wantMode) << c.mode;
    // With or without a world, only the mode's own panel shows.
    EXPECT_TRUE(frm->TilesFrame->Visible() == (c.wantMode <= 1) && frm->LinkFrame->Visible() == (c.wantMode == 2));
    EXPECT_EQ(frm->MapXScroll->Value() * 100 + frm->MapYScroll->Value(), c.wantX * 100 + c.wantY) << c.x;
    EXPECT_EQ(frm->FileNameBox->Caption(), drawn ? path : "");
    EXPECT_EQ(Cell(0, 0)->Picture().isNull(), !drawn);
    EXPECT_EQ(ui.msgCalls.size(), c.file == gone ? 1u : 0u);
    EXPECT_EQ(mainShownAtBox, c.file == gone);
    EXPECT_TRUE(!frm->Updating && SelectedLink == -1);
    frm->Close();
    test::Settle();
  }
  // Closed while it loads: the main window stays in use.
  ui.onMsgBox = [](const platform::MsgBoxCall&) { WorldFrm::Instance()->close(); };
  EXPECT_EQ(OpenWorldWindow(), nullptr);
  EXPECT_TRUE(MainGivenBack());
}

// From the click until the world window has gone, the main window takes no
// input: what the user does on it while the world window loads (here while the
// load's box is up) is refused, and it is first enabled again by the close.
TEST_F(WorldWindow, TheMainWindowTakesNoInputWhileTheWorldWindowIsOpen) {
  const std::function<void()> inputs[] = {
      [&] { test::Mouse::Click(main->TB->ButtonWidget(10)); },  // "Variables"
      [&] { test::Mouse::Click(main->FileNameBox); },           // the file name
      [&] { main->close(); },                                   // the close box
  };
  Pref.LastWorldMapFile = WorldMapsDir + "\\gone.yvwm";  // the load shows its box
  for (const auto& input : inputs) {
    SCOPED_TRACE(&input - inputs);
    bool heldAtBox = false;
    ui.onMsgBox = [&](const auto&) {
      heldAtBox = main->isVisible() && !main->FormEnabled() && main->MousePointer() == controls::Pointer::Hourglass &&
                  WorldFrm::Instance()->isVisible();
      input();
    };
    ASSERT_NE(OpenWorldWindow(), nullptr);
    ui.onMsgBox = nullptr;
    EXPECT_TRUE(heldAtBox && VarsFrm::Instance() == nullptr && ui.fileCalls.empty() && !main->IsUnloaded());
    EXPECT_TRUE(frm->IsLoaded() && !main->isVisible() && !main->FormEnabled());
    // The world window's own dialog gives back the world window, not the main one.
    frm->WTB_ButtonClick(8);
    WorldPropertiesFrm::Instance()->close();
    EXPECT_TRUE(frm->FormEnabled() && !main->FormEnabled());
    frm->Close();
    EXPECT_TRUE(MainGivenBack());
    test::Settle();
  }
}

TEST_F(WorldWindow, ClosePaths) {
  struct Case {
    bool changed, loaded;
    int answer;  // 0: no question
    bool closes, written, failing;
    bool unnamed = false;          // no file name: Yes runs the name dialog
    const char* chosen = nullptr;  // ... which is cancelled without one
  };
  for (const Case& c :
       {Case{false, true, 0, true, false, false}, Case{true, true, platform::kYes, true, true, false},
        Case{true, true, platform::kNo, true, false, false}, Case{true, true, platform::kCancel, false, false, false},
        Case{true, false, platform::kYes, true, false, false}, Case{true, true, platform::kYes, false, false, true},
        Case{true, true, platform::kYes, false, false, false, true},
        Case{true, true, platform::kYes, true, false, false, true, "n.yvwm"}}) {
    test::MakeWorld(20, 16);
    Pref.LastWorldMapFile = WriteWorld("c.yvwm");
    const std::string before = ReadWorld("c.yvwm");
    OpenWorldWindow()->ModeOption[4]->SetValue(true);
    Cell(1, 1)->MouseDown(1, 0, 0, 0);  // the start moves
    WorldChanged = c.changed, WorldLoaded = c.loaded;
    if (c.failing) Pref.LastWorldMapFile = WorldMapsDir + "\\gone\\c.yvwm";  // a save that fails
    if (c.unnamed) Pref.LastWorldMapFile.clear();
    if (c.chosen) ui.fileAnswers = {WorldMapsDir + "\\" + c.chosen};
    ui.msgCalls.clear();
    int16_t modeAtQuestion = -1;  // the preferences are written first
    ui.onMsgBox = [&](const platform::MsgBoxCall&) { modeAtQuestion = WrittenPrefs().SavedWorldMode; };
    if (c.answer) ui.msgAnswers = {c.answer};
    EXPECT_EQ(frm->Close(), c.closes);
    ASSERT_EQ(ui.msgCalls.size(), (c.answer ? 1u : 0u) + (c.failing ? 1u : 0u));
    if (c.answer) {
      EXPECT_EQ(ui.Boxes()[0], "Save World Map Changes?|World Map Changed|35");
      EXPECT_EQ(modeAtQuestion, 4);
    }
    EXPECT_EQ(ReadWorld("c.yvwm") != before, c.written) << c.answer;
    EXPECT_EQ(MainGivenBack(), c.closes) << c.answer;
    EXPECT_TRUE(!c.chosen || ReadWorld(c.chosen) == WorldText);
    EXPECT_EQ(ui.fileCalls.size(), c.unnamed ? 1u : 0u);
    if (!c.closes) {
      EXPECT_TRUE(World.StartX == 1 && WorldChanged);  // the world as it was
      const size_t boxes = ui.msgCalls.size();
      if (c.unnamed) ui.msgAnswers = {platform::kYes};  // and a name dialog cancelled then counts as No
      frm->Unload();  // the program's end asks again, and Cancel cannot keep the window
      EXPECT_TRUE(ui.msgCalls.size() == boxes + 1 && MainGivenBack());
    }
    ui.fileCalls.clear();
    test::Settle();
  }
}

TEST_F(WorldWindow, OpenCancelledOpenSaveAndSaveAs) {
  test::MakeWorld(25, 18);
  Pref.LastWorldMapFile = WriteWorld("first.yvwm");
  test::MakeWorld(30, 20);
  const std::string second = WriteWorld("second.yvwm");
  OpenWorldWindow()->ModeOption[3]->SetValue(true);
  main->CD.FileName = "C:\\levels\\last.yvl";
  ui.fileAnswers = {second};
  frm->WTB_ButtonClick(3);
  ASSERT_EQ(ui.fileCalls.size(), 1u);
  const platform::FileDialogRequest& asked = ui.fileCalls[0];
  EXPECT_EQ(asked.filter + asked.initDir + asked.fileName, "*.yvwm|*.yvwm" + WorldMapsDir + "C:\\levels\\last.yvl");
  EXPECT_TRUE(WorldLoaded && World.Width == 30 && frm->WorldEditMode == 0);
  EXPECT_EQ(Pref.LastWorldMapFile + frm->FileNameBox->Caption(), second + second);

  // Save writes the world's text; save as a name without extension writes
  // exactly that name, which the label shows at once.
  Cell(2, 2)->MouseDown(1, 0, 0, 0);
  frm->WTB_ButtonClick(5);
  EXPECT_EQ(ReadWorld("second.yvwm"), WorldText);
  EXPECT_FALSE(WorldChanged);
  ui.fileAnswers = {WorldMapsDir + "\\plain", std::nullopt};
  frm->WTB_ButtonClick(6);
  EXPECT_TRUE(ui.fileCalls.back().save);
  EXPECT_EQ(ReadWorld("plain"), WorldText);
  EXPECT_EQ(frm->FileNameBox->Caption(), WorldMapsDir + "\\plain");
  frm->WTB_ButtonClick(6);  // cancelled
  EXPECT_EQ(Pref.LastWorldMapFile, WorldMapsDir + "\\plain");
  // The name is the world's once its file is written, if only with the warning.
  const std::string named = WorldMapsDir + "\\m.yvwm";
  for (bool written : {false, true}) {
    platform::MemoryFileSystem memory;
    memory.failWrites = !written, memory.warnWrites = written;
    platform::FileSystem* real = platform::FileSystem::Install(&memory);
    ui.fileAnswers = {named};
    frm->WTB_ButtonClick(6);
    platform::FileSystem::Install(real);
    frm->UpdateWorld();
    const std::string name = written ? named : WorldMapsDir + "\\plain";
    EXPECT_EQ(frm->FileNameBox->Caption() + "|" + Pref.LastWorldMapFile, name + "|" + name);
    EXPECT_EQ(ui.msgCalls.size(), 1u);  // the failure, or the warning
    ui.msgCalls.clear();
  }

  // A cancelled open leaves the world drawn as it was: it was never replaced.
  frm->ModeOption[2]->SetValue(true);
  frm->MapXScroll->SetValue(3);
  const qint64 drawn = Shown(Cell(5, 5));
  frm->FileNameBox->Click();
  EXPECT_TRUE(WorldLoaded && World.Width == 30 && frm->WorldEditMode == 2 && frm->MapXScroll->Value() == 3);
  EXPECT_EQ(Shown(Cell(5, 5)), drawn);
  // A failed open: the blank map, mode 0, the world gone, and the name of
  // the last world read whole, shown and read by the next opening.
  tree.Write(test::kWorldMapsFolder + "bad.yvwm", "(yorvane-worldmap\n (properties (name 5");
  ui.fileAnswers = {WorldMapsDir + "\\bad.yvwm"};
  frm->FileNameBox->Click();
  EXPECT_TRUE(!WorldLoaded && frm->WorldEditMode == 0 && frm->MapXScroll->Value() == 0);
  EXPECT_EQ(Shown(Cell(5, 5)), Shown(frm->BlankImg));
  EXPECT_EQ(frm->FileNameBox->Caption() + Pref.LastWorldMapFile, named + named);
  EXPECT_EQ(ui.Boxes(), std::vector<std::string>{"Error # 1|World Read Error|16"});
  ui.msgCalls.clear();
  // Without a loaded world neither save builds, asks or writes anything.
  WorldChanged = true;
  const size_t dialogs = ui.fileCalls.size();
  frm->WTB_ButtonClick(5);
  frm->WTB_ButtonClick(6);
  EXPECT_EQ(ui.fileCalls.size(), dialogs);
  EXPECT_EQ(ReadWorld("plain"), WorldText);
  EXPECT_TRUE(WorldChanged && ui.msgCalls.empty());
}

TEST_F(WorldWindow, CreateNewWorldAfterAFailedRead) {
  tree.Write(test::kWorldMapsFolder + "bad.yvwm", "(yorvane-worldmap\n (properties (name 5");
  Pref.LastWorldMapFile = WorldMapsDir + "\\bad.yvwm";
  OpenWorldWindow()->ModeOption[4]->SetValue(true);
  ASSERT_GT(WorldReadError, 0);
  ui.msgCalls.clear();
  // Unsaved work is asked about first, and its Cancel ends the command.
  WorldChanged = true;
  ui.msgAnswers = {platform::kCancel, platform::kNo, platform::kNo, platform::kNo, platform::kYes};
  frm->WTB_ButtonClick(1);
  frm->WTB_ButtonClick(1);
  EXPECT_FALSE(NewWorldPending);
  const std::string unsaved = "Save World Map Changes?|World Map Changed|35";
  EXPECT_EQ(ui.Boxes(), (std::vector<std::string>{unsaved, unsaved,
                                                  "Do you wish to create a new world?|Yorvane New World Creation|36"}));
  frm->WTB_ButtonClick(1);
  EXPECT_TRUE(NewWorldPending && WorldReadError == 0 && frm->WorldEditMode == 0);
  EXPECT_EQ(frm->FileNameBox->Caption() + Pref.LastWorldMapFile, "");  // the new world has no file yet
  // The properties dialog over the disabled window; its close gives the
  // new world its map, drawn without a read error box.
  ASSERT_NE(WorldPropertiesFrm::Instance(), nullptr);
  EXPECT_FALSE(frm->FormEnabled());
  WorldPropertiesFrm::Instance()->OKCmd_Click();
  EXPECT_TRUE(frm->FormEnabled() && WorldLoaded && ui.msgCalls.size() == 5);
  EXPECT_EQ(Shown(Cell(17, 14)), Picture(9));
  // Saved only under a name chosen for it, never over the file shown before.
  const std::string bad = ReadWorld("bad.yvwm");
  ui.fileAnswers = {std::nullopt, WorldMapsDir + "\\named.yvwm"};
  frm->WTB_ButtonClick(5);
  EXPECT_TRUE(ui.fileCalls.size() == 1 && ui.fileCalls[0].save && Pref.LastWorldMapFile.empty());
  frm->WTB_ButtonClick(5);
  EXPECT_EQ(ReadWorld("named.yvwm"), WorldText);
  EXPECT_EQ(ReadWorld("bad.yvwm") + "|" + Pref.LastWorldMapFile, bad + "|" + WorldMapsDir + "\\named.yvwm");
  frm->WTB_ButtonClick(8);
  EXPECT_TRUE(WorldPropertiesFrm::Instance() && !frm->FormEnabled());
}

// The 58-byte map of 32767 x 32767 cells opens and is drawn; "Save World Map"
// refuses it at once with its box, and the window, program and file stay as they were.
TEST_F(WorldWindow, AMapTooLargeToSaveIsRefusedAtOnce) {
  const std::string huge = "(yorvane-worldmap (tilemap (width 32767) (height 32767)))\n";
  tree.Write(test::kWorldMapsFolder + "huge.yvwm", huge);
  Pref.LastWorldMapFile = WorldMapsDir + "\\huge.yvwm";
  ASSERT_NE(OpenWorldWindow(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
  ASSERT_TRUE(WorldLoaded && WorldReadError == 0 && World.Width == 32767);
  EXPECT_EQ(frm->FileNameBox->Caption(), Pref.LastWorldMapFile);
  WorldChanged = true;
  ui.msgCalls.clear();
  QElapsedTimer clock;
  qint64 boxAfter = -1;
  ui.onMsgBox = [&](const auto&) { boxAfter = clock.elapsed(); };
  clock.start();
  frm->WTB_ButtonClick(5);
  EXPECT_EQ(ui.Boxes(), std::vector<std::string>{"Error Saving World Map Data!\r\nThe map is too large to save."
                                                 "|YV_Editor - Save World Map|16"});
  EXPECT_TRUE(boxAfter >= 0 && boxAfter < 100) << boxAfter;
  EXPECT_TRUE(WorldFrm::Instance() == frm && frm->isVisible() && main->isHidden() && WorldChanged);
  EXPECT_EQ(ReadWorld("huge.yvwm"), huge);
  ui.onMsgBox = nullptr;  // the close's question comes after this test's clock is gone
}
