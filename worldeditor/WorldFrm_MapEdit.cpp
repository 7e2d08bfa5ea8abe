// The mode options, auto-complete, and the presses and hovers on the map
// cells and the link markers.
#include <algorithm>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "platform/System.h"
#include "worldeditor/WorldFrm.h"
#include "worldeditor/document/YVW_Read.h"

namespace yv {

namespace {
constexpr int16_t kPieceFirst = 49;  // the 3 x 3 mountain, 49..57 row by row
constexpr int16_t kStartPiece = 58;  // Zunbo's house: 58 above 59
}  // namespace

void WorldFrm::AddInNewLink(int16_t& x, int16_t& y) { ::yv::AddInNewLink(x, y); }

void WorldFrm::ModeOption_Click(int index) {
  if (Updating) return;
  WorldEditMode = static_cast<int16_t>(index);
  UpdateWorld();
}

void WorldFrm::AutoCheck_Click() {
  if (Updating) return;
  Pref.WorldAutoComplete = static_cast<int16_t>(AutoCheck->Value() == 1 ? 1 : 0);
}

void WorldFrm::Img_MouseDown(int index, int button, int, int, int) {
  // Without a loaded world the cells show nothing of a map: nothing to edit.
  if (!WorldLoaded || index < 0 || index > 269) return;
  const int x = index / 15 + MapXScroll->Value();
  const int y = index % 15 + MapYScroll->Value();
  switch (WorldEditMode) {
    case 0:
    case 1:
      if (button == 1) {
        PaintCell(x, y);
      } else if (button == 2) {
        SelectedWorldTile = WorldTile(x, y);
        ShowSelection();
      }
      break;
    case 2:
      PressLinkCell(x, y, button);
      break;
    case 4:
      World.StartX = static_cast<int16_t>(x);
      World.StartY = static_cast<int16_t>(y);
      WorldChanged = true;
      DrawWorldMap();
      break;
    default:
      break;
  }
}

void WorldFrm::PaintCell(int x, int y) {
  // A cell of the map that the tile array does not hold yet (the world was
  // made larger in its properties) is added to the array by the write.
  const int16_t tile = SelectedWorldTile;
  SetWorldTile(x, y, tile);
  const bool complete = Pref.WorldAutoComplete == 1;
  if (tile == kPieceFirst && complete && y + 2 < World.Height && x + 2 < World.Width) {
    int16_t piece = kPieceFirst;
    for (int dy = 0; dy < 3; ++dy)
      for (int dx = 0; dx < 3; ++dx)
        if (dx != 0 || dy != 0) SetWorldTile(x + dx, y + dy, ++piece);
  }
  if (tile == kStartPiece) {
    World.StartX = static_cast<int16_t>(x);
    World.StartY = static_cast<int16_t>(y + 1);
    if (complete) SetWorldTile(x, y + 1, kStartPiece + 1);  // on the last row: the spare row
  }
  WorldChanged = true;
  DrawWorldMap();
}

void WorldFrm::PressLinkCell(int x, int y, int button) {
  SelectedLink = 0;
  const int count = std::min<int>(World.LinkCount, static_cast<int>(World.Links.size()) - 1);
  for (int i = 1; i <= count; ++i) {
    const WorldLink& link = World.Links[static_cast<size_t>(i)];
    if (link.X == x && link.Y == y) {
      SelectedLink = static_cast<int16_t>(i);
      break;
    }
  }
  if (button == 1 && (SelectedLink == 0 || World.Links[static_cast<size_t>(SelectedLink)].LinkType == 0)) {
    // At the largest number of links nothing is added, and nothing opens.
    if (!::yv::AddInNewLink(static_cast<int16_t>(x), static_cast<int16_t>(y))) return;
  }
  OpenLinkEditor();  // its close marks the world changed
}

void WorldFrm::Img_MouseMove(int index, int, int, int, int) {
  if (!WorldLoaded || index < 0 || index > 269) return;
  const int x = index / 15 + MapXScroll->Value();
  const int y = index % 15 + MapYScroll->Value();
  Img[index]->SetToolTip("Tile = " + FormatInt(WorldTile(x, y)) + ", X = " + FormatInt(x) + ", Y = " + FormatInt(y));
  MouseXBox->SetCaption(FormatInt(x));
  MouseYBox->SetCaption(FormatInt(y));
}

void WorldFrm::DotImg_MouseDown(int index, int button, int, int, int) {
  // A marker left over from a link deleted since its last drawing marks nothing.
  if (index < 1 || index > World.LinkCount) return;
  SelectedLink = static_cast<int16_t>(index);
  ModeOption[2]->SetValue(true);  // from another mode: mode 2, redrawn with the link list
  platform::DoEvents();
  if (IsUnloaded()) return;
  if (LinkFrame->Visible()) {
    // The list shows links V + 1 to V + 16; a link outside them is brought
    // into the 15th row, as far as the range allows.
    const int v = LinkScroll->Value();
    if (SelectedLink < v + 1 || SelectedLink > v + 16)
      LinkScroll->SetValue(std::clamp(SelectedLink - 15, 0, std::max(0, LinkScroll->Max())));
  }
  if (button == 2) OpenLinkEditor();
  UpdateWorld();
}

void WorldFrm::DotImg_MouseMove(int index, int, int, int, int) {
  if (index < 0 || index >= static_cast<int>(DotImg.size())) return;
  DotImg[static_cast<size_t>(index)]->SetToolTip("Link # " + FormatInt(index) +
                                                 ", Left Click to Select, Right Click to Edit");
}

}  // namespace yv
