// The bad-guy kind panel, the used-objects list and the map markers' presses.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "controls/RedrawGuard.h"
#include "leveleditor/Dialogs.h"
#include "leveleditor/MainFrm.h"
#include "model/General.h"
#include "model/YVE_Main.h"

namespace yv {

namespace {

// The object that number n names, or nullptr when it names none.
LevelObject* ObjectNumber(int n) {
  if (n < 1 || n > Level.ObjectCount || n >= static_cast<int>(Level.Objects.size())) return nullptr;
  return &Level.Objects[n];
}

const std::string& KindName(int kind) {
  static const std::string none;
  return kind >= 0 && kind < kBadGuyKindCount ? BadGuyKinds[kind].DisplayName : none;
}

std::string StayText(const LevelObject& o) {
  return o.StayOnPlatform != 0 ? ", Stay On Platform = YES" : ", Stay On Platform = NO";
}

// The coordinate boxes: Enter redraws the map so that the marker moves to
// the typed place.
void FilterCoordinateKey(MainFrm& frm, int& keyAscii) {
  if (controls::FilterNumberKey(keyAscii)) frm.DrawMap();
}

}  // namespace

void MainFrm::ObjSelImg_Click(int index) {
  if (index < 0 || index >= kBadGuyKindCount) return;
  SelectedBadGuyKind = static_cast<int16_t>(index);
  UpdateDisplay();
}

void MainFrm::BGUScroll_Change() { UpdateObjectList(); }
void MainFrm::BGUScroll_Scroll() { UpdateObjectList(); }

void MainFrm::BGUImg_Click(int index) {
  const int n = BGUScroll->Value() + index;
  const LevelObject* o = ObjectNumber(n);
  if (!o) return;
  SelectedObject = static_cast<int16_t>(n);
  // The object's column, to the nearest whole number with halves to the even
  // neighbour; when it is out of view it is brought ninth from the left.
  const int c = static_cast<int>(std::nearbyint(o->X / 32.0));
  const int first = MapXScroll->Value();
  if (c < first || c > first + 17) MapXScroll->SetValue(std::clamp(c - 8, 0, std::max(0, MapXScroll->Max())));
  UpdateDisplay();
}

void MainFrm::BGImg_MouseDown(int index, int button, int, int, int) {
  if (index < 0 || index >= static_cast<int>(BadGuyImageSlots.size())) return;
  const int n = BadGuyImageSlots[index].ObjectIndex;
  if (!ObjectNumber(n)) return;  // a free slot shows no object
  SelectedObject = static_cast<int16_t>(n);
  const int top = BGUScroll->Value();
  if (n < top || n > top + 8) BGUScroll->SetValue(std::clamp(n - 8, 1, std::max(1, BGUScroll->Max())));
  DelBadGuyCmd->SetVisible(true);
  EditMode = kModeBadGuyList;
  ModeOption[kModeBadGuyList]->SetValue(true);
  if (button == 2) OpenZBGEditFrm();
  UpdateDisplay();
}

void MainFrm::BGImg_MouseMove(int index, int, int, int, int) {
  if (index < 0 || index >= static_cast<int>(BadGuyImageSlots.size())) return;
  const int n = BadGuyImageSlots[index].ObjectIndex;
  const LevelObject* o = ObjectNumber(n);
  if (!o) return;
  // The marker names the object by its file-format name, the list row by its kind.
  BGImg[index]->SetToolTip("BadGuy# " + FormatInt(n) + ", " + UCase(o->Name) + ", X = " + FormatInt(o->X) +
                           ", Y = " + FormatInt(o->Y) + StayText(*o));
}

void MainFrm::StayCheck_Click(int index) {
  if (LevelObject* o = ObjectNumber(BGUScroll->Value() + index))
    SetLevelField(o->StayOnPlatform, static_cast<int16_t>(StayCheck[index]->Value() == 1 ? 1 : 0));
}

void MainFrm::BGUXBox_KeyPress(int, int& keyAscii) { FilterCoordinateKey(*this, keyAscii); }
void MainFrm::BGUYBox_KeyPress(int, int& keyAscii) { FilterCoordinateKey(*this, keyAscii); }

// An empty box, or a text that is no 16-bit number, keeps the last valid value.
void MainFrm::BGUXBox_Change(int index) {
  if (LevelObject* o = ObjectNumber(BGUScroll->Value() + index))
    if (controls::StoreNumber(BGUXBox[index], o->X)) LevelChanged = true;
}

void MainFrm::BGUYBox_Change(int index) {
  if (LevelObject* o = ObjectNumber(BGUScroll->Value() + index))
    if (controls::StoreNumber(BGUYBox[index], o->Y)) LevelChanged = true;
}

void MainFrm::DelBadGuyCmd_Click() {
  DummyCmd->SetFocus();
  const LevelObject* o = ObjectNumber(SelectedObject);
  if (!o) return;
  // Only an object placed or read under its kind's own name was ever counted;
  // one read under an unknown name carries kind 0 without being a snow ball.
  const int k = o->Kind;
  if (k >= 0 && k < kBadGuyKindCount && o->Name == BadGuyFileNames[k] && BadGuyKinds[k].Count > 0)
    --BadGuyKinds[k].Count;
  // The selection keeps its number: the object that followed is now selected.
  RemoveObject(SelectedObject);
  LevelChanged = true;
  UpdateDisplay();
}

void MainFrm::UpdateObjectListScroll() {
  if (Level.ObjectCount >= 10) {
    BGUScroll->SetEnabled(true);
    BGUScroll->SetMax(Level.ObjectCount - 8);  // a value above the new maximum comes down to it
  } else {
    BGUScroll->SetEnabled(false);
    BGUScroll->SetValue(1);
  }
}

void MainFrm::UpdateKindPanel() {
  const controls::RedrawGuard filling(this, Updating);
  for (int i = 0; i < kBadGuyKindCount; ++i) {
    ObjSelImg[i]->SetPicture(BadGuysList->Picture(i + 1));
    ObjCntBox[i]->SetCaption(FormatInt(BadGuyKinds[i].Count));
    ObjIndImg[i]->SetVisible(i == SelectedBadGuyKind);
  }
}

void MainFrm::UpdateObjectList() {
  const controls::RedrawGuard filling(this, Updating);
  TotalBGUBox->SetCaption(FormatInt(Level.ObjectCount) + " ");
  for (int i = 0; i < 9; ++i) {
    const int n = BGUScroll->Value() + i;
    BGIndImg[i]->SetVisible(n == SelectedObject);
    const LevelObject* o = LevelLoaded ? ObjectNumber(n) : nullptr;
    if (!o) {
      BGUImg[i]->SetVisible(false);
      BGUNameBox[i]->SetVisible(false);
      BGUXBox[i]->SetVisible(false);
      BGUYBox[i]->SetVisible(false);
      LabelX[i]->SetVisible(false);
      LabelY[i]->SetVisible(false);
      StayCheck[i]->SetVisible(false);
      continue;
    }
    // Copies: writing the boxes runs their handlers, which write the shown
    // values back into the object.
    const int16_t kind = o->Kind, x = o->X, y = o->Y;
    const std::string stay = StayText(*o);
    StayCheck[i]->SetValue(o->StayOnPlatform != 0 ? 1 : 0);
    BGUImg[i]->SetPicture(BadGuysList->Picture(kind + 1));
    BGUImg[i]->SetToolTip("BadGuy# " + FormatInt(n) + ", " + KindName(kind) + stay);
    BGUNameBox[i]->SetCaption(KindName(kind));
    BGUXBox[i]->SetText(FormatInt(x));
    BGUYBox[i]->SetText(FormatInt(y));
    BGUImg[i]->SetVisible(true);
    BGUNameBox[i]->SetVisible(true);
    BGUXBox[i]->SetVisible(true);
    BGUYBox[i]->SetVisible(true);
    LabelX[i]->SetVisible(true);
    LabelY[i]->SetVisible(true);
    StayCheck[i]->SetVisible(true);
  }
}

}  // namespace yv
