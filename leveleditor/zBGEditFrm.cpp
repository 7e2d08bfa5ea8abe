#include "leveleditor/zBGEditFrm.h"

#include <QPainter>
#include <algorithm>
#include <climits>

#include "controls/Dialog.h"
#include "controls/RedrawGuard.h"
#include "leveleditor/Dialogs.h"
#include "leveleditor/MainFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "pictures/Pictures.h"

namespace yv {

using namespace controls;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kGreenText(0, 255, 0);

// The object the dialog edits, or nullptr when SelectedObject names none.
LevelObject* EditedObject() {
  const int n = SelectedObject;
  if (n < 1 || n > Level.ObjectCount || n >= static_cast<int>(Level.Objects.size())) return nullptr;
  return &Level.Objects[n];
}

// The dialog's text is bold 9.75 points throughout.
template <class C>
C* Styled(C* control) {
  control->SetFontSize(9.75);
  control->SetBold(true);
  return control;
}

// The stored picture sits inside the box's border rather than against it.
QPixmap FramedPicture(const QPixmap& picture, int size) {
  QPixmap framed(size, size);
  framed.fill(Qt::transparent);
  QPainter p(&framed);
  p.drawPixmap((size - picture.width()) / 2, (size - picture.height()) / 2, picture);
  return framed;
}

void RedrawMainWindow() {
  if (MainFrm* frm = MainFrm::Instance()) frm->UpdateDisplay();
}

}  // namespace

zBGEditFrm::zBGEditFrm() : Form(284, 164) {
  SetFaceColor(QColor(192, 192, 192));

  zNameBox = Styled(new Label(this, 8, 14, 137, 21));
  zNameBox->SetBackColor(kYellow);
  zBGImg = new ImageBox(this, 156, 8, 36, 36);
  zBGImg->SetBorderStyle(1);
  // One stored picture for every kind.
  zBGImg->SetPicture(FramedPicture(pictures::Named("zbg_snowball"), 36));
  zXLabel = Styled(new Label(this, 198, 16, 12, 17, "X"));
  zXBox = Styled(new Label(this, 210, 14, 65, 19));
  zXBox->SetBackColor(kYellow);
  zYLabel = Styled(new Label(this, 198, 50, 12, 17, "Y"));
  zYBox = Styled(new Label(this, 212, 48, 63, 21));
  zYBox->SetBackColor(kYellow);
  // Laid out for a two-line caption, which the box wraps at its word break.
  zStayCheck = Styled(new CheckBox(this, 8, 44, 81, 29, "Stay on Platform"));
  zBGNumLabel = Styled(new Label(this, 92, 46, 62, 34, "BadGuy Index #"));
  zBGNumBox = Styled(new Label(this, 156, 50, 35, 23));
  zBGNumBox->SetBackColor(Qt::black);
  zBGNumBox->SetForeColor(kGreenText);
  zBGNumBox->SetAlignment(Align::Center);
  zXScrollLabel = Styled(new Label(this, 8, 86, 12, 17, "X"));
  zBGXScroll = new ScrollBar(this, 22, 84, 253, 19, Qt::Horizontal);
  zBGXScroll->SetMin(0);
  zBGXScroll->SetSmallChange(1);
  zBGXScroll->SetLargeChange(32);
  zYScrollLabel = Styled(new Label(this, 8, 112, 12, 17, "Y"));
  zBGYScroll = new ScrollBar(this, 22, 110, 253, 19, Qt::Horizontal);
  zBGYScroll->SetMin(0);
  zBGYScroll->SetSmallChange(1);
  zBGYScroll->SetLargeChange(16);
  CloseCmd = Styled(new Button(this, 216, 138, 59, 19, "Close"));

  CloseCmd->Click = [this] { CloseCmd_Click(); };
  zStayCheck->Click = [this] { zStayCheck_Click(); };
  zBGXScroll->Change = [this] { zBGXScroll_Change(); };
  zBGXScroll->Scroll = [this] { zBGXScroll_Scroll(); };
  zBGYScroll->Change = [this] { zBGYScroll_Change(); };
  zBGYScroll->Scroll = [this] { zBGYScroll_Scroll(); };
}

zBGEditFrm::~zBGEditFrm() = default;

zBGEditFrm* zBGEditFrm::Instance() { return OpenDialog<zBGEditFrm>(); }

void zBGEditFrm::Form_Load() {
  SetCaption("BadGuy Properties");
  PlaceByFormIndex(kFormZBGEditFrm);
  // In 32 bits, so a wide level read from a file gets its true range; the
  // object's fields are 16-bit, so a range ends where its field does.
  const long xMax = (static_cast<long>(Level.Width) - 1) * 32 - 1;
  const long yMax = (static_cast<long>(Level.Height) - 1) * 32 - 1;
  zBGXScroll->SetMax(static_cast<int>(std::clamp<long>(xMax, 0, INT16_MAX)));
  zBGYScroll->SetMax(static_cast<int>(std::clamp<long>(yMax, 0, INT16_MAX)));
  UpdateBadGuyDisplay();
}

void zBGEditFrm::Form_Unload() { StorePlace(kFormZBGEditFrm); }

void zBGEditFrm::UpdateBadGuyDisplay() {
  const RedrawGuard filling(this, Updating);
  if (const LevelObject* o = EditedObject()) {
    zNameBox->SetCaption(o->Kind >= 0 && o->Kind < kBadGuyKindCount ? BadGuyKinds[o->Kind].DisplayName : "");
    zBGNumBox->SetCaption(FormatInt(SelectedObject));
    zXBox->SetCaption(FormatInt(o->X));
    zYBox->SetCaption(FormatInt(o->Y));
    zStayCheck->SetValue(o->StayOnPlatform != 0 ? 1 : 0);
    // A position outside a bar's range shows at the nearer end; the object
    // keeps it until the user moves that bar.
    zBGXScroll->SetValue(o->X);
    zBGYScroll->SetValue(o->Y);
  }
}

void zBGEditFrm::CloseCmd_Click() { Unload(); }

void zBGEditFrm::zStayCheck_Click() {
  if (Updating) return;
  if (LevelObject* o = EditedObject())
    SetLevelField(o->StayOnPlatform, static_cast<int16_t>(zStayCheck->Value() == 1 ? 1 : 0));
}

void zBGEditFrm::MoveObjectX() {
  if (Updating) return;
  LevelObject* o = EditedObject();
  if (!o) return;
  SetLevelField(o->X, static_cast<int16_t>(std::clamp(zBGXScroll->Value(), INT16_MIN, INT16_MAX)));
  RedrawMainWindow();
}

void zBGEditFrm::MoveObjectY() {
  if (Updating) return;
  LevelObject* o = EditedObject();
  if (!o) return;
  SetLevelField(o->Y, static_cast<int16_t>(std::clamp(zBGYScroll->Value(), INT16_MIN, INT16_MAX)));
  RedrawMainWindow();
}

// The marker follows the thumb while it is dragged, and every arrow, track
// click or release moves it too.
void zBGEditFrm::zBGXScroll_Change() { MoveObjectX(); }
void zBGEditFrm::zBGXScroll_Scroll() { MoveObjectX(); }
void zBGEditFrm::zBGYScroll_Change() { MoveObjectY(); }
void zBGEditFrm::zBGYScroll_Scroll() { MoveObjectY(); }

void OpenZBGEditFrm() {
  bool wasOpen = false;
  zBGEditFrm* frm = ShowDialog<zBGEditFrm>({MainFrm::Instance(), OwnerUse::Disable}, &wasOpen);
  if (frm && wasOpen) frm->UpdateBadGuyDisplay();
}

}  // namespace yv
