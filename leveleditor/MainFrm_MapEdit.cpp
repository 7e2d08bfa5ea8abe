// Presses, clicks and hovers on the map cells, the reset marker and the start-position pick.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "leveleditor/MainFrm.h"
#include "model/AutoComplete.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"

namespace yv {

namespace {

// Level pixel positions live in 16-bit fields; one that would not fit is
// held at the nearest bound rather than wrapped to the other end of the level.
int16_t Clamp16(long long v) { return static_cast<int16_t>(std::clamp<long long>(v, INT16_MIN, INT16_MAX)); }

TileMap* LayerMap(int layer) {
  switch (layer) {
    case kLayerBackground:
      return &Level.BackgroundTM;
    case kLayerInteractive:
      return &Level.InteractiveTM;
    case kLayerForeground:
      return &Level.ForegroundTM;
    default:
      return nullptr;
  }
}

// True when (column, row) is a cell of the level that all three layers hold.
// A level read with a width but without (or with too narrow) tile maps, or
// a view reaching past the level's last column, has cells that are drawn
// empty but belong to no map; edits and read-outs leave them alone.
bool LevelCovers(int column, int row) {
  if (column < 0 || column >= Level.Width || row < 0 || row > 14) return false;
  return Level.BackgroundTM.Contains(column, row) && Level.InteractiveTM.Contains(column, row) &&
         Level.ForegroundTM.Contains(column, row);
}

// The tile a cell shows on the current layer; with all layers the topmost non-empty one.
int16_t ShownTile(int column, int row) {
  if (CurrentLayer == kLayerAll) {
    int16_t t = Level.ForegroundTM.Get(column, row);
    if (t > 0) return t;
    t = Level.InteractiveTM.Get(column, row);
    if (t > 0) return t;
    return Level.BackgroundTM.Get(column, row);
  }
  const TileMap* map = LayerMap(CurrentLayer);
  return map ? map->Get(column, row) : 0;
}

struct CellPlace {
  int column = 0;  // view column 0..17
  int row = 0;     // 0..14
  int x = 0;       // level column
};

CellPlace PlaceOf(int index, int firstColumn) {
  CellPlace p;
  p.column = index / 15;
  p.row = index - 15 * p.column;
  p.x = firstColumn + p.column;
  return p;
}

}  // namespace

void MainFrm::Img_MouseDown(int index, int button, int, int X, int Y) {
  if (index < 0 || index >= static_cast<int>(Img.size())) return;
  const CellPlace cell = PlaceOf(index, MapXScroll->Value());

  if (EditMode == kModeBadGuys) {
    if (SelectedBadGuyKind < 0 || SelectedBadGuyKind >= kBadGuyKindCount) return;
    // Without any level the object is still placed (the click that follows
    // reports the missing level); with a level, only on its own cells.
    if (Level.Width != 0 && !LevelCovers(cell.x, cell.row)) return;
    if (Level.ObjectCount >= INT16_MAX) return;  // the count could not hold one more
    LevelObject& o = AppendObject();
    o.Kind = SelectedBadGuyKind;
    o.Name = BadGuyFileNames[o.Kind];
    o.StayOnPlatform = 0;
    o.X = Clamp16(static_cast<long long>(cell.x) * 32 + X);
    o.Y = Clamp16(static_cast<long long>(cell.row) * 32 + Y);
    if (BadGuyKinds[o.Kind].Count < INT16_MAX) ++BadGuyKinds[o.Kind].Count;
    LevelChanged = true;
    UpdateDisplay();
    return;
  }
  if (EditMode != kModeTiles) return;
  if (!LevelLoaded || !LevelCovers(cell.x, cell.row)) return;

  if (button == 1) {
    // The press paints at once; the click that follows paints again and
    // completes the piece, so a press released elsewhere leaves a lone tile.
    if (SelectingStartPos || SelectedTile == ResetPointTile) return;
    TileMap* map = LayerMap(CurrentLayer);
    if (!map || map->Get(cell.x, cell.row) == SelectedTile) return;
    map->Set(cell.x, cell.row, SelectedTile);
    LevelChanged = true;
    UpdateDisplay();
  } else if (button == 2) {
    // The pick: also in pick mode and with the reset-point tool, which the
    // picked tile replaces. With all layers shown the selection stays.
    if (const TileMap* map = LayerMap(CurrentLayer)) SelectedTile = map->Get(cell.x, cell.row);
    ScrollPaletteToTile();
  }
}

void MainFrm::Img_Click(int index) {
  if (Level.Width == 0) {
    ShowMsgBox("You must create the level first!" + CrLf + "Use the File menu to create a new set or level.",
               platform::kCriticalOk, "No Level Width Specified");
    return;
  }
  if (index < 0 || index >= static_cast<int>(Img.size())) return;
  const CellPlace cell = PlaceOf(index, MapXScroll->Value());
  if (!LevelCovers(cell.x, cell.row)) return;

  if (SelectingStartPos) {
    SetLevelField(Level.StartPosX, Clamp16(static_cast<long long>(cell.x) * 32));
    SetLevelField(Level.StartPosY, Clamp16(static_cast<long long>(cell.row) * 32));
    SetZunboCmd->SetCaption("Set Starting Position");
    SetMousePointer(controls::Pointer::Default);
    UpdateDisplay();
    SelectingStartPos = false;
    return;
  }
  if (EditMode != kModeTiles) return;

  if (SelectedTile == ResetPointTile) {
    if (Level.ResetCount >= 1) {
      // In 32 bits: (x + 10) * 32 passes 32767 in the last columns of the widest levels.
      const int lo = (cell.x - 10) * 32;
      const int hi = (cell.x + 10) * 32;
      const int last = std::min<int>(Level.ResetCount, static_cast<int>(Level.ResetPoints.size()) - 1);
      for (int i = 1; i <= last; ++i) {
        const int px = Level.ResetPoints[i].X;
        if (lo < px && px < hi) {
          ShowMsgBox("Another reset point is within 10 tiles", platform::kExclamationOk, "Reset Point Setting Error");
          return;
        }
      }
    }
    if (Level.ResetCount >= INT16_MAX) return;
    ResetPoint& p = AppendResetPoint();
    LevelChanged = true;
    p.X = Clamp16(static_cast<long long>(cell.x) * 32);
    p.Y = Clamp16(static_cast<long long>(cell.row) * 32);
    // The marker tile goes on the cell above, on the first of the two upper
    // layers that is free there; the background is never touched.
    if (cell.row >= 1) {
      if (Level.InteractiveTM.Get(cell.x, cell.row - 1) == 0)
        Level.InteractiveTM.Set(cell.x, cell.row - 1, 81);
      else if (Level.ForegroundTM.Get(cell.x, cell.row - 1) == 0)
        Level.ForegroundTM.Set(cell.x, cell.row - 1, 81);
    }
    UpdateDisplay();
    return;
  }

  if (TileMap* map = LayerMap(CurrentLayer)) {
    map->Set(cell.x, cell.row, SelectedTile);
    LevelChanged = true;
    if (Pref.AutoCompleteClouds == 1) {
      const int16_t x = static_cast<int16_t>(cell.x);
      const int16_t r = static_cast<int16_t>(cell.row);
      switch (CurrentLayer) {
        case kLayerBackground:
          AutoCompleteBackground(SelectedTile, x, r);
          break;
        case kLayerInteractive:
          AutoCompleteInteractive(SelectedTile, x, r);
          break;
        case kLayerForeground:
          AutoCompleteForeground(SelectedTile, x, r);
          break;
        default:
          break;
      }
    }
  }
  UpdateDisplay();
}

void MainFrm::Img_MouseMove(int index, int, int, int X, int Y) {
  if (!LevelLoaded) return;
  if (index < 0 || index >= static_cast<int>(Img.size())) return;
  const CellPlace cell = PlaceOf(index, MapXScroll->Value());
  if (!LevelCovers(cell.x, cell.row)) return;
  const int16_t t = ShownTile(cell.x, cell.row);
  std::string tip = "Index = " + FormatInt(index) + ", Column = " + FormatInt(cell.x) +
                    ", Row = " + FormatInt(cell.row) + ", Tile # " + FormatInt(t);
  if (t == 77 || t == 78)
    tip += " (Breakable Block)";
  else if (t == 112)
    tip += " (Invisible Block)";
  Img[index]->SetToolTip(tip);
  // The read-outs show the position a press would store.
  ColBox->SetCaption(FormatInt(cell.x) + " ");
  RowBox->SetCaption(FormatInt(cell.row) + " ");
  XBox->SetCaption(FormatInt(Clamp16(static_cast<long long>(cell.x) * 32 + X)) + " ");
  YBox->SetCaption(FormatInt(Clamp16(static_cast<long long>(cell.row) * 32 + Y)) + " ");
}

void MainFrm::ResetImg_MouseMove(int, int, int, int) {
  ResetImg->SetToolTip("Reset Point: Index = " + FormatInt(ResetTipIndex) + ", X = " + FormatInt(ResetTipX) +
                       ", Y = " + FormatInt(ResetTipY));
}

void MainFrm::SetZunboCmd_Click() {
  DummyCmd->SetFocus();
  if (SelectingStartPos) {
    SelectingStartPos = false;
    SetZunboCmd->SetCaption("Set Starting Position");
    SetMousePointer(controls::Pointer::Default);
  } else {
    SelectingStartPos = true;
    SetZunboCmd->SetCaption("Select Desired Zunbo Position");
    SetMousePointer(controls::Pointer::Custom, ZunboIcon->Picture());
  }
}

void MainFrm::AutoCompleteBackground(int16_t tile, int16_t column, int16_t row) {
  CompletePiece(Level.BackgroundTM, tile, column, row, Level.Width);
}

void MainFrm::AutoCompleteInteractive(int16_t tile, int16_t column, int16_t row) {
  CompletePiece(Level.InteractiveTM, tile, column, row, Level.Width);
}

void MainFrm::AutoCompleteForeground(int16_t tile, int16_t column, int16_t row) {
  CompletePiece(Level.ForegroundTM, tile, column, row, Level.Width);
}

}  // namespace yv
