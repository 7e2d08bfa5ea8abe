// The tile palette: the 32 cells, the scroll to a tile, the current tile and
// the two favourites lists.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "leveleditor/MainFrm.h"
#include "leveleditor/Windows.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"

using namespace yv;
using test::Mouse;

namespace {

using List = std::array<int16_t, 32>;

class Palette : public test::ProgramTest {
 protected:
  MainFrm* frm = nullptr;

  void SetUp() override {
    ProgramTest::SetUp();
    frm = StartProgram();
    ASSERT_NE(frm, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
  }

  qint64 Tile(int t) { return frm->BlockImgList->Picture(t).cacheKey(); }
  qint64 CellPicture(int i) { return frm->SelImg[i]->Picture().cacheKey(); }
  void PressCell(int i, Qt::MouseButton b = Qt::LeftButton) {
    Mouse::Press(frm->SelImg[i], QPoint(5, 5), b);
    Mouse::Release(frm->SelImg[i], QPoint(5, 5), b);
  }
  // Edit-favourites mode with list n (1 A, 2 B) shown.
  void EditList(int n) {
    frm->ModeOption[kModeFavorites]->SetValue(true);
    frm->TilesOption[n]->SetValue(true);
  }
  static List Make(std::initializer_list<std::pair<int, int16_t>> entries) {
    List l{};
    for (auto [slot, tile] : entries) l[slot] = tile;
    return l;
  }
};

}  // namespace

TEST_F(Palette, AllTilesCellsScrollAndCurrentTile) {
  ASSERT_EQ(frm->SelScroll->Min(), 0);
  ASSERT_EQ(frm->SelScroll->Max(), 43);
  EXPECT_EQ(frm->SelScroll->LargeChange(), 8);
  EXPECT_EQ(CellPicture(0), Tile(1));
  EXPECT_EQ(CellPicture(31), Tile(32));
  // The blank tile shows the grid picture and says so.
  EXPECT_EQ(frm->CurImg->Picture().cacheKey(), Tile(204));
  EXPECT_EQ(frm->CurImg->ToolTip(), "No Tile Selected");

  frm->SelScroll->SetValue(10);  // the change redraws
  EXPECT_EQ(CellPicture(0), Tile(41));
  EXPECT_EQ(CellPicture(5), Tile(46));

  // ScrollPaletteToTile: Int((tile - 1) / 4), within 0..43.
  struct {
    int16_t tile;
    int row;
  } rows[] = {{204, 43}, {173, 43}, {172, 42}, {5, 1}, {4, 0}, {1, 0}, {0, 0}, {-7, 0}, {300, 43}, {92, 22}};
  for (auto [tile, row] : rows) {
    SelectedTile = tile;
    frm->SelScroll->SetValue(20);
    frm->ScrollPaletteToTile();
    EXPECT_EQ(frm->SelScroll->Value(), row) << tile;
  }
  SelectedTile = 204;
  frm->ScrollPaletteToTile();
  EXPECT_EQ(CellPicture(0), Tile(173));
  EXPECT_EQ(CellPicture(31), Tile(204));
  EXPECT_EQ(frm->CurImg->Picture().cacheKey(), Tile(204));
  // A number outside the tile set stays selected and shows the empty-cell picture.
  SelectedTile = 300;
  frm->UpdateTilePalette();
  EXPECT_EQ(SelectedTile, 300);
  EXPECT_EQ(frm->CurImg->Picture().cacheKey(), Tile(204));

  // A left press selects; right and middle presses change nothing.
  frm->SelScroll->SetValue(2);
  PressCell(5);
  EXPECT_EQ(SelectedTile, 2 * 4 + 5 + 1);
  EXPECT_EQ(frm->CurImg->Picture().cacheKey(), Tile(14));
  PressCell(6, Qt::RightButton);
  Mouse::Click(frm->SelImg[7], QPoint(3, 3), Qt::MiddleButton);
  EXPECT_EQ(SelectedTile, 14);
  // In the bad-guy modes the palette is hidden and takes nothing.
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  frm->SelImg_MouseDown(9, 1, 0, 1, 1);
  EXPECT_EQ(SelectedTile, 14);
  frm->ModeOption[kModeTiles]->SetValue(true);

  // "Blank Tile" selects 0 and a favourites list hides the scroll bar.
  Mouse::Click(frm->BlankTileCmd);
  EXPECT_EQ(SelectedTile, 0);
  EXPECT_EQ(frm->CurImg->Picture().cacheKey(), Tile(204));
  Pref.FavoritesB = Make({{0, 77}, {1, 250}, {2, -1}});
  Mouse::Click(frm->TilesOption[2]);
  EXPECT_EQ(TileSetChoice, 2);
  EXPECT_FALSE(frm->SelScroll->Visible());
  EXPECT_EQ(CellPicture(0), Tile(77));
  EXPECT_TRUE(frm->SelImg[1]->Picture().isNull());  // 250 is no tile
  EXPECT_TRUE(frm->SelImg[2]->Picture().isNull());
  EXPECT_TRUE(frm->SelImg[3]->Picture().isNull());
  // Mode 0 takes a slot as it is: 250 selects 250, an empty slot the blank tile.
  PressCell(1);
  EXPECT_EQ(SelectedTile, 250);
  PressCell(0);
  EXPECT_EQ(SelectedTile, 77);
  PressCell(9);
  EXPECT_EQ(SelectedTile, 0);
  // The favourites view leaves the scroll where it is; the row takes effect on "All Tiles".
  SelectedTile = 100;
  frm->ScrollPaletteToTile();
  EXPECT_EQ(CellPicture(0), Tile(77));
  Mouse::Click(frm->TilesOption[0]);
  EXPECT_TRUE(frm->SelScroll->Visible());
  EXPECT_EQ(CellPicture(0), Tile(24 * 4 + 1));

  // "All Layers" hides the whole frame, and redraws keep it hidden.
  frm->LayerOption[kLayerAll]->SetValue(true);
  EXPECT_FALSE(frm->TileFrame->Visible());
  frm->UpdateDisplay();
  EXPECT_FALSE(frm->TileFrame->Visible());
  frm->LayerOption[kLayerForeground]->SetValue(true);
  EXPECT_TRUE(frm->TileFrame->Visible());
}

TEST_F(Palette, RemovalRulesOfBothLists) {
  // SelectedTile 40 at slot 5, click on slot 9: slots 6..31 move down one.
  List start{};
  for (int i = 0; i < 20; ++i) start[i] = static_cast<int16_t>(35 + i);  // 35..54, 40 in slot 5
  List removed = start;
  for (int k = 5; k < 31; ++k) removed[k] = start[k + 1];
  removed[31] = 0;

  Pref.FavoritesA = start;
  EditList(1);
  SelectedTile = 40;
  PressCell(9);
  EXPECT_EQ(Pref.FavoritesA, removed);
  EXPECT_EQ(SelectedTile, removed[5]);  // list A: the tile now in the removal slot (41)
  EXPECT_EQ(CellPicture(5), Tile(41));

  Pref.FavoritesB = start;
  frm->TilesOption[2]->SetValue(true);
  SelectedTile = 40;
  PressCell(9);
  EXPECT_EQ(Pref.FavoritesB, removed);
  EXPECT_EQ(SelectedTile, removed[9]);  // list B: the tile now in the clicked slot (45)

  // The tile in slot 31: list A selects 0; list B the clicked slot's tile.
  List full{};
  for (int i = 0; i < 32; ++i) full[i] = static_cast<int16_t>(100 + i);
  Pref.FavoritesA = full;
  frm->TilesOption[1]->SetValue(true);
  SelectedTile = 131;
  PressCell(2);
  EXPECT_EQ(Pref.FavoritesA[31], 0);
  EXPECT_EQ(Pref.FavoritesA[30], 130);
  EXPECT_EQ(SelectedTile, 0);
  Pref.FavoritesB = full;
  frm->TilesOption[2]->SetValue(true);
  SelectedTile = 131;
  PressCell(3);
  EXPECT_EQ(Pref.FavoritesB[31], 0);
  EXPECT_EQ(SelectedTile, 103);

  // A removal where the tile appears twice takes the first one only.
  Pref.FavoritesA = Make({{0, 7}, {1, 8}, {2, 7}});
  frm->TilesOption[1]->SetValue(true);
  SelectedTile = 7;
  PressCell(20);
  EXPECT_EQ(Pref.FavoritesA, Make({{0, 8}, {1, 7}}));
  EXPECT_EQ(SelectedTile, 8);

  // With the blank tile selected a click closes the first gap.
  Pref.FavoritesA = Make({{0, 12}, {2, 13}, {4, 14}});
  SelectedTile = 0;
  PressCell(30);
  EXPECT_EQ(Pref.FavoritesA, Make({{0, 12}, {1, 13}, {3, 14}}));
  EXPECT_EQ(SelectedTile, 13);
  EXPECT_TRUE(ui.msgCalls.empty());
}

TEST_F(Palette, InsertionAndFullListRulesOfBothLists) {
  // Insertion goes to the clicked slot, even past the last used one.
  Pref.FavoritesA = Make({{0, 12}, {1, 13}});
  EditList(1);
  SelectedTile = 40;
  PressCell(10);
  EXPECT_EQ(Pref.FavoritesA, Make({{0, 12}, {1, 13}, {10, 40}}));
  EXPECT_EQ(SelectedTile, 40);
  EXPECT_EQ(CellPicture(10), Tile(40));
  EXPECT_TRUE(frm->SelImg[9]->Picture().isNull());
  // In front of used slots: they move up one.
  SelectedTile = 41;
  PressCell(1);
  EXPECT_EQ(Pref.FavoritesA, Make({{0, 12}, {1, 41}, {2, 13}, {11, 40}}));
  // On slot 31 only slot 31 is written.
  SelectedTile = 42;
  PressCell(31);
  EXPECT_EQ(Pref.FavoritesA, Make({{0, 12}, {1, 41}, {2, 13}, {11, 40}, {31, 42}}));

  // Now slot 31 holds a tile: the list is full, with 27 slots empty.
  SelectedTile = 43;
  PressCell(5);
  ASSERT_EQ(ui.msgCalls.size(), 1u);
  EXPECT_EQ(ui.msgCalls[0].text, "Favorites A List Full");
  EXPECT_EQ(ui.msgCalls[0].style, 48);
  EXPECT_EQ(ui.msgCalls[0].title, "Favorites A Error");
  EXPECT_EQ(MsgResult, platform::kOk);
  EXPECT_EQ(Pref.FavoritesA, Make({{0, 12}, {1, 41}, {2, 13}, {11, 40}, {31, 42}}));
  EXPECT_EQ(SelectedTile, 43);
  // A tile that is in a full list is still removed.
  SelectedTile = 13;
  PressCell(5);
  EXPECT_EQ(Pref.FavoritesA, Make({{0, 12}, {1, 41}, {10, 40}, {30, 42}}));
  EXPECT_EQ(ui.msgCalls.size(), 1u);
  // A negative number in slot 31 is no tile: the list is not full, and the
  // entry is dropped by an insertion.
  Pref.FavoritesA = Make({{31, -4}});
  SelectedTile = 44;
  PressCell(0);
  EXPECT_EQ(Pref.FavoritesA, Make({{0, 44}}));
  EXPECT_EQ(ui.msgCalls.size(), 1u);

  // List B: the same, with its own box.
  Pref.FavoritesB = Make({{31, 1}});
  frm->TilesOption[2]->SetValue(true);
  SelectedTile = 2;
  PressCell(0);
  ASSERT_EQ(ui.msgCalls.size(), 2u);
  EXPECT_EQ(ui.msgCalls[1].text, "Favorites B List Full");
  EXPECT_EQ(ui.msgCalls[1].title, "Favorites B Error");
  EXPECT_EQ(Pref.FavoritesB, Make({{31, 1}}));
  Pref.FavoritesB = Make({{0, 5}});
  PressCell(0);
  EXPECT_EQ(Pref.FavoritesB, Make({{0, 2}, {1, 5}}));
  EXPECT_EQ(Pref.FavoritesA, Make({{0, 44}}));  // the other list is untouched

  // Mode 3 with "All Tiles" selects as mode 0 does.
  frm->TilesOption[0]->SetValue(true);
  frm->SelScroll->SetValue(1);
  PressCell(3);
  EXPECT_EQ(SelectedTile, 8);
  EXPECT_EQ(Pref.FavoritesB, Make({{0, 2}, {1, 5}}));
}

TEST_F(Palette, TooltipTexts) {
  frm->SelScroll->SetValue(19);  // tiles 77..108
  Mouse::Move(frm->SelImg[0], QPoint(4, 4));
  EXPECT_EQ(frm->SelImg[0]->ToolTip(), "Tile # 77 (Breakable Block)");
  Mouse::Move(frm->SelImg[1], QPoint(4, 4));
  EXPECT_EQ(frm->SelImg[1]->ToolTip(), "Tile # 78 (Breakable Block)");
  Mouse::Move(frm->SelImg[2], QPoint(4, 4));
  EXPECT_EQ(frm->SelImg[2]->ToolTip(), "Tile # 79");
  frm->SelScroll->SetValue(27);  // 109..140
  Mouse::Move(frm->SelImg[3], QPoint(4, 4));
  EXPECT_EQ(frm->SelImg[3]->ToolTip(), "Tile # 112 (Invisible Block)");

  // The current tile: "(Breakable Tile)" there.
  SelectedTile = 77;
  frm->UpdateTilePalette();
  Mouse::Move(frm->CurImg, QPoint(4, 4));
  EXPECT_EQ(frm->CurImg->ToolTip(), "Tile # 77 (Breakable Tile)");
  SelectedTile = 112;
  Mouse::Move(frm->CurImg, QPoint(5, 4));
  EXPECT_EQ(frm->CurImg->ToolTip(), "Tile # 112 (Invisible Block)");
  SelectedTile = 0;
  Mouse::Move(frm->CurImg, QPoint(4, 5));
  EXPECT_EQ(frm->CurImg->ToolTip(), "No Tile Selected");
  SelectedTile = 205;
  Mouse::Move(frm->CurImg, QPoint(4, 4));
  EXPECT_EQ(frm->CurImg->ToolTip(), "No Tile Selected");

  // Favourites: an empty slot reads 0, a foreign entry its number.
  Pref.FavoritesA = Make({{0, 78}, {2, -3}});
  EditList(1);
  Mouse::Move(frm->SelImg[0], QPoint(4, 4));
  EXPECT_EQ(frm->SelImg[0]->ToolTip(), "Tile # 78 (Breakable Block)");
  Mouse::Move(frm->SelImg[1], QPoint(4, 4));
  EXPECT_EQ(frm->SelImg[1]->ToolTip(), "Tile # 0");
  Mouse::Move(frm->SelImg[2], QPoint(4, 4));
  EXPECT_EQ(frm->SelImg[2]->ToolTip(), "Tile # -3");

  // In mode 3 the current tile says what a click on a slot will do.
  SelectedTile = 78;
  Mouse::Move(frm->CurImg, QPoint(4, 4));
  EXPECT_EQ(frm->CurImg->ToolTip(), "Click to Remove Tile from Favorites");
  frm->TilesOption[2]->SetValue(true);  // list B does not hold 78
  Mouse::Move(frm->CurImg, QPoint(5, 5));
  EXPECT_EQ(frm->CurImg->ToolTip(), "Click to Add Tile to Favorites");
  frm->TilesOption[0]->SetValue(true);
  SelectedTile = 0;
  frm->UpdateTilePalette();  // "No Tile Selected" from the redraw ...
  Mouse::Move(frm->CurImg, QPoint(4, 4));
  EXPECT_EQ(frm->CurImg->ToolTip(), "Click to Add Tile to Favorites");  // ... replaced by the hover
  // With a favourites list shown the redraw leaves the tooltip alone.
  frm->TilesOption[1]->SetValue(true);
  frm->UpdateTilePalette();
  EXPECT_EQ(frm->CurImg->ToolTip(), "Click to Add Tile to Favorites");

  // In the bad-guy modes the current tile's tooltip does not change.
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  frm->CurImg_MouseMove(0, 0, 1, 1);
  EXPECT_EQ(frm->CurImg->ToolTip(), "Click to Add Tile to Favorites");
}
