// The world window's life cycle and file commands: opened from the main
// window and giving it back, the load and close paths, open, save, save as
// and create.
#include "model/Preference.h"
#include "tests/support/WorldFrmFixture.h"
#include "worldeditor/WorldPropertiesFrm.h"

using namespace yv;
using controls::Pointer;

namespace {

class WorldWindow : public test::WorldWindowTest {
 protected:
  void ExpectMainGivenBack() {
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->FormEnabled());
    EXPECT_EQ(main->MousePointer(), Pointer::Default);
  }
  PreferenceRecord WrittenPrefs() const { return DecodePreferences(tree.Read("Editor/YV_Editor.Preferences")); }
};

}  // namespace

TEST_F(WorldWindow, OpensFromTheMainWindowAndGivesItBackEveryTime) {
  for (int round = 0; round < 3; ++round) {
    // The file changes between openings: every opening reads it afresh.
    test::MakeWorld(30, 20);
    SetWorldTile(0, 0, static_cast<int16_t>(10 + round));
    Pref.LastWorldMapFile = WriteWorld("a.yvwm");
    ResetWorldData();
    Pref.SavedWorldScrollX = 0;
    ASSERT_NE(OpenWorldWindow(), nullptr);
    EXPECT_TRUE(frm->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(main->FormEnabled());
    EXPECT_EQ(main->MousePointer(), Pointer::Hourglass);
    EXPECT_EQ(Shown(Cell(0, 0)), Picture(10 + round));
    main->TB_ButtonClick(13);  // a second opening only raises the open window
    EXPECT_EQ(WorldFrm::Instance(), frm);

    frm->MapXScroll->SetValue(4);
    frm->ModeOption[3]->SetValue(true);
    frm->WTB_ButtonClick(10);
    EXPECT_TRUE(frm->IsUnloaded());
    ExpectMainGivenBack();
    const PreferenceRecord written = WrittenPrefs();
    EXPECT_EQ(written.SavedWorldMode, 3);
    EXPECT_EQ(written.SavedWorldScrollX, 4);
    test::Settle();
    EXPECT_EQ(WorldFrm::Instance(), nullptr);
  }

  // The window's place is stored within what the preferences hold.
  OpenWorldWindow();
  frm->move(3000, 2500);
  frm->Close();
  EXPECT_EQ(Pref.FormLeft[kFormWorldFrm], 32767);
  EXPECT_EQ(Pref.FormTop[kFormWorldFrm], 32767);
}

TEST_F(WorldWindow, LoadPaths) {
  test::MakeWorld(40, 20);
  const std::string path = WriteWorld("w.yvwm");
  struct Case {
    const char* what;
    std::string file;
    int16_t mode, x, y;
    int wantMode, wantX, wantY;
    bool drawn;
  };
  for (const Case& c : {Case{"no last file", "", 4, 3, 3, 0, 0, 0, false}, Case{"mode 7", path, 7, 5, 3, 0, 5, 3, true},
                        Case{"saved places past the world's end", path, 4, 30, 9, 4, 22, 5, true},
                        Case{"missing file", WorldMapsDir + "\\gone.yvwm", 2, 0, 0, 2, 0, 0, false}}) {
    Pref.LastWorldMapFile = c.file;
    Pref.SavedWorldMode = c.mode;
    Pref.SavedWorldScrollX = c.x;
    Pref.SavedWorldScrollY = c.y;
    ResetWorldData();
    ui.msgCalls.clear();
    // The world window is loaded and shown before the main window goes.
    bool mainShownDuringLoad = false, worldShownDuringLoad = false;
    ui.onMsgBox = [&](const platform::MsgBoxCall&) {
      mainShownDuringLoad = main->isVisible() && main->FormEnabled();
      worldShownDuringLoad = WorldFrm::Instance()->isVisible();
    };
    ASSERT_NE(OpenWorldWindow(), nullptr) << c.what;
    EXPECT_EQ(frm->WorldEditMode, c.wantMode) << c.what;
    EXPECT_TRUE(frm->ModeOption[c.wantMode]->Value()) << c.what;
    EXPECT_EQ(frm->MapXScroll->Value(), c.wantX) << c.what;
    EXPECT_EQ(frm->MapYScroll->Value(), c.wantY) << c.what;
    EXPECT_EQ(frm->FileNameBox->Caption(), c.drawn ? c.file : "") << c.what;
    EXPECT_EQ(Cell(0, 0)->Picture().isNull(), !c.drawn) << c.what;
    EXPECT_FALSE(frm->Updating) << c.what;
    EXPECT_EQ(SelectedLink, -1) << c.what;
    if (std::string(c.what) == "missing file") {
      ASSERT_EQ(ui.msgCalls.size(), 1u);
      EXPECT_EQ(ui.msgCalls[0].title, "Map NOT Found!");
      EXPECT_TRUE(mainShownDuringLoad);
      EXPECT_TRUE(worldShownDuringLoad);
    } else {
      EXPECT_TRUE(ui.msgCalls.empty()) << c.what;
    }
    frm->Close();
    ui.onMsgBox = nullptr;
    test::Settle();
  }
}

TEST_F(WorldWindow, ClosingWhileTheWindowLoadsLeavesTheMainWindowInUse) {
  Pref.LastWorldMapFile = WorldMapsDir + "\\gone.yvwm";
  ui.onMsgBox = [](const platform::MsgBoxCall&) { WorldFrm::Instance()->close(); };
  OpenWorldWindow();
  EXPECT_TRUE(frm->IsUnloaded());
  ExpectMainGivenBack();
}

TEST_F(WorldWindow, ClosePaths) {
  struct Case {
    const char* what;
    bool changed, loaded;
    int answer;  // 0: no question
    bool closes, written;
  };
  for (const Case& c :
       {Case{"unchanged", false, true, 0, true, false}, Case{"Yes", true, true, platform::kYes, true, true},
        Case{"No", true, true, platform::kNo, true, false}, Case{"Cancel", true, true, platform::kCancel, false, false},
        Case{"Yes without a loaded world", true, false, platform::kYes, true, false}}) {
    test::MakeWorld(20, 16);
    Pref.LastWorldMapFile = WriteWorld("c.yvwm");
    const std::string before = ReadWorld("c.yvwm");
    ASSERT_NE(OpenWorldWindow(), nullptr);
    frm->ModeOption[4]->SetValue(true);
    Cell(1, 1)->MouseDown(1, 0, 0, 0);  // the start moves: the map has changed
    WorldChanged = c.changed;
    WorldLoaded = c.loaded;
    ui.msgCalls.clear();
    PreferenceRecord atQuestion;
    ui.onMsgBox = [&](const platform::MsgBoxCall&) { atQuestion = WrittenPrefs(); };
    if (c.answer) ui.msgAnswers = {c.answer};
    EXPECT_EQ(frm->Close(), c.closes) << c.what;
    ASSERT_EQ(ui.msgCalls.size(), c.answer ? 1u : 0u) << c.what;
    if (c.answer) {
      EXPECT_EQ(ui.msgCalls[0].text, "Save World Map Changes?");
      EXPECT_EQ(ui.msgCalls[0].style, platform::kQuestionYesNoCancel);
      EXPECT_EQ(ui.msgCalls[0].title, "World Map Changed");
      EXPECT_EQ(atQuestion.SavedWorldMode, 4) << c.what;  // the preferences are written first
    }
    EXPECT_EQ(ReadWorld("c.yvwm") != before, c.written) << c.what;
    EXPECT_EQ(frm->IsLoaded(), !c.closes) << c.what;
    if (c.closes) {
      ExpectMainGivenBack();
    } else {
      EXPECT_FALSE(main->isVisible()) << c.what;
      EXPECT_EQ(World.StartX, 1) << c.what;
      frm->Unload();  // the program's end: the same question, which cannot keep the window
      EXPECT_EQ(ui.msgCalls.size(), 2u);
      ExpectMainGivenBack();
    }
    ui.onMsgBox = nullptr;
    test::Settle();
  }
}

TEST_F(WorldWindow, TheMainWindowsUnloadTakesTheWorldWindowFirst) {
  OpenWorldWindow();
  frm->ModeOption[3]->SetValue(true);
  main->Unload();
  EXPECT_TRUE(frm->IsUnloaded());
  EXPECT_EQ(WrittenPrefs().SavedWorldMode, 3);
}

TEST_F(WorldWindow, OpenAndCancelledOpen) {
  test::MakeWorld(25, 18);
  test::AppendLink(2, 3, 3);
  Pref.LastWorldMapFile = WriteWorld("first.yvwm");
  test::MakeWorld(30, 20);
  const std::string second = WriteWorld("second.yvwm");
  ResetWorldData();
  ASSERT_NE(OpenWorldWindow(), nullptr);
  frm->ModeOption[3]->SetValue(true);
  main->CD.FileName = "C:\\levels\\last.yvl";

  ui.fileAnswers = {second};
  frm->WTB_ButtonClick(3);
  ASSERT_EQ(ui.fileCalls.size(), 1u);
  EXPECT_FALSE(ui.fileCalls[0].save);
  EXPECT_EQ(ui.fileCalls[0].filter, "*.yvwm|*.yvwm");
  EXPECT_EQ(ui.fileCalls[0].initDir, WorldMapsDir);
  EXPECT_EQ(ui.fileCalls[0].fileName, "C:\\levels\\last.yvl");  // the name last chosen is offered again
  EXPECT_TRUE(WorldLoaded);
  EXPECT_EQ(World.Width, 30);
  EXPECT_EQ(Pref.LastWorldMapFile, second);
  EXPECT_EQ(frm->FileNameBox->Caption(), second);
  EXPECT_EQ(frm->WorldEditMode, 0);
  EXPECT_EQ(main->CD.FileName, second);

  // Cancelled: the blank map, mode 0, the old name shown, the world gone.
  frm->ModeOption[2]->SetValue(true);
  frm->MapXScroll->SetValue(3);
  frm->FileNameBox->Click();
  EXPECT_FALSE(WorldLoaded);
  EXPECT_EQ(World.Width, 18);
  EXPECT_EQ(Shown(Cell(5, 5)), frm->BlankImg->Picture().cacheKey());
  EXPECT_EQ(frm->WorldEditMode, 0);
  EXPECT_EQ(frm->MapXScroll->Value(), 0);
  EXPECT_EQ(frm->FileNameBox->Caption(), second);
  EXPECT_EQ(Pref.LastWorldMapFile, second);
}

TEST_F(WorldWindow, SaveAndSaveAs) {
  test::MakeWorld(20, 16);
  Pref.LastWorldMapFile = WriteWorld("s.yvwm");
  ASSERT_NE(OpenWorldWindow(), nullptr);
  Cell(2, 2)->MouseDown(1, 0, 0, 0);  // paints tile 0 over the cell
  ASSERT_TRUE(WorldChanged);
  frm->WTB_ButtonClick(5);
  ASSERT_TRUE(BuildWorldText());
  EXPECT_EQ(ReadWorld("s.yvwm"), WorldText);
  EXPECT_FALSE(WorldChanged);

  // A name typed without its extension is written exactly so; the name
  // reaches the file-name label at the next redraw.
  ui.fileAnswers = {WorldMapsDir + "\\plain", std::nullopt};
  frm->WTB_ButtonClick(6);
  EXPECT_TRUE(ui.fileCalls.back().save);
  EXPECT_EQ(ui.fileCalls.back().filter, "*.yvwm|*.yvwm");
  EXPECT_EQ(ReadWorld("plain"), WorldText);
  EXPECT_EQ(Pref.LastWorldMapFile, WorldMapsDir + "\\plain");
  EXPECT_EQ(frm->FileNameBox->Caption(), WorldMapsDir + "\\s.yvwm");
  frm->WTB_ButtonClick(6);  // cancelled: nothing changes
  EXPECT_EQ(Pref.LastWorldMapFile, WorldMapsDir + "\\plain");

  // Without a loaded world neither command builds, asks or writes anything.
  frm->FileNameBox->Click();  // a cancelled open
  WorldChanged = true;
  const size_t dialogs = ui.fileCalls.size();
  frm->WTB_ButtonClick(5);
  frm->WTB_ButtonClick(6);
  EXPECT_EQ(ui.fileCalls.size(), dialogs);
  EXPECT_EQ(ReadWorld("plain"), WorldText);
  EXPECT_TRUE(WorldChanged);
  EXPECT_TRUE(ui.msgCalls.empty());
}

TEST_F(WorldWindow, CreateNewWorldAfterAFailedRead) {
  tree.Write(test::kWorldMapsFolder + "bad.yvwm", "(yorvane-worldmap\n (properties (name 5");
  Pref.LastWorldMapFile = WorldMapsDir + "\\bad.yvwm";
  ASSERT_NE(OpenWorldWindow(), nullptr);
  ASSERT_GT(WorldReadError, 0);
  frm->ModeOption[4]->SetValue(true);
  ui.msgCalls.clear();

  ui.msgAnswers = {platform::kNo};
  frm->WTB_ButtonClick(1);
  EXPECT_FALSE(NewWorldPending);
  ASSERT_EQ(ui.msgCalls.size(), 1u);
  EXPECT_EQ(ui.msgCalls[0].text, "Do you wish to create a new world?");
  EXPECT_EQ(ui.msgCalls[0].style, platform::kQuestionYesNo);
  EXPECT_EQ(ui.msgCalls[0].title, "Yorvane New World Creation");

  ui.msgAnswers = {platform::kYes};
  frm->WTB_ButtonClick(1);
  EXPECT_TRUE(NewWorldPending);
  EXPECT_EQ(WorldReadError, 0);
  EXPECT_EQ(frm->WorldEditMode, 0);
  EXPECT_EQ(ui.msgCalls.size(), 2u);  // no read error box while the view is cleared
  // The properties dialog over the disabled window; its close gives the
  // new world its map, which is drawn.
  ASSERT_NE(WorldPropertiesFrm::Instance(), nullptr);
  EXPECT_FALSE(frm->FormEnabled());
  WorldPropertiesFrm::Instance()->OKCmd_Click();
  EXPECT_TRUE(frm->FormEnabled());
  EXPECT_TRUE(WorldLoaded);
  EXPECT_EQ(ui.msgCalls.size(), 2u);
  EXPECT_EQ(Shown(Cell(17, 14)), Picture(9));
  // "Save World Map" writes it where the world shown before came from.
  frm->WTB_ButtonClick(5);
  EXPECT_EQ(ReadWorld("bad.yvwm"), WorldText);
  EXPECT_NE(WorldText.find("(width  19)"), std::string::npos);
  // "World Properties" opens the same dialog.
  frm->WTB_ButtonClick(8);
  ASSERT_NE(WorldPropertiesFrm::Instance(), nullptr);
  EXPECT_FALSE(frm->FormEnabled());
}
