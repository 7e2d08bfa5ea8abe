// The main window: its opening and closing, the toolbar commands and the map view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include "leveleditor/MainFrm.h"
#include "leveleditor/VarsFrm.h"
#include "leveleditor/Windows.h"
#include "leveleditor/ZunboTextFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Info.h"
#include "model/YVE_Main.h"
#include "model/YVE_Write.h"
#include "pictures/Pictures.h"
#include "platform/System.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"
#include "tests/support/WorldFrmFixture.h"
#include "worldeditor/WorldFrm.h"

using namespace yv;
using platform::kCancel;
using platform::kNo;
using platform::kYes;

namespace {

const std::string kSetsDir = "C:\\Program Files\\Yorvane\\.yorvane\\levels";

class MainWindow : public test::ProgramTest {
 protected:
  MainFrm* frm = nullptr;

  void SetUp() override {
    ProgramTest::SetUp();
    // A world an earlier test left changed would ask its question when the
    // world window opened here closes.
    test::ResetWorldWindowState();
    tree.Write("Program Files/Yorvane/.yorvane/levels/.keep", "");
  }

  void SavePrefs(const PreferenceRecord& r) { tree.Write("Editor/YV_Editor.Preferences", EncodePreferences(r)); }

  // Runs the program's start: Main with the window hooks of the level editor.
  void Start() {
    InstallWindowHooks();
    Main();
    frm = MainFrm::Instance();
  }

  // A level of the given width written to drive C: with a recognisable tile
  // in every column of the interactive layer's bottom row.
  std::string WriteLevel(const std::string& relative, int width, int objects = 0) {
    LevelData saved = Level;
    Level = LevelData{};
    Level.Version = "1";
    Level.Name = "Test";
    Level.Width = static_cast<int16_t>(width);
    Level.Height = 15;
    Level.BackgroundTM.Create(width, 15);
    Level.InteractiveTM.Create(width, 15);
    Level.ForegroundTM.Create(width, 15);
    for (int c = 0; c < width; ++c) Level.InteractiveTM.Set(c, 14, static_cast<int16_t>(1 + c % 200));
    for (int i = 0; i < objects; ++i) {
      LevelObject& o = AppendObject();
      o.Kind = static_cast<int16_t>(i % 10);
      o.Name = BadGuyFileNames[o.Kind];
      o.X = static_cast<int16_t>(40 * i);
      o.Y = 100;
    }
    std::string path = "C:\\" + relative;
    for (char& ch : path)
      if (ch == '/') ch = '\\';
    tree.Write(relative, "");  // makes the folders
    EXPECT_TRUE(WriteLevelFile(path));
    Level = saved;
    UseCrLfLineEnds();
    return path;
  }
};

int16_t Saved(const std::string& bytes, int16_t PreferenceRecord::*field) { return DecodePreferences(bytes).*field; }

}  // namespace

TEST_F(MainWindow, BlankLastLevelOpensEmptyWithoutAQuestion) {
  PreferenceRecord p;
  p.LastLevelFile = "   ";
  SavePrefs(p);
  Start();
  ASSERT_NE(frm, nullptr);
  EXPECT_TRUE(ui.msgCalls.empty());
  EXPECT_FALSE(LevelLoaded);
  EXPECT_EQ(frm->FileNameBox->Caption(), "      [Level Width = 0]");
  EXPECT_FALSE(frm->DelBadGuyCmd->Visible());
  EXPECT_TRUE(frm->TileFrame->Visible());
  EXPECT_FALSE(frm->ObjectFrame->Visible());
  EXPECT_EQ(frm->ObjectFrame->Left(), frm->TileFrame->Left());
  EXPECT_EQ(frm->BGUFrame->Top(), frm->TileFrame->Top());
  EXPECT_EQ(frm->ObjectLabel[7]->Caption(), "Fire Ball");
  EXPECT_EQ(frm->ObjSelImg[2]->ToolTip(), "Click to select Mr. IceBlock");
  EXPECT_EQ(frm->BGUXBox[8]->ToolTip(), "Digits 0-9 Only, Press ENTER to Update Display");
}

TEST_F(MainWindow, ReopensTheLastLevelAndRestoresTileAndScroll) {
  std::string path = WriteLevel("Program Files/Yorvane/.yorvane/levels/a/level1.yvl", 120);
  PreferenceRecord p;
  p.LastLevelFile = path;
  p.SavedTile = 85;
  p.SavedScrollX = 40;
  p.ShowGrid = 1;
  SavePrefs(p);
  Start();
  ASSERT_TRUE(LevelLoaded);
  EXPECT_TRUE(ui.msgCalls.empty());
  EXPECT_EQ(SelectedTile, 85);
  EXPECT_EQ(frm->MapXScroll->Max(), 102);
  EXPECT_EQ(frm->MapXScroll->Value(), 40);
  EXPECT_EQ(frm->FileNameBox->Caption(), path + "   [Level Width = 120]");
  EXPECT_EQ(frm->GridCheck->Value(), 1);
  // A saved scroll position past the end of a level that has become narrower is clamped.
  frm->Unload();
  test::Settle();
  PreferenceRecord again = DecodePreferences(tree.Read("Editor/YV_Editor.Preferences"));
  EXPECT_EQ(again.SavedScrollX, 40);
  EXPECT_EQ(again.SavedTile, 85);
  again.SavedScrollX = 500;
  SavePrefs(again);
  test::ResetProgramState();
  Start();
  EXPECT_EQ(frm->MapXScroll->Value(), 102);
}

// The load moves the palette to the saved tile and the map to the saved
// column before the window shows; whatever the restored mode, both then show
// those places, the hidden palette included.
TEST_F(MainWindow, TheLoadLeavesPaletteAndMapAtTheSavedTileAndColumn) {
  std::string path = WriteLevel("Program Files/Yorvane/.yorvane/levels/a/level1.yvl", 120);
  for (int16_t mode : {kModeTiles, kModeBadGuys, kModeBadGuyList}) {
    SCOPED_TRACE(mode);
    test::ResetProgramState();
    PreferenceRecord p;
    p.LastLevelFile = path;
    p.SavedTile = 85;
    p.SavedScrollX = 40;
    p.SavedLayer = kLayerInteractive;
    p.SavedMode = mode;
    p.ShowGrid = 1;
    SavePrefs(p);
    Start();
    ASSERT_TRUE(LevelLoaded);
    EXPECT_EQ(frm->TileFrame->Visible(), mode == kModeTiles);
    EXPECT_EQ(frm->SelScroll->Value(), 21);
    for (int i = 0; i < 32; ++i)
      EXPECT_EQ(frm->SelImg[i]->Picture().cacheKey(), pictures::Tile(85 + i).cacheKey()) << i;
    EXPECT_EQ(frm->CurImg->Picture().cacheKey(), pictures::Tile(85).cacheKey());
    for (int c = 0; c < 18; ++c) {
      EXPECT_EQ(frm->Img[MainFrm::CellIndex(c, 14)]->Picture().cacheKey(), pictures::Tile(41 + c).cacheKey()) << c;
      EXPECT_EQ(frm->Img[MainFrm::CellIndex(c, 0)]->Picture().cacheKey(), pictures::Tile(kTileCount).cacheKey()) << c;
    }
    frm->Unload();
    test::Settle();
  }
}

// The rows of the two bad-guy panels are made when first used, with the
// captions and tips the load gives them, and shown whole.
TEST_F(MainWindow, TheBadGuyRowsAreMadeWhenFirstUsed) {
  std::string path = WriteLevel("lv.yvl", 40, 3);
  PreferenceRecord p;
  p.LastLevelFile = path;
  SavePrefs(p);
  Start();
  ASSERT_TRUE(LevelLoaded);
  EXPECT_TRUE(frm->ObjectFrame->findChildren<QWidget*>().isEmpty());
  EXPECT_TRUE(frm->BGUFrame->findChildren<controls::TextBox*>().isEmpty());
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  EXPECT_EQ(frm->ObjectFrame->findChildren<controls::ImageBox*>().size(), 20);
  EXPECT_TRUE(frm->BGUFrame->findChildren<controls::TextBox*>().isEmpty());
  EXPECT_EQ(frm->ObjCntBox[0]->Caption(), "1");
  test::Mouse::Click(frm->ObjSelImg[6]);
  EXPECT_EQ(SelectedBadGuyKind, 6);
  frm->ModeOption[kModeBadGuyList]->SetValue(true);
  test::Settle();
  EXPECT_EQ(frm->BGUYBox[0]->ToolTip(), "Digits 0-9 Only, Press ENTER to Update Display");
  for (int i = 0; i < 9; ++i) EXPECT_EQ(frm->BGUXBox[i]->Editor()->isVisible(), i < 3) << i;
  EXPECT_EQ(frm->BGUXBox[2]->Text(), "80");
}

TEST_F(MainWindow, MissingLastLevelGivesTheReadErrorThenTheReopenQuestion) {
  PreferenceRecord p;
  p.LastLevelFile = "C:\\gone\\level9.yvl";
  SavePrefs(p);
  std::string other = WriteLevel("Program Files/Yorvane/.yorvane/levels/b/level2.yvl", 60);
  ui.msgAnswers = {platform::kOk, kYes};
  ui.fileAnswers = {other};
  Start();
  ASSERT_EQ(ui.msgCalls.size(), 2u);
  EXPECT_EQ(ui.msgCalls[0].text, "File Specified Not Found!\r\nPlease choose another file.");
  EXPECT_EQ(ui.msgCalls[0].style, 16);
  EXPECT_EQ(ui.msgCalls[0].title, "ZUNBO File Read Error");
  EXPECT_EQ(ui.msgCalls[1].text, "Do you wish to select anothe level now?");
  EXPECT_EQ(ui.msgCalls[1].style, 35);
  EXPECT_EQ(ui.msgCalls[1].title, "Level Load Error");
  EXPECT_EQ(MsgResult, kYes);
  ASSERT_EQ(ui.fileCalls.size(), 1u);
  EXPECT_FALSE(ui.fileCalls[0].save);
  EXPECT_EQ(ui.fileCalls[0].filter, "*.yvl|*.yvl");
  EXPECT_EQ(ui.fileCalls[0].initDir, kSetsDir);
  EXPECT_EQ(ui.fileCalls[0].fileName, "C:\\gone\\level9.yvl");
  EXPECT_TRUE(LevelLoaded);
  EXPECT_EQ(Pref.LastLevelFile, other);
  EXPECT_EQ(Level.Width, 60);
  EXPECT_EQ(frm->MapXScroll->Value(), 0);  // a level opened after Yes starts at its first column
}

TEST_F(MainWindow, ReopenQuestionAnsweredNoOrCancel) {
  PreferenceRecord p;
  p.LastLevelFile = "C:\\gone.yvl";
  p.FormLeft[kFormMainFrm] = 300;
  p.FormTop[kFormMainFrm] = 450;
  p.SavedMode = 2;
  SavePrefs(p);
  ui.msgAnswers = {platform::kOk, kNo};
  Start();
  ASSERT_NE(frm, nullptr);
  EXPECT_TRUE(MainWindowAlive());
  EXPECT_FALSE(LevelLoaded);
  EXPECT_TRUE(ui.fileCalls.empty());
  frm->Unload();
  test::Settle();

  // Cancel saves the preferences (window place and choices) and ends the program.
  test::ResetProgramState();
  SavePrefs(p);
  ui.msgAnswers = {platform::kOk, kCancel};
  Start();
  EXPECT_FALSE(MainWindowAlive());
  test::Settle();
  EXPECT_EQ(MainFrm::Instance(), nullptr);
  std::string bytes = tree.Read("Editor/YV_Editor.Preferences");
  PreferenceRecord written = DecodePreferences(bytes);
  EXPECT_EQ(written.FormLeft[kFormMainFrm], 300);
  EXPECT_EQ(written.FormTop[kFormMainFrm], 450);
  EXPECT_EQ(Saved(bytes, &PreferenceRecord::SavedMode), 2);
  EXPECT_EQ(written.LastLevelFile, "C:\\gone.yvl");
}

TEST_F(MainWindow, ViewOptionsAndPanelsByMode) {
  std::string path = WriteLevel("lv.yvl", 40, 3);
  PreferenceRecord p;
  p.LastLevelFile = path;
  SavePrefs(p);
  Start();
  ASSERT_TRUE(LevelLoaded);
  frm->ModeOption[1]->SetValue(true);
  EXPECT_EQ(EditMode, 1);
  EXPECT_TRUE(frm->ObjectFrame->Visible());
  EXPECT_FALSE(frm->TileFrame->Visible());
  EXPECT_FALSE(frm->BGUFrame->Visible());
  frm->ModeOption[2]->SetValue(true);
  EXPECT_TRUE(frm->BGUFrame->Visible());
  EXPECT_FALSE(frm->DelBadGuyCmd->Visible());  // no object selected
  SelectedObject = 2;
  frm->ModeOption[1]->SetValue(true);
  EXPECT_EQ(SelectedObject, -1);  // choosing "Bad Guys" clears the selection
  SelectedObject = 2;
  frm->ModeOption[2]->SetValue(true);
  EXPECT_TRUE(frm->DelBadGuyCmd->Visible());
  frm->ModeOption[3]->SetValue(true);
  EXPECT_TRUE(frm->TileFrame->Visible());
  EXPECT_FALSE(frm->DelBadGuyCmd->Visible());

  frm->LayerOption[2]->SetValue(true);
  EXPECT_EQ(CurrentLayer, 2);
  frm->GridCheck->SetValue(1);
  EXPECT_EQ(Pref.ShowGrid, 1);
  EXPECT_FALSE(frm->GridBackBox->Visible());
  frm->GridCheck->SetValue(0);
  EXPECT_EQ(Pref.ShowGrid, 0);
  EXPECT_TRUE(frm->GridBackBox->Visible());
  frm->AutoCheck->SetValue(1);
  EXPECT_EQ(Pref.AutoCompleteClouds, 1);
  frm->ResetCheck->SetValue(1);
  EXPECT_EQ(Pref.ShowResetPoints, 1);
  // While a redraw fills the window the check boxes store nothing.
  frm->Updating = true;
  frm->AutoCheck->SetValue(0);
  EXPECT_EQ(Pref.AutoCompleteClouds, 1);
  frm->Updating = false;
}

TEST_F(MainWindow, DrawMapLayersGridAndTileNumbers) {
  Start();
  Level = LevelData{};
  Level.Width = 30;
  Level.Height = 15;
  Level.BackgroundTM.Create(30, 15);
  Level.InteractiveTM.Create(30, 15);
  Level.ForegroundTM.Create(30, 15);
  Level.BackgroundTM.Set(0, 0, 5);
  Level.BackgroundTM.Set(1, 0, 5);
  Level.InteractiveTM.Set(1, 0, 6);
  Level.ForegroundTM.Set(1, 0, 7);
  Level.BackgroundTM.Set(2, 0, 205);  // no such tile: an empty cell
  Level.BackgroundTM.Set(3, 0, 204);
  Level.BackgroundTM.Set(4, 0, -3);
  LevelLoaded = true;
  Pref.ShowGrid = 1;
  auto cell = [&](int c, int r) { return frm->Img[MainFrm::CellIndex(c, r)]->Picture().cacheKey(); };
  auto tile = [&](int t) { return frm->BlockImgList->Picture(t).cacheKey(); };
  CurrentLayer = kLayerAll;
  frm->UpdateDisplay();
  EXPECT_EQ(cell(0, 0), tile(5));  // only the background holds a tile
  EXPECT_EQ(cell(1, 0), tile(7));  // the topmost layer wins
  EXPECT_EQ(cell(2, 0), tile(204));
  EXPECT_EQ(cell(3, 0), tile(204));
  EXPECT_EQ(cell(4, 0), tile(204));
  CurrentLayer = kLayerInteractive;
  frm->UpdateDisplay();
  EXPECT_EQ(cell(1, 0), tile(6));
  EXPECT_EQ(cell(0, 0), tile(204));
  Pref.ShowGrid = 0;
  CurrentLayer = kLayerBackground;
  frm->DrawMap();
  EXPECT_TRUE(frm->Img[MainFrm::CellIndex(2, 0)]->Picture().isNull());  // no grid: nothing
  EXPECT_EQ(cell(3, 0), tile(204));                                     // tile 204 shows the grid picture all the same
  EXPECT_TRUE(frm->GridBackBox->Visible());
  EXPECT_EQ(frm->MapXScroll->Max(), 12);

  // A level narrower than the view draws its columns and empty cells beyond.
  Level.Width = 10;
  frm->DrawMap();
  EXPECT_EQ(frm->MapXScroll->Max(), 0);
  EXPECT_EQ(frm->MapXScroll->Value(), 0);
}

TEST_F(MainWindow, DrawMapResetMarkerObjectMarkersAndStart) {
  Start();
  Level = LevelData{};
  Level.Width = 120;
  Level.BackgroundTM.Create(120, 15);
  Level.InteractiveTM.Create(120, 15);
  Level.ForegroundTM.Create(120, 15);
  LevelLoaded = true;
  Pref.ShowResetPoints = 1;
  AppendResetPoint() = {32 * 3, 32 * 20};  // row 20: outside the view's rows
  AppendResetPoint() = {32 * 50, 64};      // column 50: out of view at first
  AppendResetPoint() = {32 * 17, 64};      // the view's last column
  AppendResetPoint() = {32 * 5, 96};       // in view too, but not the first in view
  EditMode = kModeBadGuys;
  frm->UpdateDisplay();
  EXPECT_TRUE(frm->ResetImg->Visible());
  EXPECT_EQ(frm->ResetTipIndex, 3);
  EXPECT_EQ(frm->ResetImg->Left(), frm->Img[MainFrm::CellIndex(17, 2)]->Left());
  EXPECT_EQ(frm->ResetImg->Top(), frm->Img[MainFrm::CellIndex(17, 2)]->Top());
  frm->MapXScroll->SetValue(45);
  EXPECT_EQ(frm->ResetTipIndex, 2);
  EXPECT_EQ(frm->ResetImg->Left(), frm->Img[MainFrm::CellIndex(5, 2)]->Left());
  frm->MapXScroll->SetValue(70);
  EXPECT_FALSE(frm->ResetImg->Visible());
  frm->MapXScroll->SetValue(0);
  Pref.ShowResetPoints = 0;
  frm->DrawMap();
  EXPECT_FALSE(frm->ResetImg->Visible());

  // Objects: one at the left edge of the view, one at its right edge (out),
  // then 40 more in view of which only the first ones get the 32 markers.
  frm->MapXScroll->SetValue(10);
  const int L = 320, R = 320 + 576;
  AppendObject() = {2, "mriceblock", static_cast<int16_t>(L), 64, 0};
  AppendObject() = {3, "flyingsnowball", static_cast<int16_t>(R), 64, 0};
  for (int i = 0; i < 40; ++i) AppendObject() = {1, "bouncingsnowball", static_cast<int16_t>(L + 10 * i), 200, 0};
  SelectedObject = 1;
  frm->DrawMap();
  EXPECT_EQ(BadGuyImageSlots[0].ObjectIndex, 1);
  EXPECT_EQ(BadGuyImageSlots[0].ImageIndex, 3);
  EXPECT_EQ(BadGuyImageSlots[0].Left, 10);
  EXPECT_EQ(BadGuyImageSlots[0].Top, 80 + 64 * 34 / 32);
  EXPECT_EQ(frm->BGImg[0]->Left(), 10);
  EXPECT_EQ(BadGuyImageSlots[1].ObjectIndex, 3);  // object 2 at X = R has no marker
  EXPECT_EQ(BadGuyImageSlots[31].ObjectIndex, 33);
  EXPECT_EQ(BadGuyImageSlots[1].Left, 10);  // object 3 at L
  EXPECT_EQ(BadGuyImageSlots[2].Left, 21);  // object 4 at L + 10: 10 + 10.625, rounded
  for (int k = 0; k < 32; ++k) EXPECT_TRUE(frm->BGImg[k]->Visible()) << k;
  EXPECT_EQ(frm->MarkerBlink[0], 1);
  EXPECT_EQ(frm->MarkerBlink[1], 0);

  // Tile mode on one layer: no markers at all, every slot free.
  EditMode = kModeTiles;
  CurrentLayer = kLayerForeground;
  frm->DrawMap();
  for (int k = 0; k < 32; ++k) {
    EXPECT_FALSE(frm->BGImg[k]->Visible());
    EXPECT_EQ(BadGuyImageSlots[k].ObjectIndex, -1);
    EXPECT_EQ(BadGuyImageSlots[k].Left, -32);
  }
  CurrentLayer = kLayerAll;
  frm->DrawMap();
  EXPECT_TRUE(frm->BGImg[0]->Visible());

  // The start marker, in every mode and layer.
  Level.StartPosX = static_cast<int16_t>(L + 64);
  Level.StartPosY = 320;
  for (int16_t mode = 0; mode <= 3; ++mode) {
    EditMode = mode;
    CurrentLayer = kLayerBackground;
    frm->DrawMap();
    EXPECT_TRUE(frm->ZunboImage->Visible()) << mode;
    EXPECT_EQ(frm->ZunboImage->Left(), 10 + 68);
    EXPECT_EQ(frm->ZunboImage->Top(), 80 + 340);
  }
  Level.StartPosX = static_cast<int16_t>(R);
  frm->DrawMap();
  EXPECT_FALSE(frm->ZunboImage->Visible());
}

TEST_F(MainWindow, MarkersAreCutAtTheMapsEdge) {
  Start();
  test::MakeOpenLevel(120);
  EditMode = kModeBadGuys;
  frm->UpdateDisplay();
  const QRect cords = frm->Frame1->geometry();
  const QRect scroll = frm->MapXScroll->geometry();
  const QImage before = frm->grab().toImage();

  // A bad guy in the view's last column at the height of the "Cords"
  // caption, a second one above the map, and the start figure on row 14.
  AppendObject() = {0, "snowball", 17 * 32 + 20, 384, 0};
  AppendObject() = {0, "snowball", 64, -100, 0};
  Level.StartPosX = 3 * 32;
  Level.StartPosY = 14 * 32;
  frm->UpdateDisplay();
  test::Settle();
  const QImage after = frm->grab().toImage();
  QImage grabbed = after;
  grabbed.save(QStringLiteral(YV_BINARY_DIR "/markers_cut.png"));
  controls::ImageBox* last = frm->BGImg[0];
  ASSERT_TRUE(last->Visible());
  ASSERT_TRUE(frm->ZunboImage->Visible());
  // Uncut, both would reach over the panel and the scroll bar.
  ASSERT_TRUE(last->geometry().intersects(cords));
  ASSERT_TRUE(frm->ZunboImage->geometry().intersects(scroll));
  EXPECT_EQ(after.copy(cords), before.copy(cords));
  EXPECT_EQ(after.copy(scroll), before.copy(scroll));
  EXPECT_EQ(after.copy(0, 0, frm->width(), 76), before.copy(0, 0, frm->width(), 76));  // nothing above the map
  // Inside the map they are drawn and take the mouse; beside it they do not.
  const QRect shown = last->geometry() & frm->GridBackBox->geometry();
  EXPECT_NE(after.copy(shown), before.copy(shown));
  EXPECT_EQ(frm->childAt(shown.center()), last);
  EXPECT_NE(frm->childAt(QPoint(cords.left() + 2, last->geometry().center().y())), last);
  EXPECT_NE(frm->childAt(QPoint(frm->ZunboImage->geometry().center().x(), scroll.center().y())), frm->ZunboImage);

  // Scrolled so that the bad guy stands well inside the view, it is whole again.
  frm->MapXScroll->SetValue(5);
  EXPECT_TRUE(last->mask().isEmpty());
}

TEST_F(MainWindow, SelectedMarkerBlinks) {
  Start();
  frm->MarkerBlink.fill(0);
  frm->MarkerBlink[4] = 1;
  frm->BlinkPhase = 0;
  frm->BGTimer_Timer();
  EXPECT_EQ(frm->BlinkPhase, 1);
  EXPECT_EQ(frm->BGImg[4]->BorderStyle(), 1);
  EXPECT_EQ(frm->BGImg[3]->BorderStyle(), 0);
  frm->BGTimer_Timer();
  EXPECT_EQ(frm->BGImg[4]->BorderStyle(), 0);
  frm->ResetMarkerBlink();
  EXPECT_EQ(frm->BlinkPhase, 0);
  EXPECT_EQ(frm->MarkerBlink[4], 0);
  // The timer itself: 250 ms, running while the window is loaded.
  EXPECT_EQ(frm->BGTimer->Interval(), 250);
  EXPECT_TRUE(frm->BGTimer->Enabled());
  int ticks = 0;
  auto blink = frm->BGTimer->Tick;
  frm->BGTimer->Tick = [&] {
    ++ticks;
    blink();
  };
  QTest::qWait(1100);
  EXPECT_GE(ticks, 3);
  EXPECT_LE(ticks, 5);
}

TEST_F(MainWindow, CreateLevelAsksOnlyWhenALevelIsLoaded) {
  Start();
  frm->TB_ButtonClick(4);  // no level: nothing is asked
  EXPECT_TRUE(ui.msgCalls.empty());
  EXPECT_TRUE(LevelLoaded);
  EXPECT_EQ(Pref.LastLevelFile, "\\level1.yvl");  // the folder of an empty path
  EXPECT_EQ(Level.Width, 120);
  EXPECT_EQ(frm->FileNameBox->Caption(), "\\level1.yvl   [Level Width = 120]");

  Level.Name = "kept";
  for (int answer : {kNo, kCancel}) {
    ui.msgAnswers = {answer};
    frm->TB_ButtonClick(4);
    EXPECT_EQ(Level.Name, "kept");
  }
  ASSERT_EQ(ui.msgCalls.size(), 2u);
  EXPECT_EQ(ui.msgCalls[0].text,
            "Create a new level from scratch?\r\nCreating will erase current level if not saved first!");
  EXPECT_EQ(ui.msgCalls[0].style, 35);
  EXPECT_EQ(ui.msgCalls[0].title, "Create New Level");
  ui.msgAnswers = {kYes};
  frm->TB_ButtonClick(4);
  EXPECT_EQ(Level.Name, "Give Me A Name");

  // No free name left in the folder.
  for (int n = 1; n <= 99; ++n) tree.Write("full/level" + std::to_string(n) + ".yvl", "");
  Pref.LastLevelFile = "C:\\full\\level5.yvl";
  ui.msgAnswers = {kYes};
  frm->TB_ButtonClick(4);
  EXPECT_EQ(ui.msgCalls.back().text, "User Terminated or\r\nDisk Error Occured!");
  EXPECT_EQ(ui.msgCalls.back().style, 16);
  EXPECT_EQ(ui.msgCalls.back().title, "Yorvane Level Creation Error");
}

TEST_F(MainWindow, SaveLevelWritesTheFileAndReportsAFailure) {
  Start();
  frm->TB_ButtonClick(7);  // no level: nothing is written, nothing asked
  EXPECT_TRUE(ui.msgCalls.empty());
  tree.Write("sets/x/.keep", "");
  ASSERT_TRUE(CreateNewLevel("C:\\sets\\x"));
  Level.Name = "Saved (once)";
  frm->TB_ButtonClick(7);
  EXPECT_TRUE(ui.msgCalls.empty());
  EXPECT_EQ(frm->Caption(), WindowTitle);
  EXPECT_EQ(frm->MousePointer(), controls::Pointer::Default);
  BuildLevelText();
  EXPECT_EQ(tree.Read("sets/x/level1.yvl"), LevelText);
  EXPECT_NE(LevelText.find("  (name \"Saved (once)\")\n"), std::string::npos);

  // A folder that does not exist: the message, once the caption and the
  // pointer are back, and nothing else changes.
  Pref.LastLevelFile = "C:\\nowhere\\level1.yvl";
  std::string atBox;
  ui.onMsgBox = [&](const platform::MsgBoxCall&) {
    atBox = frm->Caption() + (frm->MousePointer() == controls::Pointer::Default ? "|default" : "|busy");
  };
  frm->TB_ButtonClick(7);
  ASSERT_EQ(ui.msgCalls.size(), 1u);
  EXPECT_EQ(ui.msgCalls[0].text, "Error Saving Level Data!\r\nThe folder does not exist.");
  EXPECT_EQ(ui.msgCalls[0].style, 16);
  EXPECT_EQ(ui.msgCalls[0].title, "YV_Editor - Save Level");
  EXPECT_EQ(atBox, WindowTitle + "|default");
  EXPECT_EQ(frm->Caption(), WindowTitle);
}

TEST_F(MainWindow, SaveAsWritesTheChosenFileAndCancelChangesNothing) {
  Start();
  tree.Write("sets/y/.keep", "");
  ASSERT_TRUE(CreateNewLevel("C:\\sets\\y"));
  frm->UpdateDisplay();
  ui.fileAnswers = {std::nullopt};
  frm->TB_ButtonClick(8);
  EXPECT_EQ(Pref.LastLevelFile, "C:\\sets\\y\\level1.yvl");
  ASSERT_EQ(ui.fileCalls.size(), 1u);
  EXPECT_TRUE(ui.fileCalls[0].save);
  EXPECT_EQ(ui.fileCalls[0].fileName, "C:\\sets\\y\\level1.yvl");
  EXPECT_FALSE(tree.Exists("sets/y/level1.yvl"));

  ui.fileAnswers = {std::string("C:\\sets\\y\\other.yvl")};
  frm->TB_ButtonClick(8);
  EXPECT_EQ(Pref.LastLevelFile, "C:\\sets\\y\\other.yvl");
  EXPECT_TRUE(tree.Exists("sets/y/other.yvl"));
  // The label names at once the file that "Save Level" writes from now on.
  EXPECT_EQ(frm->FileNameBox->Caption(), "C:\\sets\\y\\other.yvl   [Level Width = 120]");
  EXPECT_TRUE(ui.msgCalls.empty());

  // The level's own file is replaced without a question; another one that
  // exists only after Yes, and No offers the dialog again.
  const std::string taken = "C:\\sets\\y\\taken.yvl";
  tree.Write("sets/y/taken.yvl", "keep");
  ui.fileAnswers = {taken, std::nullopt, std::string("C:\\sets\\y\\other.yvl"), taken};
  ui.msgAnswers = {platform::kNo, platform::kYes};
  frm->TB_ButtonClick(8);
  frm->TB_ButtonClick(8);
  EXPECT_EQ(tree.Read("sets/y/taken.yvl"), "keep");
  frm->TB_ButtonClick(8);
  EXPECT_EQ(ui.Boxes(),
            std::vector<std::string>(2, "taken.yvl already exists.\r\nDo you want to replace it?|Confirm Save As|36"));
  EXPECT_EQ(Pref.LastLevelFile, taken);
  EXPECT_NE(tree.Read("sets/y/taken.yvl").find("(yorvane-level"), std::string::npos);
  ui.msgCalls.clear();

  ui.fileAnswers = {std::string("C:\\missing\\z.yvl")};
  frm->TB_ButtonClick(8);
  ASSERT_EQ(ui.msgCalls.size(), 1u);
  EXPECT_EQ(ui.msgCalls[0].text, "Error Saving Level Data!\r\nThe folder does not exist.");
  frm->UpdateDisplay();  // a file that could not be written does not become the level's
  EXPECT_EQ(Pref.LastLevelFile + "|" + frm->FileNameBox->Caption(),
            "C:\\sets\\y\\taken.yvl|C:\\sets\\y\\taken.yvl   [Level Width = 120]");
}

TEST_F(MainWindow, AFailedOpenChangesNothing) {
  std::string good = WriteLevel("sets/g/level1.yvl", 100, 4);
  PreferenceRecord p;
  p.LastLevelFile = good;
  SavePrefs(p);
  Start();
  ASSERT_TRUE(LevelLoaded);
  frm->MapXScroll->SetValue(30);
  CurrentSubset = {";c", "Title", "Desc"};
  int objects = Level.ObjectCount;
  int16_t snowballs = BadGuyKinds[0].Count;
  // A file (CR LF line ends) that breaks off with a tile number above 32767.
  tree.Write("sets/bad/level1.yvl",
             "(yorvane-level\r\n  (name \"Broken\")\r\n  (width  30)\r\n  (background-tm  99999\r\n");
  tree.Write("sets/bad/info", "(yorvane-level-subset\n  (title \"Other\")\n)\n");
  ui.fileAnswers = {std::string("C:\\sets\\bad\\level1.yvl")};
  frm->TB_ButtonClick(2);
  ASSERT_EQ(ui.msgCalls.size(), 1u);
  EXPECT_EQ(ui.msgCalls[0].title, "ZUNBO File Read Error");
  EXPECT_EQ(Level.Name, "Test");
  EXPECT_EQ(Level.Width, 100);
  EXPECT_EQ(Level.ObjectCount, objects);
  EXPECT_EQ(BadGuyKinds[0].Count, snowballs);
  EXPECT_EQ(CurrentSubset.Title, "Title");
  EXPECT_EQ(Pref.LastLevelFile, good);
  EXPECT_EQ(frm->MapXScroll->Max(), 82);
  EXPECT_EQ(frm->MapXScroll->Value(), 30);
  EXPECT_TRUE(LevelLoaded);
  EXPECT_EQ(frm->FileNameBox->Caption(), good + "   [Level Width = 100]");

  // Cancel in the open dialog changes nothing either, and asks nothing.
  ui.fileAnswers = {std::nullopt};
  frm->FileNameBox_Click();
  EXPECT_EQ(ui.msgCalls.size(), 1u);
  EXPECT_EQ(Pref.LastLevelFile, good);

  // A good file opens at column 0.
  std::string second = WriteLevel("sets/g/level2.yvl", 50);
  ui.fileAnswers = {second};
  frm->TB_ButtonClick(2);
  EXPECT_EQ(Level.Width, 50);
  EXPECT_EQ(Level.ObjectCount, 0);
  EXPECT_EQ(frm->MapXScroll->Value(), 0);
  EXPECT_EQ(frm->MapXScroll->Max(), 32);
}

TEST_F(MainWindow, AFileThatIsNotALevelIsRefusedAndNeverSavedOver) {
  std::string good = WriteLevel("sets/g/level1.yvl", 100, 4);
  PreferenceRecord p;
  p.LastLevelFile = good;
  SavePrefs(p);
  Start();
  ASSERT_TRUE(LevelLoaded);
  const std::string goodBytes = tree.Read("sets/g/level1.yvl");
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) % 256);
  struct Foreign {
    const char* name;
    std::string bytes;
  };
  for (const Foreign& f :
       {Foreign{"README", "# Notes\n\nSome text (with brackets) and \"quotes\".\n"}, Foreign{"picture.bin", binary},
        Foreign{"zeros.bin", std::string(10 << 20, '\0')},
        Foreign{"nobody.yvl", ";;just a comment\r\n(yorvane-level-subset\r\n  (title \"T\")\r\n)\r\n"}}) {
    SCOPED_TRACE(f.name);
    tree.Write(std::string("sets/other/") + f.name, f.bytes);
    ui.msgCalls.clear();
    ui.fileAnswers = {std::string("C:\\sets\\other\\") + f.name};
    frm->TB_ButtonClick(2);
    ASSERT_EQ(ui.msgCalls.size(), 1u);
    EXPECT_EQ(ui.msgCalls[0].text, "File Specified Not Found!\r\nPlease choose another file.");
    EXPECT_EQ(ui.msgCalls[0].style, 16);
    EXPECT_EQ(ui.msgCalls[0].title, "ZUNBO File Read Error");
    // The previous level is there whole, under its own name.
    EXPECT_EQ(Pref.LastLevelFile, good);
    EXPECT_EQ(frm->FileNameBox->Caption(), good + "   [Level Width = 100]");
    EXPECT_EQ(Level.Name, "Test");
    EXPECT_EQ(Level.ObjectCount, 4);
    EXPECT_EQ(Level.InteractiveTM.Get(99, 14), 100);
    // "Save Level" writes the level back to its own file and leaves the foreign one alone.
    frm->TB_ButtonClick(7);
    EXPECT_EQ(ui.msgCalls.size(), 1u);
    EXPECT_EQ(tree.Read("sets/g/level1.yvl"), goodBytes);
    EXPECT_EQ(tree.Read(std::string("sets/other/") + f.name), f.bytes);
  }
}

TEST_F(MainWindow, CreateSetRefusesBadNamesAndExistingSets) {
  Start();
  tree.Write("Program Files/Yorvane/.yorvane/levels/old/info", "(yorvane-level-subset\n)\n");
  // Anything but Yes ends at once.
  ui.msgAnswers = {kNo};
  frm->TB_ButtonClick(5);
  EXPECT_TRUE(ui.inputCalls.empty());
  // An empty answer (also Cancel) ends without a message.
  ui.msgAnswers = {kYes};
  ui.inputAnswers = {""};
  frm->TB_ButtonClick(5);
  ASSERT_EQ(ui.inputCalls.size(), 1u);
  EXPECT_EQ(ui.inputCalls[0].prompt, "Enter Yorvane Level Set Name");
  EXPECT_EQ(ui.inputCalls[0].title, "Creating A New Level Set");
  EXPECT_EQ(ui.msgCalls.size(), 2u);
  for (const char* bad : {"   ", "a/b", "a\\b", "x:y", "what?", "..", ".", "<set>", "say \"hi\"", "p|q", "st*r"}) {
    ui.msgAnswers = {kYes};
    ui.inputAnswers = {bad};
    size_t before = ui.msgCalls.size();
    frm->TB_ButtonClick(5);
    ASSERT_EQ(ui.msgCalls.size(), before + 2) << bad;
    EXPECT_EQ(ui.msgCalls.back().text, "The Name Specified is not a valid folder name!") << bad;
    EXPECT_EQ(ui.msgCalls.back().style, 16);
    EXPECT_EQ(ui.msgCalls.back().title, "Level Set Creation Error");
  }
  ui.msgAnswers = {kYes};
  ui.inputAnswers = {"old"};
  frm->TB_ButtonClick(5);
  EXPECT_EQ(ui.msgCalls.back().text, "The Name Specified already exists!");
  EXPECT_EQ(ui.msgCalls.back().title, "Level Set Creation Error");
  EXPECT_FALSE(LevelLoaded);
}

TEST_F(MainWindow, ExitUnloadsAndSavesThePreferences) {
  Start();
  SelectedTile = 42;
  CurrentLayer = 3;
  frm->TB_ButtonClick(1);   // a separator does nothing
  frm->TB_ButtonClick(13);  // the world window, closed again at once
  ASSERT_NE(WorldFrm::Instance(), nullptr);
  EXPECT_TRUE(WorldFrm::Instance()->Close());
  frm->TB_ButtonClick(99);
  EXPECT_TRUE(MainWindowAlive());
  frm->TB_ButtonClick(17);
  EXPECT_FALSE(MainWindowAlive());
  test::Settle();
  PreferenceRecord written = DecodePreferences(tree.Read("Editor/YV_Editor.Preferences"));
  EXPECT_EQ(written.SavedTile, 42);
  EXPECT_EQ(written.SavedLayer, 3);
}

TEST_F(MainWindow, SampleLevelOpensAndIsGrabbedForALook) {
  namespace fs = std::filesystem;
  fs::copy(fs::path(YV_SOURCE_DIR) / "sample" / "Program Files", tree.Host("Program Files"),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  PreferenceRecord p =
      DecodePreferences(test::ReadHostFile(fs::path(YV_SOURCE_DIR) / "sample" / "YV_Editor.Preferences"));
  ASSERT_FALSE(p.LastLevelFile.empty());
  SavePrefs(p);
  Start();
  ASSERT_TRUE(LevelLoaded);
  EXPECT_TRUE(ui.msgCalls.empty());
  EXPECT_EQ(Level.Name, "Fjord Shore");
  EXPECT_EQ(CurrentSubset.Title, "Frostbite Fjord");
  frm->LayerOption[3]->SetValue(true);
  frm->ModeOption[1]->SetValue(true);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
  // The big fir of the background (128 x 128) stands in column 8, row 9.
  EXPECT_EQ(frm->Img[MainFrm::CellIndex(8, 9)]->Picture().cacheKey(), frm->BlockImgList->Picture(70).cacheKey());
  EXPECT_EQ(frm->Img[MainFrm::CellIndex(0, 13)]->Picture().cacheKey(), frm->BlockImgList->Picture(34).cacheKey());
  EXPECT_TRUE(frm->ZunboImage->Visible());
  QImage shot = frm->grab().toImage();
  EXPECT_EQ(shot.size(), QSize(824, 622));
  EXPECT_TRUE(shot.save(QString(YV_BINARY_DIR) + "/mainfrm_sample.png"));
  frm->MapXScroll->SetValue(frm->MapXScroll->Max());  // the ending with the igloo
  EXPECT_TRUE(frm->grab().toImage().save(QString(YV_BINARY_DIR) + "/mainfrm_sample_end.png"));
}

// The map view repaints only where cells changed: after every redraw the
// window shows what painting it afresh shows, the igloo and the big fir that
// reach over their neighbours included. The picture lists give the program's
// own pictures, each loaded once, when first asked for.
TEST_F(MainWindow, RedrawsShowWhatAFreshPaintShows) {
  namespace fs = std::filesystem;
  fs::copy(fs::path(YV_SOURCE_DIR) / "sample" / "Program Files", tree.Host("Program Files"),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  SavePrefs(DecodePreferences(test::ReadHostFile(fs::path(YV_SOURCE_DIR) / "sample" / "YV_Editor.Preferences")));
  Start();
  ASSERT_TRUE(LevelLoaded);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
  auto seenIsFresh = [&](const char* step) {
    QCoreApplication::processEvents();
    EXPECT_EQ(frm->screen()->grabWindow(frm->winId()).toImage(), frm->grab().toImage()) << step;
  };
  frm->LayerOption[kLayerAll]->SetValue(true);
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  seenIsFresh("all layers, bad guys");
  for (int v = 1; v <= frm->MapXScroll->Max(); v += 7) frm->MapXScroll->SetValue(v);
  frm->MapXScroll->SetValue(frm->MapXScroll->Max());
  seenIsFresh("scrolled to the igloo");
  frm->LayerOption[kLayerInteractive]->SetValue(true);
  frm->ModeOption[kModeTiles]->SetValue(true);
  frm->GridCheck->SetValue(0);
  seenIsFresh("interactive layer, no grid");
  frm->MapXScroll->SetValue(0);
  SelectedTile = 127;
  test::Mouse::Click(frm->Img[MainFrm::CellIndex(4, 6)]);
  seenIsFresh("the igloo painted");
  SelectedTile = 0;
  test::Mouse::Click(frm->Img[MainFrm::CellIndex(4, 6)]);
  seenIsFresh("the igloo erased");
  for (int n = 1; n <= kTileCount; ++n) {
    const qint64 first = frm->BlockImgList->Picture(n).cacheKey();
    EXPECT_EQ(first, pictures::Tile(n).cacheKey()) << n;
    EXPECT_EQ(frm->BlockImgList->Picture(n).cacheKey(), first) << n;
  }
  for (int k = 0; k < kBadGuyKindCount; ++k)
    EXPECT_EQ(frm->ObjSelImg[k]->Picture().cacheKey(), pictures::BadGuy(k + 1).cacheKey()) << k;
}

// "View Text" handled by the event pump while "Save Level" builds its file
// text used to switch the line ends half way: the file came out with CRs.
TEST_F(MainWindow, ViewTextDuringASaveLeavesTheSavedFileByteForByte) {
  Start();
  tree.Write("sets/v/.keep", "");
  ASSERT_TRUE(CreateNewLevel("C:\\sets\\v"));
  Level.Name = "Pumped";
  Level.InteractiveTM.Set(5, 14, 26);
  UseLfLineEnds();
  ASSERT_TRUE(BuildLevelText());
  const std::string expected = LevelText;
  UseCrLfLineEnds();

  int pumps = 0;
  bool inputHeld = false;
  auto qtPump = platform::InstallEventPump({[&] {
                                              if (++pumps == 5) {
                                                inputHeld = !frm->FormEnabled();
                                                frm->TB_ButtonClick(11);
                                              }
                                              QCoreApplication::processEvents();
                                            },
                                            nullptr});
  frm->TB_ButtonClick(7);
  platform::InstallEventPump(std::move(qtPump));
  EXPECT_GT(pumps, 5);
  EXPECT_TRUE(inputHeld);  // a user's click could not have reached the toolbar
  EXPECT_EQ(tree.Read("sets/v/level1.yvl"), expected);
  EXPECT_EQ(ZunboTextFrm::Instance(), nullptr);  // refused while the save was building
  EXPECT_TRUE(frm->FormEnabled());
  frm->TB_ButtonClick(11);  // and opens once the save is done
  EXPECT_NE(ZunboTextFrm::Instance(), nullptr);
}

TEST_F(MainWindow, ADesignersUnsavedLevelIsAskedAboutBeforeItIsReplacedOrClosed) {
  const std::string a = WriteLevel("sets/d/a.yvl", 120), b = WriteLevel("sets/d/b.yvl", 60);
  const std::string fileA = tree.Read("sets/d/a.yvl"), fileB = tree.Read("sets/d/b.yvl");
  PreferenceRecord p;
  p.LastLevelFile = a;
  SavePrefs(p);
  Start();
  ASSERT_TRUE(LevelLoaded && !LevelChanged);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
  const std::string asked = "Save Level Changes?|Level Changed|35";
  const auto paint = [&] {
    frm->ModeOption[kModeTiles]->SetValue(true);
    frm->LayerOption[kLayerBackground]->SetValue(true);
    SelectedTile = 200;
    test::Mouse::Click(frm->Img[MainFrm::CellIndex(5, 5)], QPoint(5, 5));  // clear of the start marker
    EXPECT_TRUE(LevelChanged);
  };
  const auto open = [&](int answer, std::optional<std::string> chosen) {
    ui.msgCalls.clear(), ui.fileCalls.clear();
    ui.msgAnswers = {answer};
    ui.fileAnswers = {std::move(chosen)};
    frm->TB_ButtonClick(2);
    EXPECT_EQ(ui.Boxes(), std::vector<std::string>{asked});
  };

  // Cancel: no dialog, the level as it was. No: the edit dropped, b opened.
  paint();
  open(kCancel, b);
  EXPECT_TRUE(ui.fileCalls.empty());
  EXPECT_TRUE(Pref.LastLevelFile == a && Level.BackgroundTM.Get(5, 5) == 200 && LevelChanged);
  open(kNo, b);
  EXPECT_TRUE(Pref.LastLevelFile == b && Level.Width == 60 && !LevelChanged);
  EXPECT_EQ(tree.Read("sets/d/a.yvl"), fileA);
  // Yes: saved as "Save Level" saves, then a opened.
  paint();
  open(kYes, a);
  EXPECT_NE(tree.Read("sets/d/b.yvl").find("\n0 0 0 0 0 200 0 "), std::string::npos);
  EXPECT_TRUE(Pref.LastLevelFile == a && Level.Width == 120 && !LevelChanged);

  // The question comes before "Create Level"'s own, and before "Create Set"'s.
  paint();
  for (int button : {4, 5}) {
    ui.msgCalls.clear();
    ui.msgAnswers = {kCancel};
    frm->TB_ButtonClick(button);
    EXPECT_EQ(ui.Boxes(), std::vector<std::string>{asked});
  }
  // Exit answered Cancel keeps the program running with the level.
  ui.msgCalls.clear();
  ui.msgAnswers = {kCancel};
  frm->TB_ButtonClick(17);
  EXPECT_TRUE(MainWindowAlive() && LevelChanged && Level.BackgroundTM.Get(5, 5) == 200);
  EXPECT_EQ(ui.Boxes(), std::vector<std::string>{asked});

  // A digit typed after the width and deleted again empties no layer.
  frm->TB_ButtonClick(10);
  VarsFrm* vars = VarsFrm::Instance();
  ASSERT_NE(vars, nullptr);
  QTest::keyClicks(vars->WidthBox->Editor(), "5");
  QTest::keyClick(vars->WidthBox->Editor(), Qt::Key_Backspace);
  test::Mouse::Click(vars->CloseCmd);
  EXPECT_TRUE(Level.Width == 120 && Level.BackgroundTM.Get(5, 5) == 200);

  // The close box answered No: the program ends, the file as it was.
  ui.msgCalls.clear();
  ui.msgAnswers = {kNo};
  frm->close();
  EXPECT_FALSE(MainWindowAlive());
  EXPECT_EQ(ui.Boxes(), std::vector<std::string>{asked});
  EXPECT_EQ(tree.Read("sets/d/a.yvl"), fileA);
}
