// The tile palette (frame "Tiles") and the world favourites.
#include "model/General.h"
#include "model/Preference.h"
#include "pictures/Pictures.h"
#include "worldeditor/WorldFrm.h"
#include "worldeditor/document/YVW_Read.h"

namespace yv {

using namespace controls;

namespace {
bool HasPicture(int n) { return n >= 1 && n <= 76; }
}  // namespace

void WorldFrm::BuildTilesFrame() {
  TilesFrame = new Frame(this, 658, 194, 201, 373, "Tiles");
  CurrentImg = new ImageBox(TilesFrame, 10, 20, 36, 36);
  CurrentImg->SetStretch(true);
  CurrentImg->SetBorderStyle(1);
  // Nothing is selected at first: a left press paints empty cells then.
  CurrentImg->SetPicture(pictures::Named("world_blank"));
  TileIndexLabel = new Label(TilesFrame, 50, 20, 64, 17, "Tile Index =");
  TileIndexLabel->SetAlignment(Align::Right);
  TileIndexBox = new Label(TilesFrame, 116, 18, 53, 17);
  TileIndexBox->SetBackColor(Qt::white);
  TileIndexBox->SetAlignment(Align::Center);
  TileIndexBox->SetBold(true);
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 4; ++c) {
      ImageBox* slot = new ImageBox(TilesFrame, 10 + 34 * c, 58 + 34 * r, 32, 32);
      slot->SetStretch(true);
      TileImg[4 * r + c] = slot;
    }
  TileScroll = new ScrollBar(TilesFrame, 150, 58, 21, 303, Qt::Vertical);
  TileScroll->SetMin(0);
  TileScroll->SetMax(9);
  TileScroll->SetSmallChange(1);
  TileScroll->SetLargeChange(8);
}

void WorldFrm::DrawTileTable() {
  if (!TilesFrame->Visible()) return;
  const int first = TileScroll->Value() * 4;
  for (int i = 0; i < 36; ++i) {
    int n = 1;
    if (WorldEditMode == 0) n = first + i + 1;
    if (WorldEditMode == 1) n = Pref.WorldFavorites[static_cast<size_t>(first + i)];
    if (!HasPicture(n)) n = 1;
    TileImg[i]->SetPicture(WorldImages->Picture(n));
    const std::string tip = "Tile # " + FormatInt(n);
    if (TileImg[i]->ToolTip() != tip) TileImg[i]->SetToolTip(tip);
  }
  TileIndexBox->SetCaption(FormatInt(SelectedWorldTile));
}

void WorldFrm::ShowSelection() {
  CurrentImg->SetPicture(HasPicture(SelectedWorldTile) ? WorldImages->Picture(SelectedWorldTile) : QPixmap());
  CurrentImg->Refresh();
  TileIndexBox->SetCaption(FormatInt(SelectedWorldTile));
}

void WorldFrm::TileImg_Click(int index) {
  if (index < 0 || index > 35) return;
  const size_t k = static_cast<size_t>(TileScroll->Value() * 4 + index);
  const bool favourites = EditFavorites == 1;
  if (WorldEditMode == 0) {
    SelectedWorldTile = static_cast<int16_t>(k + 1);
  } else if (WorldEditMode == 1 && !favourites) {
    SelectedWorldTile = Pref.WorldFavorites[k];  // an empty slot selects 0
  } else if (WorldEditMode == 1) {
    Pref.WorldFavorites[k] = SelectedWorldTile;
    DrawTileTable();
    return;
  } else if (favourites) {
    return;
  }
  ShowSelection();
}

void WorldFrm::FavCheck_Click() {
  if (Updating) return;
  EditFavorites = static_cast<int16_t>(FavCheck->Value());
}

}  // namespace yv
