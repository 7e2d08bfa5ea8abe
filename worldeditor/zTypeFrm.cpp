#include "worldeditor/zTypeFrm.h"

#include "controls/Dialog.h"
#include "model/General.h"
#include "model/Preference.h"
#include "worldeditor/LinkForm.h"
#include "worldeditor/WorldDialogs.h"
#include "worldeditor/document/YVW_Read.h"

namespace yv {

using namespace controls;

namespace {
const char* const kTypeCaptions[4] = {"Level Link", "Map Message", "Teleport", "Invisible Teleport"};
const char* const kTypeTips[4] = {"Click to select Level Link Type", "Click to select Map Message",
                                  "Click to select Teleport Link", "Click to select Invisible Teleport Link"};
}  // namespace

zTypeFrm::zTypeFrm() : Form(126, 112) {
  SetCaption("Select Link Type");
  SetFaceColor(QColor(192, 192, 192));
  for (int i = 0; i < 4; ++i) {
    Label* box = new Label(this, 6, 6 + 19 * i, 114, 17, kTypeCaptions[i]);
    box->SetBackColor(Qt::white);
    box->SetAlignment(Align::Center);
    box->SetBold(true);
    box->SetToolTip(kTypeTips[i]);
    box->SetMousePointer(Pointer::Hand);
    box->Click = [this, i] { TypeBox_Click(i); };
    TypeBox[i] = box;
  }
  CancelCmd = new Button(this, 28, 85, 70, 21, "Cancel");
  CancelCmd->SetToolTip("Cancel Link Type Selection");
  CancelCmd->Click = [this] { CancelCmd_Click(); };
}

zTypeFrm::~zTypeFrm() = default;

zTypeFrm* zTypeFrm::Instance() { return OpenDialog<zTypeFrm>(); }

void zTypeFrm::Form_Load() {
  PlaceByFormIndex(kFormZTypeFrm);
  // Whatever closes the picker other than a type's click leaves no choice.
  SelectedLinkType = -1;
}

// The wait ends through the unload (see OpenZTypeFrm), whichever way the picker closes.
void zTypeFrm::Form_Unload() { StorePlace(kFormZTypeFrm); }

void zTypeFrm::TypeBox_Click(int index) {
  if (index < 0 || index >= static_cast<int>(TypeBox.size())) return;
  SelectedLinkType = static_cast<int16_t>(index + 2);
  Unload();
}

void zTypeFrm::CancelCmd_Click() {
  SelectedLinkType = -1;
  Unload();
}

void OpenZTypeFrm() {
  // Over the link editor, which stays enabled: the picker holds nothing, and
  // its unload ends ShowZTypeDialog's wait. Shown over the editor, it also
  // closes with the editor.
  ShowDialog<zTypeFrm>({LinkForm::Instance(), OwnerUse::LeaveEnabled, true});
}

}  // namespace yv
