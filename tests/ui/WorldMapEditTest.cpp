// The world window's tile palette and favourites, and the presses and
// hovers on the map cells and the link markers.
#include <algorithm>

#include "tests/support/WorldFrmFixture.h"
#include "worldeditor/LinkForm.h"

using namespace yv;
using test::Mouse;

namespace {

class WorldMapEdit : public test::WorldWindowTest {
 protected:
  void SetUp() override {
    WorldWindowTest::SetUp();
    test::MakeWorld(30, 20, [](int, int) { return 1; });
    Pref.LastWorldMapFile = WriteWorld("e.yvwm");
    ASSERT_NE(OpenWorldWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
  }
  void Press(int c, int r, int button = 1) { frm->Img_MouseDown(WorldFrm::CellIndex(c, r), button, 0, 0, 0); }
  std::string Slot(int i) const { return frm->TileImg[i]->ToolTip(); }
  std::string Selection() const {
    return FormatInt(SelectedWorldTile) + " " + frm->TileIndexBox->Caption() + " " +
           (frm->CurrentImg->Picture().isNull() ? "none" : FormatInt(frm->CurrentImg->Picture().cacheKey()));
  }
  std::string Selection(int n) const { return FormatInt(n) + " " + FormatInt(n) + " " + FormatInt(Picture(n)); }
};

}  // namespace

TEST_F(WorldMapEdit, PaletteInBothModesAndFavouritesEditing) {
  EXPECT_EQ(Slot(0) + Slot(35), "Tile # 1Tile # 36");
  Mouse::Click(frm->TileImg[5]);
  EXPECT_EQ(Selection(), Selection(6));
  SetWorldTile(0, 0, 7);
  frm->TileScroll->SetValue(9);  // redraws the whole window
  EXPECT_EQ(Shown(Cell(0, 0)), Picture(7));
  EXPECT_EQ(Shown(frm->TileImg[35]), Picture(72));
  frm->TileImg_Click(35);
  EXPECT_EQ(SelectedWorldTile, 72);
  frm->FavCheck->SetValue(1);  // editing favourites: mode 0 still selects
  frm->TileImg_Click(0);
  EXPECT_EQ(SelectedWorldTile, 37);

  // Mode 1 with an empty list: tile 1 everywhere; a click selects 0.
  frm->ModeOption[1]->SetValue(true);
  EXPECT_EQ(frm->FavCheck->Value(), 1);
  frm->FavCheck->SetValue(0);
  frm->TileScroll->SetValue(2);
  EXPECT_EQ(Slot(0) + Slot(35), "Tile # 1Tile # 1");
  frm->TileImg_Click(3);
  EXPECT_EQ(Selection(), "0 0 none");
  // Editing: the slot takes the selection, which stays.
  SelectedWorldTile = 12;
  frm->ShowSelection();
  frm->FavCheck->SetValue(1);
  frm->TileImg_Click(3);
  EXPECT_EQ(Pref.WorldFavorites[11], 12);
  EXPECT_EQ(Slot(3), "Tile # 12");
  EXPECT_EQ(Selection(), Selection(12));
  Pref.WorldFavorites[12] = 99;
  frm->UpdateWorld();
  EXPECT_EQ(Slot(4), "Tile # 1");
  // Other modes: a click while favourites are edited does nothing; the
  // check box ignores a running redraw.
  frm->ModeOption[3]->SetValue(true);
  frm->TileImg_Click(4);
  EXPECT_EQ(Pref.WorldFavorites[12] * 100 + SelectedWorldTile, 99 * 100 + 12);
  frm->Updating = true;
  frm->FavCheck->SetValue(0);
  EXPECT_EQ(frm->EditFavorites, 1);
  frm->Updating = false;
}

TEST_F(WorldMapEdit, PaintingPickingAndTheTwoPieces) {
  struct Case {
    int16_t tile, autoComplete;
    int x, y, wantStartY;                   // -1: the start stays
    std::vector<std::array<int, 3>> cells;  // x, y, tile after the press
  };
  const int w = 30, h = 20;
  const std::vector<Case> cases = {
      {49, 1, w - 3, h - 3, -1, {{w - 2, h - 3, 50}, {w - 1, h - 3, 51}, {w - 3, h - 2, 52}, {w - 1, h - 1, 57}}},
      {49, 1, w - 2, 2, -1, {{w - 1, 2, 1}, {w - 2, 3, 1}}},
      {49, 1, 2, h - 2, -1, {{3, h - 2, 1}, {2, h - 1, 1}}},
      {49, 0, 2, 2, -1, {{3, 2, 1}, {3, 3, 1}}},
      {58, 1, 5, 5, 6, {{5, 6, 59}}},
      {58, 0, 6, 5, 6, {{6, 6, 1}}},
      {58, 1, 7, h - 1, h, {{7, h, 59}}},  // into the spare row
  };
  for (const Case& c : cases) {
    Pref.WorldAutoComplete = c.autoComplete;
    SelectedWorldTile = c.tile;
    WorldChanged = false;
    const int16_t startY = World.StartY;
    const int sx = std::clamp(c.x - 8, 0, w - 18), sy = std::clamp(c.y - 7, 0, h - 15);
    frm->MapXScroll->SetValue(sx);
    frm->MapYScroll->SetValue(sy);
    Press(c.x - sx, c.y - sy);
    EXPECT_EQ(WorldTile(c.x, c.y), c.tile);
    for (const auto& [x, y, t] : c.cells) EXPECT_EQ(WorldTile(x, y), t) << c.tile << " at " << x << "," << y;
    EXPECT_EQ(World.StartY, c.wantStartY < 0 ? startY : c.wantStartY);
    EXPECT_TRUE(WorldChanged);
    EXPECT_EQ(Shown(Cell(c.x - sx, c.y - sy)), Picture(c.tile));
    for (const auto& [x, y, t] : c.cells) SetWorldTile(x, y, 1);
  }

  // The right button picks; the middle one and mode 3 do nothing; in mode 4
  // any button moves the start.
  frm->MapXScroll->SetValue(12);
  frm->MapYScroll->SetValue(5);
  SetWorldTile(12, 6, 33);
  WorldChanged = false;
  Press(0, 1, 2);
  EXPECT_EQ(Selection(), Selection(33));
  Press(0, 1, 4);
  frm->ModeOption[3]->SetValue(true);
  Press(1, 1, 1);
  EXPECT_TRUE(WorldTile(13, 6) == 1 && !WorldChanged);
  frm->ModeOption[4]->SetValue(true);
  Press(2, 3, 4);
  EXPECT_TRUE(World.StartX == 14 && World.StartY == 8 && WorldChanged);
  EXPECT_EQ(frm->ZunboImg->pos(), Cell(2, 3)->pos());

  // A world made larger than its tile array: a paint grows the array.
  frm->ModeOption[0]->SetValue(true);
  World.Width = 40;
  frm->UpdateWorld();
  frm->MapXScroll->SetValue(22);
  SelectedWorldTile = 7;
  Press(17, 0);
  EXPECT_EQ(WorldTile(39, 5) * 100 + WorldTile(0, 0), 7 * 100 + 1);
  // Without a loaded world no mode edits anything.
  WorldLoaded = WorldChanged = false;
  for (int mode : {0, 2, 4}) {
    frm->WorldEditMode = static_cast<int16_t>(mode);
    for (int button : {1, 2}) Press(1, 1, button);
  }
  EXPECT_TRUE(!WorldChanged && World.LinkCount == 0);
}

TEST_F(WorldMapEdit, LinkPressesAndHovers) {
  test::AppendLink(0, 3, 3);
  test::AppendLink(3, 4, 4);
  test::AppendLink(2, 4, 4);
  frm->ModeOption[2]->SetValue(true);
  struct Case {
    int x, y, button, wantSelected, wantCount;
  };
  for (const Case& c : {Case{4, 4, 1, 2, 3},                       // the lower number of two
                        Case{3, 3, 1, 4, 4},                       // a type-0 link: a second one is added
                        Case{4, 4, 4, 2, 4}, Case{6, 6, 2, 0, 4},  // right on an empty cell: link 0
                        Case{6, 6, 1, 5, 5}}) {
    WorldChanged = false;
    Press(c.x, c.y, c.button);
    EXPECT_EQ(SelectedLink * 100 + World.LinkCount, c.wantSelected * 100 + c.wantCount) << c.x << "," << c.button;
    // The editor opens on the link over the disabled window; the press
    // itself marks nothing changed.
    EXPECT_TRUE(!WorldChanged && !frm->FormEnabled());
    ASSERT_NE(LinkForm::Instance(), nullptr);
    EXPECT_EQ(LinkForm::Instance()->EditLink, World.Links[static_cast<size_t>(SelectedLink)]);
    LinkForm::Instance()->CancelCmd_Click();
  }
  EXPECT_EQ(World.Links[5].LinkType * 100 + World.Links[5].X, 2 * 100 + 6);
  frm->Img_MouseMove(WorldFrm::CellIndex(3, 4), 0, 0, 0, 0);
  EXPECT_EQ(Cell(3, 4)->ToolTip(), "Tile = 1, X = 3, Y = 4");
  EXPECT_EQ(frm->MouseXBox->Caption() + frm->MouseYBox->Caption(), "34");
}

TEST_F(WorldMapEdit, MarkerPressesSelectScrollTheListAndOpenTheEditor) {
  for (int n = 1; n <= 40; ++n) test::AppendLink(3, n % 18, 1 + n / 18);
  frm->ModeOption[4]->SetValue(true);
  Mouse::Press(frm->DotImg[36], QPoint(3, 3));  // from mode 4: mode 2 with the list
  Mouse::Release(frm->DotImg[36], QPoint(3, 3));
  EXPECT_TRUE(SelectedLink == 36 && frm->WorldEditMode == 2 && frm->LinkFrame->Visible());
  EXPECT_EQ(frm->LinkScroll->Value(), 21);
  for (const auto [link, from, to] : {std::array{36, 20, 20}, std::array{20, 20, 5}, std::array{3, 20, 0}}) {
    frm->LinkScroll->SetValue(from);
    frm->DotImg_MouseDown(link, 1, 0, 0, 0);
    EXPECT_EQ(SelectedLink * 100 + frm->LinkScroll->Value(), link * 100 + to);
  }
  EXPECT_EQ(LinkForm::Instance(), nullptr);
  frm->DotImg_MouseDown(7, 2, 0, 0, 0);  // the right button opens the editor
  ASSERT_NE(LinkForm::Instance(), nullptr);
  EXPECT_EQ(LinkForm::Instance()->EditLink, World.Links[7]);
  LinkForm::Instance()->CancelCmd_Click();
  frm->DotImg_MouseDown(41, 2, 0, 0, 0);  // a link that is gone: nothing
  EXPECT_TRUE(SelectedLink == 7 && LinkForm::Instance() == nullptr);
  frm->DotImg_MouseMove(3, 0, 0, 0, 0);
  EXPECT_EQ(frm->DotImg[3]->ToolTip(), "Link # 3, Left Click to Select, Right Click to Edit");
}
