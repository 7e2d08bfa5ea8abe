// The map view: the whole-window redraw, the map redraw and the marker blink.
#include <algorithm>
#include <cmath>

#include "controls/RedrawGuard.h"
#include "leveleditor/MainFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"

namespace yv {

using controls::ImageBox;
using controls::RedrawGuard;

namespace {

// The window position of a level position in view: the origin of the first
// cell plus the level offset scaled by the cell pitch (34 pixels per 32).
// Rounded to whole pixels and kept within 16 bits, as the marker slots hold them.
int16_t MarkerLeft(int x, int viewLeft) {
  double v = MainFrm::kCellLeft + (static_cast<double>(x) - viewLeft) * MainFrm::kCellPitch / 32.0;
  return static_cast<int16_t>(std::clamp(std::nearbyint(v), -32768.0, 32767.0));
}
int16_t MarkerTop(int y) {
  double v = MainFrm::kCellTop + static_cast<double>(y) * MainFrm::kCellPitch / 32.0;
  return static_cast<int16_t>(std::clamp(std::nearbyint(v), -32768.0, 32767.0));
}

// Int() of the level editor: the largest whole number not above a / b.
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

void MainFrm::UpdateDisplay() {
  FileNameBox->SetCaption(Pref.LastLevelFile + "   [Level Width = " + FormatInt(Level.Width) + "]");
  UpdateObjectListScroll();
  switch (EditMode) {
    case kModeTiles:
    case kModeFavorites:
      ObjectFrame->SetVisible(false);
      BGUFrame->SetVisible(false);
      TileFrame->SetVisible(true);
      UpdateTilePalette();
      break;
    case kModeBadGuys:
      TileFrame->SetVisible(false);
      BGUFrame->SetVisible(false);
      ObjectFrame->SetVisible(true);
      UpdateKindPanel();
      break;
    case kModeBadGuyList:
      TileFrame->SetVisible(false);
      ObjectFrame->SetVisible(false);
      BGUFrame->SetVisible(true);
      UpdateObjectList();
      break;
    default:
      break;
  }
  DrawMap();
}

void MainFrm::DrawMap() {
  if (!LevelLoaded) return;
  // A redraw can run nested inside another (a new scroll maximum below the
  // value moves the value, whose change redraws); the outer one keeps the flag.
  const RedrawGuard drawing(this, Updating);

  // The range first: setting it can move the value (and redraw, nested), so
  // the view bounds are read only afterwards. A level narrower than the view
  // has no columns to scroll to.
  MapXScroll->SetMax(std::max(0, Level.Width - 18));
  const int first = MapXScroll->Value();
  const int viewLeft = first * 32;
  const int viewRight = viewLeft + 576;

  // Reset marker: the first reset point in view, in list order.
  if (Pref.ShowResetPoints <= 0 || Level.ResetCount <= 0) {
    ResetImg->SetVisible(false);
  } else {
    for (int i = 1; i <= Level.ResetCount && i < static_cast<int>(Level.ResetPoints.size()); ++i) {
      const ResetPoint& p = Level.ResetPoints[i];
      int cx = FloorDiv(p.X, 32);
      int cy = FloorDiv(p.Y, 32);
      if (cx >= first && cx <= first + 17 && cy >= 0 && cy <= 14) {
        ImageBox* cell = Img[CellIndex(cx - first, cy)];
        ResetImg->Move(cell->Left(), cell->Top());
        ResetTipIndex = static_cast<int16_t>(i);
        ResetTipX = p.X;
        ResetTipY = p.Y;
        ResetImg->SetVisible(true);
        break;
      }
      ResetImg->SetVisible(false);
    }
  }

  // Cells; the load's last redraw gives them their pictures.
  for (int r = 0; r < 15 && !holdPictures_; ++r) {
    for (int c = 0; c < 18; ++c) {
      const int x = first + c;
      int t = 0;
      switch (CurrentLayer) {
        case kLayerBackground: t = Level.BackgroundTM.Get(x, r); break;
        case kLayerInteractive: t = Level.InteractiveTM.Get(x, r); break;
        case kLayerForeground: t = Level.ForegroundTM.Get(x, r); break;
        case kLayerAll:
          t = Level.ForegroundTM.Get(x, r);
          if (t == 0) t = Level.InteractiveTM.Get(x, r);
          if (t == 0) t = Level.BackgroundTM.Get(x, r);
          break;
        default: break;
      }
      if (t < 1 || t > kTileCount) t = 0;
      ImageBox* cell = Img[CellIndex(c, r)];
      if (t != 0) {
        cell->SetPicture(BlockImgList->Picture(t));  // a larger picture reaches over the next cells
      } else if (Pref.ShowGrid != 0) {
        cell->SetPicture(BlockImgList->Picture(kTileCount));
      } else {
        cell->SetPicture(QPixmap());
      }
      // Each cell is repainted with the next pass of the event loop: the
      // whole view appears at once, and a drag stays smooth.
    }
  }

  // Object markers: none in tile mode on a single layer.
  int k = 0;
  if (EditMode != kModeTiles || CurrentLayer == kLayerAll) {
    for (int i = 1; i <= Level.ObjectCount && i < static_cast<int>(Level.Objects.size()) && k < 32; ++i) {
      const LevelObject& o = Level.Objects[i];
      if (o.X < viewLeft || o.X >= viewRight) continue;
      BadGuyImageSlot& slot = BadGuyImageSlots[k];
      slot.ObjectIndex = static_cast<int16_t>(i);
      slot.ImageIndex = static_cast<int16_t>(o.Kind + 1);
      slot.Left = MarkerLeft(o.X, viewLeft);
      slot.Top = MarkerTop(o.Y);
      BGImg[k]->Move(slot.Left, slot.Top);
      if (!holdPictures_) BGImg[k]->SetPicture(BadGuysList->Picture(o.Kind + 1));
      BGImg[k]->SetVisible(true);
      MarkerBlink[k] = (i == SelectedObject) ? 1 : 0;
      ++k;
    }
  }
  for (int j = k; j < 32; ++j) {
    BadGuyImageSlots[j].ObjectIndex = -1;
    BadGuyImageSlots[j].Left = -32;
    BadGuyImageSlots[j].Top = -32;
    BGImg[j]->SetVisible(false);
  }

  // Start marker, in every mode and layer.
  if (Level.StartPosX >= viewLeft && Level.StartPosX < viewRight) {
    ZunboImage->Move(MarkerLeft(Level.StartPosX, viewLeft), MarkerTop(Level.StartPosY));
    ZunboImage->SetVisible(true);
  } else {
    ZunboImage->SetVisible(false);
  }

  GridBackBox->SetVisible(Pref.ShowGrid == 0);
}

void MainFrm::BGTimer_Timer() {
  BlinkPhase = BlinkPhase == 0 ? 1 : 0;
  for (int i = 0; i < 32; ++i) BGImg[i]->SetBorderStyle(MarkerBlink[i] != 0 && BlinkPhase == 1 ? 1 : 0);
}

void MainFrm::ResetMarkerBlink() {
  MarkerBlink.fill(0);
  BlinkPhase = 0;
}

void MainFrm::MapXScroll_Change() { UpdateDisplay(); }
void MainFrm::MapXScroll_Scroll() { UpdateDisplay(); }

}  // namespace yv
