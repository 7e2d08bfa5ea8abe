// The world view: the whole-window redraw, the map cells with the start
// marker, and the link markers.
#include <algorithm>

#include "controls/RedrawGuard.h"
#include "model/General.h"
#include "model/LineEnds.h"
#include "model/Preference.h"
#include "platform/Ui.h"
#include "worldeditor/WorldFrm.h"
#include "worldeditor/document/YVW_Read.h"

namespace yv {

using controls::ImageBox;
using controls::RedrawGuard;

namespace {

constexpr int kLastPicture = 76;  // world tiles 1..71, link markers 72..76

// Marker pictures by link type.
constexpr int kLevelLinkPicture = 72;
constexpr int kTeleportPicture = 74;
constexpr int kMessagePicture = 75;
constexpr int kInvisiblePicture = 76;

void SetTip(ImageBox* box, const std::string& tip) {
  if (box->ToolTip() != tip) box->SetToolTip(tip);
}

}  // namespace

void WorldFrm::UpdateWorld() {
  if (IsUnloaded()) return;  // a dialog closing with the window redraws nothing
  // A redraw runs nested inside another (a scroll value that a new maximum
  // moves, a handler the event pump runs): the outer one keeps its flag, and
  // only the outermost pumps events, so a scroll drag cannot nest redraws
  // one inside the other for as long as it goes on.
  const RedrawGuard drawing(this, Updating);
  if (!drawing.Nested() && !drawing.PumpEvents()) return;

  const bool readFailed = WorldReadError > 0;
  const bool tooSmall = !readFailed && WorldLoaded && (World.Width < 18 || World.Height < 15);
  if (readFailed || !WorldLoaded || tooSmall) {
    // No world is drawn, but the mode's own panel shows (the two share one
    // place), without the links of a world that is not drawn.
    ShowModePanel(false);
    if (readFailed && !readErrorShown_) {
      // Told once per read, not at every redraw until the next one.
      readErrorShown_ = true;
      ShowMsgBox("Error # " + FormatInt(WorldReadError), platform::kCriticalOk, "World Read Error");
    } else if (tooSmall) {
      ShowMsgBox("World Map Size Error!" + CrLf + "Width = " + FormatInt(World.Width) +
                     ", Height = " + FormatInt(World.Height),
                 platform::kCriticalOk, "World Map Error");
    }
    return;
  }

  FileNameBox->SetCaption(Pref.LastWorldMapFile);
  // A value above its new maximum comes down to it, redrawing at once.
  MapXScroll->SetMax(World.Width - 18);
  MapYScroll->SetMax(World.Height - 15);
  ViewLeft = static_cast<int16_t>(MapXScroll->Value());
  ViewRight = static_cast<int16_t>(ViewLeft + 17);
  ViewTop = static_cast<int16_t>(MapYScroll->Value());
  ViewBottom = static_cast<int16_t>(ViewTop + 14);

  // The link markers of modes 2 to 4 are drawn once, by DrawWorldMap below.
  ShowModePanel(true);
  FavCheck->SetValue(EditFavorites);  // its handler ignores this: Updating is set
  DrawWorldMap();
}

void WorldFrm::ShowModePanel(bool worldDrawn) {
  switch (WorldEditMode) {
    case 0:
    case 1:
      TilesFrame->SetVisible(true);
      LinkFrame->SetVisible(false);
      FavCheck->SetEnabled(true);
      DrawTileTable();
      break;
    case 2:
      TilesFrame->SetVisible(false);
      LinkFrame->SetVisible(true);
      FavCheck->SetEnabled(false);
      if (worldDrawn)
        UpdateLinkList();
      else
        ClearLinkList();
      break;
    case 3:
    case 4:
      TilesFrame->SetVisible(false);
      LinkFrame->SetVisible(false);
      FavCheck->SetEnabled(false);
      break;
    default:
      break;  // a mode not yet checked (the load's first redraws) changes and fills nothing
  }
}

void WorldFrm::DrawWorldMap() {
  const int left = MapXScroll->Value();
  const int top = MapYScroll->Value();

  // A number without a picture, and a cell the tile array does not hold,
  // show as an empty cell: the black background behind the cells.
  overlay_->Clear();
  for (int r = 0; r < 15; ++r) {
    for (int c = 0; c < 18; ++c) {
      const int t = WorldTile(left + c, top + r);
      ImageBox* cell = Img[CellIndex(c, r)];
      if (t >= 1 && t <= kLastPicture) {
        cell->SetPicture(WorldImages->Picture(t));
        overlay_->Add(*cell);  // tile 16 reaches a pixel into the cell below
      } else {
        cell->SetPicture(QPixmap());
      }
    }
  }
  overlay_->Done();

  // The start marker in "All Layers" and "Set Zunbo Start".
  const int dx = World.StartX - left;
  const int dy = World.StartY - top;
  if (dx >= 0 && dx <= 17 && dy >= 0 && dy <= 14 && WorldEditMode >= 3) {
    const ImageBox* cell = Img[CellIndex(dx, dy)];
    ZunboImg->Move(cell->Left(), cell->Top());
    ZunboImg->SetVisible(true);
  } else {
    ZunboImg->SetVisible(false);
  }

  if (WorldEditMode <= 1) {
    for (ImageBox* marker : DotImg) marker->SetVisible(false);
  } else {
    DrawLinkMarkers();
  }

  if (Pref.WorldAutoComplete < 0 || Pref.WorldAutoComplete > 1) Pref.WorldAutoComplete = 1;
  AutoCheck->SetValue(Pref.WorldAutoComplete);
}

void WorldFrm::HideLinkMarkers() {
  for (ImageBox* marker : DotImg) marker->SetVisible(false);
  for (ImageBox* marker : TeleportImg) marker->SetVisible(false);
}

void WorldFrm::DrawLinkMarkers() {
  LayerShown = {false, false, false};
  if (WorldEditMode == 2) LayerShown[1] = true;
  if (WorldEditMode == 3) LayerShown = {true, true, true};

  const int count = std::min<int>(World.LinkCount, static_cast<int>(World.Links.size()) - 1);
  if (count <= 0) {
    HideLinkMarkers();
    return;
  }

  for (int i = 1; i <= count; ++i) {
    const WorldLink& link = World.Links[static_cast<size_t>(i)];
    const bool inView = link.X >= ViewLeft && link.X <= ViewRight && link.Y >= ViewTop && link.Y <= ViewBottom;
    int picture = 0;
    std::string tip;
    if (inView) {
      switch (link.LinkType) {
        case 2:
          if (LayerShown[1]) {
            picture = kLevelLinkPicture;
            tip = "Map = " + link.LevelLinkName;
          }
          break;
        case 3:
          picture = kMessagePicture;
          tip = "Message: " + link.Message;
          break;
        case 4:
          if (LayerShown[1]) {
            picture = kTeleportPicture;
            tip =
                "Teleport to X:" + FormatInt(link.DestX) + " Y:" + FormatInt(link.DestY) + ", Message:" + link.Message;
          }
          break;
        case 5:
          picture = kInvisiblePicture;
          tip = "Invisible Teleport to X:" + FormatInt(link.DestX) + " Y:" + FormatInt(link.DestY);
          break;
        default:
          break;  // no marker for a link without a type or a comment, also when it had one before
      }
    }
    if (picture == 0) {
      if (i < static_cast<int>(DotImg.size())) DotImg[static_cast<size_t>(i)]->SetVisible(false);
      continue;
    }
    ImageBox* marker = Marker(i);
    const ImageBox* cell = Img[CellIndex(link.X - ViewLeft, link.Y - ViewTop)];
    marker->Move(cell->Left(), cell->Top());
    marker->SetPicture(WorldImages->Picture(picture));
    SetTip(marker, tip);
    marker->SetVisible(true);
  }
  for (size_t i = static_cast<size_t>(count) + 1; i < DotImg.size(); ++i) DotImg[i]->SetVisible(false);
}

}  // namespace yv
