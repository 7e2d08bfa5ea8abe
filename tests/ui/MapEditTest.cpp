// Editing the map with the mouse: presses, clicks and hovers on the cells,
// reset points, the start-position pick and the read-outs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>
#include <tuple>

#include "leveleditor/MainFrm.h"
#include "leveleditor/Windows.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"

using namespace yv;
using test::Mouse;

namespace {

class MapEdit : public test::ProgramTest {
 protected:
  MainFrm* frm = nullptr;

  void SetUp() override {
    ProgramTest::SetUp();
    frm = StartProgram();
    ASSERT_NE(frm, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
  }

  // An empty level of the given width, with maps of mapColumns columns
  // (the width by default), and the start marker out of the way.
  void MakeLevel(int width, int mapColumns = -1, bool maps = true) {
    test::MakeOpenLevel(width, mapColumns, maps);
    frm->UpdateDisplay();
  }

  controls::ImageBox* Cell(int c, int r) { return frm->Img[MainFrm::CellIndex(c, r)]; }
  qint64 Shown(int c, int r) { return Cell(c, r)->Picture().cacheKey(); }
  qint64 TilePicture(int t) { return frm->BlockImgList->Picture(t).cacheKey(); }
  void ClickCell(int c, int r, Qt::MouseButton b = Qt::LeftButton, QPoint at = QPoint(10, 10)) {
    Mouse::Click(Cell(c, r), at, b);
  }
};

}  // namespace

TEST_F(MapEdit, PressPaintsAndClickPaintsAgainAndCompletes) {
  MakeLevel(40);
  Pref.AutoCompleteClouds = 1;
  CurrentLayer = kLayerInteractive;
  SelectedTile = 85;
  frm->UpdateDisplay();

  // The press alone paints the cell, redrawn at once, and completes nothing.
  Mouse::Press(Cell(2, 3), QPoint(4, 4));
  EXPECT_EQ(Level.InteractiveTM.Get(2, 3), 85);
  EXPECT_EQ(Shown(2, 3), TilePicture(85));
  EXPECT_EQ(Level.InteractiveTM.Get(3, 3), 0);
  // The release over the same cell is the click: the rest of the cloud.
  Mouse::Release(Cell(2, 3), QPoint(4, 4));
  const int cloud[2][4] = {{85, 86, 87, 88}, {89, 90, 91, 92}};
  for (int dy = 0; dy < 2; ++dy)
    for (int dx = 0; dx < 4; ++dx) EXPECT_EQ(Level.InteractiveTM.Get(2 + dx, 3 + dy), cloud[dy][dx]);
  EXPECT_EQ(Level.BackgroundTM.Get(3, 3), 0);  // only the current layer
  EXPECT_EQ(Level.ForegroundTM.Get(3, 3), 0);

  // Press on one cell and release on another: the tile, without the piece.
  Mouse::Press(Cell(10, 6), QPoint(5, 5));
  Mouse::Release(Cell(11, 6), QPoint(5, 5));
  EXPECT_EQ(Level.InteractiveTM.Get(10, 6), 85);
  EXPECT_EQ(Level.InteractiveTM.Get(11, 6), 0);
  EXPECT_EQ(Level.InteractiveTM.Get(10, 7), 0);

  // Auto-complete off: only the clicked tile.
  Pref.AutoCompleteClouds = 0;
  ClickCell(15, 8);
  EXPECT_EQ(Level.InteractiveTM.Get(15, 8), 85);
  EXPECT_EQ(Level.InteractiveTM.Get(16, 8), 0);
  Pref.AutoCompleteClouds = 2;  // only 1 switches it on
  ClickCell(15, 10);
  EXPECT_EQ(Level.InteractiveTM.Get(16, 10), 0);

  // The middle button paints nothing in tile mode.
  Pref.AutoCompleteClouds = 1;
  Mouse::Click(Cell(0, 0), QPoint(3, 3), Qt::MiddleButton);
  EXPECT_EQ(Level.InteractiveTM.Get(0, 0), 0);
  EXPECT_EQ(Level.ObjectCount, 0);

  // "All Layers" is view only: the press and the click write nothing.
  CurrentLayer = kLayerAll;
  ClickCell(0, 1);
  EXPECT_EQ(Level.InteractiveTM.Get(0, 1), 0);
  EXPECT_EQ(Level.BackgroundTM.Get(0, 1), 0);
  EXPECT_EQ(Level.ForegroundTM.Get(0, 1), 0);

  // The column is the scroll position plus the view column.
  CurrentLayer = kLayerBackground;
  SelectedTile = 7;
  frm->MapXScroll->SetValue(20);
  ClickCell(1, 0);
  EXPECT_EQ(Level.BackgroundTM.Get(21, 0), 7);
  EXPECT_EQ(Shown(1, 0), TilePicture(7));
}

TEST_F(MapEdit, RightButtonPicksAndMiddleButtonPlacesInBadGuyMode) {
  MakeLevel(40);
  Pref.AutoCompleteClouds = 1;
  Level.BackgroundTM.Set(5, 3, 92);
  Level.BackgroundTM.Set(20, 5, 57);
  Level.BackgroundTM.Set(21, 5, 3);
  Level.InteractiveTM.Set(6, 6, 44);
  frm->UpdateDisplay();

  // The pick selects the cell's tile and scrolls the palette to its row.
  SelectedTile = 1;
  ClickCell(5, 3, Qt::RightButton);
  EXPECT_EQ(SelectedTile, 92);
  EXPECT_EQ(frm->SelScroll->Value(), 22);       // (92 - 1) / 4, rounded down
  EXPECT_EQ(Level.BackgroundTM.Get(5, 3), 92);  // written back unchanged
  // A right click on a trigger cell writes the rest of its piece over what lies there.
  frm->MapXScroll->SetValue(10);
  ClickCell(10, 5, Qt::RightButton);
  EXPECT_EQ(SelectedTile, 57);
  EXPECT_EQ(Level.BackgroundTM.Get(21, 5), 58);
  // An empty cell selects the blank tile.
  frm->MapXScroll->SetValue(0);
  ClickCell(6, 6, Qt::RightButton);
  EXPECT_EQ(SelectedTile, 0);
  EXPECT_EQ(frm->SelScroll->Value(), 0);

  // "All Layers": the selection stays and the palette still scrolls to it.
  CurrentLayer = kLayerAll;
  SelectedTile = 150;
  frm->SelScroll->SetValue(0);
  ClickCell(6, 6, Qt::RightButton);
  EXPECT_EQ(SelectedTile, 150);
  EXPECT_EQ(frm->SelScroll->Value(), 37);
  EXPECT_EQ(Level.InteractiveTM.Get(6, 6), 44);
  // ... and with the reset-point tool the click that follows adds a reset point.
  SelectedTile = ResetPointTile;
  ClickCell(6, 6, Qt::RightButton);
  EXPECT_EQ(SelectedTile, ResetPointTile);
  ASSERT_EQ(Level.ResetCount, 1);
  EXPECT_EQ(Level.ResetPoints[1], (ResetPoint{6 * 32, 6 * 32}));
  // On a single layer the pick replaces the tool.
  CurrentLayer = kLayerInteractive;
  ClickCell(6, 6, Qt::RightButton);
  EXPECT_EQ(SelectedTile, 44);
  EXPECT_EQ(Level.ResetCount, 1);

  // Without a loaded level a right press picks nothing and scrolls nothing.
  LevelLoaded = false;
  frm->SelScroll->SetValue(5);
  Mouse::Press(Cell(5, 3), QPoint(1, 1), Qt::RightButton);
  EXPECT_EQ(SelectedTile, 44);
  EXPECT_EQ(frm->SelScroll->Value(), 5);
  Mouse::Release(Cell(5, 3), QPoint(1, 1), Qt::RightButton);
  LevelLoaded = true;

  // Bad-guy mode: every button places one object; nothing is painted.
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  SelectedBadGuyKind = 3;
  SelectedTile = 9;
  const int16_t before = BadGuyKinds[3].Count;
  Mouse::Click(Cell(1, 1), QPoint(3, 4), Qt::MiddleButton);
  ASSERT_EQ(Level.ObjectCount, 1);
  Mouse::Press(Cell(5, 1), QPoint(0, 0), Qt::LeftButton);
  Mouse::Release(Cell(5, 1), QPoint(0, 0), Qt::LeftButton);
  Mouse::Press(Cell(9, 1), QPoint(0, 0), Qt::RightButton);
  Mouse::Release(Cell(9, 1), QPoint(0, 0), Qt::RightButton);
  ASSERT_EQ(Level.ObjectCount, 3);
  EXPECT_EQ(Level.Objects[1], (LevelObject{3, BadGuyFileNames[3], 32 + 3, 32 + 4, 0}));
  EXPECT_EQ(BadGuyKinds[3].Count, before + 3);
  EXPECT_EQ(Level.InteractiveTM.Get(1, 1), 0);
  EXPECT_EQ(SelectedTile, 9);
  // With no kind chosen a press places nothing.
  SelectedBadGuyKind = -1;
  Mouse::Press(Cell(13, 1), QPoint(0, 0));
  EXPECT_EQ(Level.ObjectCount, 3);
  Mouse::Release(Cell(13, 1), QPoint(0, 0));

  // The list and favourites modes change nothing on the map.
  for (int16_t mode : {kModeBadGuyList, kModeFavorites}) {
    frm->ModeOption[mode]->SetValue(true);
    SelectedTile = 9;
    CurrentLayer = kLayerBackground;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) ClickCell(8, 8, b);
    EXPECT_EQ(Level.BackgroundTM.Get(8, 8), 0);
    EXPECT_EQ(SelectedTile, 9);
    EXPECT_EQ(Level.ObjectCount, 3);
  }
}

TEST_F(MapEdit, StartPositionPick) {
  MakeLevel(40);
  SelectedTile = 12;
  EXPECT_EQ(frm->SetZunboCmd->Caption(), "Set Zunbo Start Pos.");
  Mouse::Click(frm->SetZunboCmd);
  EXPECT_TRUE(frm->SelectingStartPos);
  EXPECT_EQ(frm->SetZunboCmd->Caption(), "Select Desired Zunbo Position");
  EXPECT_EQ(frm->MousePointer(), controls::Pointer::Custom);
  EXPECT_EQ(frm->cursor().pixmap().cacheKey(), frm->ZunboIcon->Picture().cacheKey());
  // Switched off again: the start stays where it was.
  Mouse::Click(frm->SetZunboCmd);
  EXPECT_FALSE(frm->SelectingStartPos);
  EXPECT_EQ(frm->SetZunboCmd->Caption(), "Set Starting Position");
  EXPECT_EQ(frm->MousePointer(), controls::Pointer::Default);
  EXPECT_EQ(Level.StartPosX, -1000);

  // On: the press paints nothing; the click sets the start at the cell's corner.
  frm->SetZunboCmd_Click();
  frm->MapXScroll->SetValue(3);
  Mouse::Press(Cell(4, 7), QPoint(20, 20));
  EXPECT_EQ(Level.BackgroundTM.Get(7, 7), 0);
  Mouse::Release(Cell(4, 7), QPoint(20, 20));
  EXPECT_EQ(Level.StartPosX, 7 * 32);
  EXPECT_EQ(Level.StartPosY, 7 * 32);
  EXPECT_EQ(Level.BackgroundTM.Get(7, 7), 0);
  EXPECT_FALSE(frm->SelectingStartPos);
  EXPECT_EQ(frm->SetZunboCmd->Caption(), "Set Starting Position");
  EXPECT_EQ(frm->MousePointer(), controls::Pointer::Default);
  EXPECT_TRUE(frm->ZunboImage->Visible());  // redrawn at the new place

  // In bad-guy mode the same click both places an object and sets the start.
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  SelectedBadGuyKind = 0;
  frm->SetZunboCmd_Click();
  frm->MapXScroll->SetValue(0);
  ClickCell(1, 2, Qt::LeftButton, QPoint(5, 6));
  EXPECT_EQ(Level.ObjectCount, 1);
  EXPECT_EQ(Level.StartPosX, 32);
  EXPECT_EQ(Level.StartPosY, 64);

  // No level: the click reports it and leaves the pick on; a press in
  // bad-guy mode still places its object first.
  Level = LevelData{};
  LevelLoaded = false;
  frm->SetZunboCmd_Click();
  ClickCell(3, 3);
  EXPECT_EQ(Level.ObjectCount, 1);
  ASSERT_EQ(ui.msgCalls.size(), 1u);
  EXPECT_EQ(ui.msgCalls[0].text, "You must create the level first!\r\nUse the File menu to create a new set or level.");
  EXPECT_EQ(ui.msgCalls[0].style, 16);
  EXPECT_EQ(ui.msgCalls[0].title, "No Level Width Specified");
  EXPECT_EQ(MsgResult, platform::kOk);
  EXPECT_TRUE(frm->SelectingStartPos);
  EXPECT_EQ(frm->SetZunboCmd->Caption(), "Select Desired Zunbo Position");
}

TEST_F(MapEdit, ResetPoints) {
  MakeLevel(100);
  SelectedTile = ResetPointTile;
  frm->MapXScroll->SetValue(20);

  // The press with the tool paints nothing; the click adds the point at the
  // cell's corner and tile 81 on the interactive layer above it.
  Mouse::Press(Cell(10, 5), QPoint(17, 9));
  EXPECT_EQ(Level.BackgroundTM.Get(30, 5), 0);
  Mouse::Release(Cell(10, 5), QPoint(17, 9));
  ASSERT_EQ(Level.ResetCount, 1);
  EXPECT_EQ(Level.ResetPoints[1], (ResetPoint{30 * 32, 5 * 32}));
  EXPECT_EQ(Level.InteractiveTM.Get(30, 4), 81);
  EXPECT_EQ(Level.ForegroundTM.Get(30, 4), 0);
  EXPECT_EQ(Level.BackgroundTM.Get(30, 4), 0);

  // Nine columns away, on either side and on any row, is refused with the
  // box; nothing changes.
  for (auto [scroll, c, r] : {std::tuple{21, 0, 0}, std::tuple{22, 17, 14}, std::tuple{30, 1, 5}}) {
    frm->MapXScroll->SetValue(scroll);
    size_t boxes = ui.msgCalls.size();
    ClickCell(c, r);
    ASSERT_EQ(ui.msgCalls.size(), boxes + 1) << scroll + c;
    EXPECT_EQ(ui.msgCalls.back().text, "Another reset point is within 10 tiles");
    EXPECT_EQ(ui.msgCalls.back().style, 48);
    EXPECT_EQ(ui.msgCalls.back().title, "Reset Point Setting Error");
    EXPECT_EQ(Level.ResetCount, 1);
  }
  EXPECT_EQ(Level.InteractiveTM.Get(39, 13), 0);
  // Ten columns away is accepted: with the interactive layer taken above,
  // tile 81 goes to the foreground.
  frm->MapXScroll->SetValue(30);
  Level.InteractiveTM.Set(40, 7, 5);
  ClickCell(10, 8);
  ASSERT_EQ(Level.ResetCount, 2);
  EXPECT_EQ(Level.ResetPoints[2], (ResetPoint{40 * 32, 8 * 32}));
  EXPECT_EQ(Level.InteractiveTM.Get(40, 7), 5);
  EXPECT_EQ(Level.ForegroundTM.Get(40, 7), 81);
  frm->MapXScroll->SetValue(20);
  ClickCell(0, 12);  // column 20, ten left of the first
  ASSERT_EQ(Level.ResetCount, 3);
  EXPECT_EQ(Level.InteractiveTM.Get(20, 11), 81);
  // Both layers taken above: no tile; the background is never touched.
  frm->MapXScroll->SetValue(50);
  Level.InteractiveTM.Set(50, 2, 5);
  Level.ForegroundTM.Set(50, 2, 6);
  CurrentLayer = kLayerBackground;
  ClickCell(0, 3);
  ASSERT_EQ(Level.ResetCount, 4);
  EXPECT_EQ(Level.InteractiveTM.Get(50, 2), 5);
  EXPECT_EQ(Level.ForegroundTM.Get(50, 2), 6);
  EXPECT_EQ(Level.BackgroundTM.Get(50, 2), 0);
  // Row 0: no tile above, in "All Layers" too.
  CurrentLayer = kLayerAll;
  ClickCell(10, 0);
  ASSERT_EQ(Level.ResetCount, 5);
  EXPECT_EQ(Level.ResetPoints[5], (ResetPoint{60 * 32, 0}));
  for (int r = 0; r < 15; ++r) EXPECT_EQ(Level.InteractiveTM.Get(60, r), 0);
  // Outside tile mode the tool adds nothing.
  frm->ModeOption[kModeBadGuyList]->SetValue(true);
  ClickCell(17, 0);
  EXPECT_EQ(Level.ResetCount, 5);
}

TEST_F(MapEdit, ResetPointTestHoldsInTheLastColumnsOfTheWidestLevel) {
  MakeLevel(1023);
  SelectedTile = ResetPointTile;
  frm->MapXScroll->SetValue(frm->MapXScroll->Max());  // columns 1005..1022
  ASSERT_EQ(frm->MapXScroll->Value(), 1005);
  AppendResetPoint() = {1013 * 32, 0};  // nine columns left of the last one
  ClickCell(17, 6);                     // column 1022: (1022 + 10) * 32 = 33024
  EXPECT_EQ(ui.msgCalls.size(), 1u);
  EXPECT_EQ(Level.ResetCount, 1);
  Level.ResetPoints[1].X = 1012 * 32;  // ten columns: accepted
  ClickCell(17, 6);
  EXPECT_EQ(Level.ResetCount, 2);
  EXPECT_EQ(Level.ResetPoints[2].X, 1022 * 32);
}

TEST_F(MapEdit, HoverReadOutsAndTooltips) {
  MakeLevel(40);
  Level.BackgroundTM.Set(3, 2, 77);
  Level.BackgroundTM.Set(4, 2, 112);
  Level.BackgroundTM.Set(5, 2, 78);
  frm->UpdateDisplay();

  Mouse::Move(Cell(3, 2), QPoint(16, 5));
  ASSERT_EQ(MainFrm::CellIndex(3, 2), 47);
  EXPECT_EQ(frm->Img[47]->ToolTip(), "Index = 47, Column = 3, Row = 2, Tile # 77 (Breakable Block)");
  EXPECT_EQ(frm->ColBox->Caption(), "3 ");
  EXPECT_EQ(frm->RowBox->Caption(), "2 ");
  EXPECT_EQ(frm->XBox->Caption(), "112 ");
  EXPECT_EQ(frm->YBox->Caption(), "69 ");
  Mouse::Move(Cell(4, 2), QPoint(0, 31));
  EXPECT_EQ(Cell(4, 2)->ToolTip(), "Index = 62, Column = 4, Row = 2, Tile # 112 (Invisible Block)");
  EXPECT_EQ(frm->YBox->Caption(), "95 ");
  Mouse::Move(Cell(5, 2), QPoint(1, 1));
  EXPECT_EQ(Cell(5, 2)->ToolTip(), "Index = 77, Column = 5, Row = 2, Tile # 78 (Breakable Block)");

  // All layers: the topmost non-empty one; all empty reads 0.
  CurrentLayer = kLayerAll;
  Level.InteractiveTM.Set(3, 2, 20);
  Mouse::Move(Cell(3, 2), QPoint(2, 2));
  EXPECT_EQ(Cell(3, 2)->ToolTip(), "Index = 47, Column = 3, Row = 2, Tile # 20");
  Mouse::Move(Cell(9, 9), QPoint(2, 2));
  EXPECT_EQ(Cell(9, 9)->ToolTip(), "Index = 144, Column = 9, Row = 9, Tile # 0");
  // Scrolled: the level column.
  CurrentLayer = kLayerInteractive;
  frm->MapXScroll->SetValue(2);
  Mouse::Move(Cell(1, 2), QPoint(31, 0));
  EXPECT_EQ(Cell(1, 2)->ToolTip(), "Index = 17, Column = 3, Row = 2, Tile # 20");
  EXPECT_EQ(frm->XBox->Caption(), "127 ");

  // A press there in bad-guy mode stores the position the read-outs show.
  frm->MapXScroll->SetValue(0);
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  SelectedBadGuyKind = 1;
  ClickCell(3, 2, Qt::LeftButton, QPoint(16, 5));
  ASSERT_EQ(Level.ObjectCount, 1);
  EXPECT_EQ(Level.Objects[1].X, 112);
  EXPECT_EQ(Level.Objects[1].Y, 69);

  // Without a level the hover changes nothing.
  LevelLoaded = false;
  Mouse::Move(Cell(8, 8), QPoint(2, 2));
  EXPECT_EQ(frm->ColBox->Caption(), "3 ");
  EXPECT_TRUE(Cell(8, 8)->ToolTip().empty());
  LevelLoaded = true;

  // The reset marker lies over its cell and takes the hover itself.
  frm->ModeOption[kModeTiles]->SetValue(true);
  Pref.ShowResetPoints = 1;
  AppendResetPoint() = {6 * 32, 4 * 32};
  frm->UpdateDisplay();
  ASSERT_TRUE(frm->ResetImg->Visible());
  EXPECT_EQ(frm->ResetImg->ToolTip(), "Reset Point");
  Mouse::Move(frm->ResetImg, QPoint(10, 10));
  EXPECT_EQ(frm->ResetImg->ToolTip(), "Reset Point: Index = 1, X = 192, Y = 128");
  EXPECT_EQ(frm->ColBox->Caption(), "3 ");
  EXPECT_TRUE(Cell(6, 4)->ToolTip().empty());
  // ... and a click on it edits nothing.
  SelectedTile = 5;
  Mouse::Click(frm->ResetImg, QPoint(10, 10));
  EXPECT_EQ(Level.BackgroundTM.Get(6, 4), 0);
}

TEST_F(MapEdit, CellsOutsideTheMapsChangeAndReadNothing) {
  // Width 30, but maps only 10 columns wide (a level read without all its tile lines).
  MakeLevel(30, 9);
  SelectedTile = 85;
  Pref.AutoCompleteClouds = 1;
  Mouse::Move(Cell(2, 2), QPoint(1, 1));
  const std::string col = frm->ColBox->Caption();
  ClickCell(12, 3);
  Mouse::Press(Cell(13, 3), QPoint(1, 1), Qt::RightButton);
  Mouse::Release(Cell(13, 3), QPoint(1, 1), Qt::RightButton);
  Mouse::Move(Cell(12, 3), QPoint(1, 1));
  EXPECT_EQ(SelectedTile, 85);
  EXPECT_EQ(frm->ColBox->Caption(), col);
  EXPECT_TRUE(Cell(12, 3)->ToolTip().empty());
  EXPECT_TRUE(ui.msgCalls.empty());
  // A piece that would leave the map is not written at all.
  ClickCell(7, 3);
  EXPECT_EQ(Level.BackgroundTM.Get(7, 3), 85);
  EXPECT_EQ(Level.BackgroundTM.Get(8, 3), 0);
  // Reset points, the start position and objects keep off those cells too.
  SelectedTile = ResetPointTile;
  ClickCell(15, 5);
  EXPECT_EQ(Level.ResetCount, 0);
  frm->SetZunboCmd_Click();
  ClickCell(15, 5);
  EXPECT_EQ(Level.StartPosX, -1000);
  EXPECT_TRUE(frm->SelectingStartPos);
  frm->SetZunboCmd_Click();
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  SelectedBadGuyKind = 2;
  ClickCell(15, 5);
  EXPECT_EQ(Level.ObjectCount, 0);
  ClickCell(5, 5);
  EXPECT_EQ(Level.ObjectCount, 1);

  // A level narrower than the view: the cells past its last column.
  frm->ModeOption[kModeTiles]->SetValue(true);
  MakeLevel(10);
  SelectedTile = 4;
  ClickCell(10, 0);  // column 10 is the maps' spare column, not a level column
  ClickCell(11, 0);
  EXPECT_EQ(Level.BackgroundTM.Get(10, 0), 0);
  ClickCell(9, 0);
  EXPECT_EQ(Level.BackgroundTM.Get(9, 0), 4);

  // A width without any maps.
  MakeLevel(30, -1, false);
  ClickCell(1, 1);
  Mouse::Move(Cell(1, 1), QPoint(1, 1));
  EXPECT_TRUE(Level.BackgroundTM.Empty());
  EXPECT_TRUE(ui.msgCalls.empty());
}

TEST_F(MapEdit, PositionsPastSixteenBitsAreClampedNotWrapped) {
  MakeLevel(1100);
  frm->MapXScroll->SetValue(frm->MapXScroll->Max());  // columns 1082..1099
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  SelectedBadGuyKind = 5;
  ClickCell(17, 14, Qt::LeftButton, QPoint(31, 31));
  ASSERT_EQ(Level.ObjectCount, 1);
  EXPECT_EQ(Level.Objects[1].X, 32767);
  EXPECT_EQ(Level.Objects[1].Y, 14 * 32 + 31);
  Mouse::Move(Cell(17, 14), QPoint(3, 3));
  EXPECT_EQ(frm->ColBox->Caption(), "1099 ");
  EXPECT_EQ(frm->XBox->Caption(), "32767 ");
  frm->SetZunboCmd_Click();
  ClickCell(16, 0);
  EXPECT_EQ(Level.StartPosX, 32767);
}

TEST_F(MapEdit, GrabsOfEachEditMode) {
  MakeLevel(60);
  for (int c = 0; c < 60; ++c) {
    Level.BackgroundTM.Set(c, 14, 34);
    Level.InteractiveTM.Set(c, 13, static_cast<int16_t>(c % 2 ? 77 : 1));
  }
  Level.ForegroundTM.Set(3, 2, 85);
  frm->AutoCheck->SetValue(1);
  frm->GridCheck->SetValue(1);
  Pref.ShowResetPoints = 1;
  AppendResetPoint() = {8 * 32, 12 * 32};
  Level.StartPosX = 64;
  Level.StartPosY = 320;
  for (int i = 0; i < 12; ++i) {
    LevelObject& o = AppendObject();
    o.Kind = static_cast<int16_t>(i % 10);
    o.Name = BadGuyFileNames[o.Kind];
    o.X = static_cast<int16_t>(40 + 45 * i);
    o.Y = static_cast<int16_t>(300 + (i % 3) * 40);
    o.StayOnPlatform = static_cast<int16_t>(i % 2);
    ++BadGuyKinds[o.Kind].Count;
  }
  SelectedTile = 85;
  SelectedBadGuyKind = 4;
  Pref.FavoritesA = {85, 50, 53, 55, 57, 77, 112, 34};
  const char* names[4] = {"grab_mode0.png", "grab_mode1.png", "grab_mode2.png", "grab_mode3.png"};
  for (int16_t mode = 0; mode < 4; ++mode) {
    frm->ModeOption[mode]->SetValue(true);
    if (mode == kModeBadGuyList) SelectedObject = 2;
    if (mode == kModeFavorites) frm->TilesOption[1]->SetValue(true);
    frm->UpdateDisplay();
    QImage shot = frm->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(824, 622));
    EXPECT_TRUE(shot.save(QString(YV_BINARY_DIR) + "/" + names[mode]));
    // The one panel that the mode shows.
    EXPECT_EQ(frm->TileFrame->Visible(), mode == kModeTiles || mode == kModeFavorites);
    EXPECT_EQ(frm->ObjectFrame->Visible(), mode == kModeBadGuys);
    EXPECT_EQ(frm->BGUFrame->Visible(), mode == kModeBadGuyList);
  }
}

TEST_F(MapEdit, EveryEditOfTheLevelMarksItChangedAndARedrawDoesNot) {
  MakeLevel(40);
  AppendObject() = LevelObject{0, BadGuyFileNames[0], 64, 96, 0};
  Level.ObjectCount = 1;
  frm->UpdateDisplay();
  const std::pair<const char*, std::function<void()>> edits[] = {
      {"painted", [&] { SelectedTile = 5, ClickCell(3, 3); }},
      {"erased", [&] { SelectedTile = 0, ClickCell(3, 3); }},
      {"reset point", [&] { SelectedTile = ResetPointTile, ClickCell(12, 5); }},
      {"start", [&] { Mouse::Click(frm->SetZunboCmd), ClickCell(4, 4); }},
      {"bad guy placed",
       [&] { frm->ModeOption[kModeBadGuys]->SetValue(true), frm->ObjSelImg_Click(2), ClickCell(6, 6); }},
      {"bad guy moved", [&] { frm->ModeOption[kModeBadGuyList]->SetValue(true), frm->BGUXBox[0]->SetText("100"); }},
      {"stays on its platform", [&] { Mouse::Click(frm->StayCheck[0]); }},
      {"bad guy deleted", [&] { SelectedObject = 1, frm->DelBadGuyCmd_Click(); }},
  };
  for (const auto& [name, edit] : edits) {
    LevelChanged = false;
    frm->UpdateDisplay();  // the list writes its values back unchanged
    EXPECT_FALSE(LevelChanged) << name;
    edit();
    EXPECT_TRUE(LevelChanged) << name;
  }
  EXPECT_EQ(Level.ObjectCount, 1);  // one placed, one deleted
}
