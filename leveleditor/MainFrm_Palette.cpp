// The tile palette and the two favourites lists.
#include <algorithm>
#include <array>
#include <cstdint>

#include "leveleditor/MainFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"

namespace yv {

namespace {

using FavoritesList = std::array<int16_t, 32>;

bool IsTile(int n) { return n >= 1 && n <= kTileCount; }

// The favourites list that TileSetChoice shows, or nullptr for "All Tiles".
FavoritesList* ShownList() {
  if (TileSetChoice == 1) return &Pref.FavoritesA;
  if (TileSetChoice == 2) return &Pref.FavoritesB;
  return nullptr;
}

// A list is full once its last slot holds a tile, whatever the slots before it hold.
bool IsFull(const FavoritesList& list) { return list[31] > 0; }

// Adds SelectedTile at the clicked slot, or removes it where it first stands.
// After a removal the selection becomes the entry now in `selectSlot(found)`:
// list A takes the removal slot, list B the clicked one.
template <class SelectSlot>
void ToggleFavorite(FavoritesList& list, int slot, const char* fullText, const char* fullTitle, SelectSlot selectSlot) {
  if (slot < 0 || slot > 31) return;
  const auto it = std::find(list.begin(), list.end(), SelectedTile);
  if (it != list.end()) {
    const int found = static_cast<int>(it - list.begin());
    for (int k = found; k <= 30; ++k) list[k] = list[k + 1];
    list[31] = 0;
    SelectedTile = list[selectSlot(found)];
    return;
  }
  if (IsFull(list)) {
    ShowMsgBox(fullText, platform::kExclamationOk, fullTitle);
    return;
  }
  // Insertion goes to the clicked slot even past the last used one; what
  // stood in slot 31 (empty, since the list is not full) drops off the end.
  for (int k = 30; k >= slot; --k) list[k + 1] = list[k];
  list[slot] = SelectedTile;
}

// "Tile # n", with the notes the designer needs for the special blocks.
std::string TileTip(int n, const char* breakableNote) {
  std::string tip = "Tile # " + FormatInt(n);
  if (n == 77 || n == 78)
    tip += breakableNote;
  else if (n == 112)
    tip += " (Invisible Block)";
  return tip;
}

// Gives a palette cell its picture. A cell that already shows that picture is
// left alone: it would paint nothing new, and each paint of these transparent
// cells repaints the frame behind them. Changed cells are painted together in
// the event loop's next pass, as the map's cells are, so dragging the
// palette's thumb stays smooth.
void ShowPicture(controls::ImageBox* box, const QPixmap& picture) {
  if (box->Picture().cacheKey() == picture.cacheKey()) return;
  box->SetPicture(picture);
}

}  // namespace

void MainFrm::BlankTileCmd_Click() {
  DummyCmd->SetFocus();
  SelectedTile = 0;
  UpdateTilePalette();
}

void MainFrm::TilesOption_Click(int index) {
  TileSetChoice = static_cast<int16_t>(index);
  UpdateTilePalette();
}

void MainFrm::SelScroll_Change() { UpdateTilePalette(); }
void MainFrm::SelScroll_Scroll() { UpdateTilePalette(); }

void MainFrm::SelImg_MouseDown(int index, int button, int, int, int) {
  if (button != 1 || index < 0 || index > 31) return;
  if (EditMode != kModeTiles && EditMode != kModeFavorites) return;
  if (TileSetChoice == 0) {
    SelectedTile = static_cast<int16_t>(SelScroll->Value() * 4 + index + 1);
  } else if (EditMode == kModeTiles) {
    // A slot is taken as it is: an empty one selects the blank tile.
    if (TileSetChoice == 1) SelectedTile = Pref.FavoritesA[index];
    if (TileSetChoice == 2) SelectedTile = Pref.FavoritesB[index];
  } else {
    int16_t slot = static_cast<int16_t>(index);
    if (TileSetChoice == 1) ToggleFavoriteA(slot);
    if (TileSetChoice == 2) ToggleFavoriteB(slot);
  }
  UpdateTilePalette();
}

void MainFrm::SelImg_MouseMove(int index, int, int, int, int) {
  if (index < 0 || index > 31) return;
  int n = 0;
  if (TileSetChoice == 0)
    n = SelScroll->Value() * 4 + index + 1;
  else if (const FavoritesList* list = ShownList())
    n = (*list)[index];
  SelImg[index]->SetToolTip(TileTip(n, " (Breakable Block)"));
}

void MainFrm::CurImg_MouseMove(int, int, int, int) {
  if (EditMode == kModeTiles) {
    CurImg->SetToolTip(IsTile(SelectedTile) ? TileTip(SelectedTile, " (Breakable Tile)") : "No Tile Selected");
  } else if (EditMode == kModeFavorites) {
    const FavoritesList* list = ShownList();
    const bool inList = list && std::find(list->begin(), list->end(), SelectedTile) != list->end();
    CurImg->SetToolTip(inList ? "Click to Remove Tile from Favorites" : "Click to Add Tile to Favorites");
  }
}

void MainFrm::CurImg_Click() {}

void MainFrm::UpdateTilePalette() {
  TileFrame->SetVisible(!LayerOption[kLayerAll]->Value());
  if (TileSetChoice == 0) {
    SelScroll->SetVisible(true);
    if (SelectedTile == 0) CurImg->SetToolTip("No Tile Selected");  // the picture follows below
  } else if (ShownList()) {
    SelScroll->SetVisible(false);
  }
  if (holdPictures_) {
    palettePending_ = true;
    return;
  }
  ShowPalettePictures();
}

void MainFrm::ShowPalettePictures() {
  palettePending_ = false;
  if (TileSetChoice == 0) {
    const int first = SelScroll->Value() * 4 + 1;
    for (int i = 0; i < 32; ++i) {
      const int n = first + i;
      ShowPicture(SelImg[i], IsTile(n) ? BlockImgList->Picture(n) : QPixmap());
    }
  } else if (const FavoritesList* list = ShownList()) {
    for (int i = 0; i < 32; ++i) {
      const int e = (*list)[i];
      ShowPicture(SelImg[i], IsTile(e) ? BlockImgList->Picture(e) : QPixmap());
    }
  }
  ShowPicture(CurImg, IsTile(SelectedTile) ? BlockImgList->Picture(SelectedTile) : BlockImgList->Picture(kTileCount));
}

void MainFrm::ScrollPaletteToTile() {
  // Int() of the row: tile 0 gives -1, which the range then brings to 0.
  int row = SelectedTile - 1 >= 0 ? (SelectedTile - 1) / 4 : -((4 - SelectedTile) / 4);
  row = std::clamp(row, 0, SelScroll->Max());
  SelScroll->SetValue(row);
  UpdateTilePalette();
}

void MainFrm::ToggleFavoriteA(int16_t& slot) {
  ToggleFavorite(Pref.FavoritesA, slot, "Favorites A List Full", "Favorites A Error", [](int found) { return found; });
}

void MainFrm::ToggleFavoriteB(int16_t& slot) {
  const int clicked = slot;
  ToggleFavorite(Pref.FavoritesB, slot, "Favorites B List Full", "Favorites B Error",
                 [clicked](int) { return clicked; });
}

}  // namespace yv
