#include "leveleditor/NewInfoFrm.h"

#include "controls/Dialog.h"
#include "leveleditor/Dialogs.h"
#include "leveleditor/MainFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "platform/Ui.h"

namespace yv {
namespace {
const QColor kBlue(0, 0, 255);
const QColor kCyan(0, 255, 255);
}  // namespace

using namespace controls;

NewInfoFrm::NewInfoFrm() : Form(360, 97) {
  SetCaption("Yorvane Level Set INFO Data");
  SetBackColor(kBlue);

  TitleLabel = new Label(this, 8, 14, 56, 17, "Title");
  TitleBox = new TextBox(this, 66, 12, 283, 19);
  DescLabel = new Label(this, 8, 40, 56, 17, "Description");
  DescBox = new TextBox(this, 66, 38, 283, 19);
  for (Label* label : {TitleLabel, DescLabel}) label->SetForeColor(kCyan);
  CreateCmd = new Button(this, 8, 68, 59, 21, "Create");
  CancelCmd = new Button(this, 292, 68, 59, 21, "Cancel");

  TitleBox->Change = [this] { TitleBox_Change(); };
  DescBox->Change = [this] { DescBox_Change(); };
  CreateCmd->Click = [this] { CreateCmd_Click(); };
  CancelCmd->Click = [this] { CancelCmd_Click(); };
}

NewInfoFrm::~NewInfoFrm() = default;

NewInfoFrm* NewInfoFrm::Instance() { return OpenDialog<NewInfoFrm>(); }

void NewInfoFrm::Form_Load() {
  PlaceByFormIndex(kFormNewInfoFrm);
  NewSubset.Title.clear();
  NewSubset.Description.clear();
  UpdateInfoDisplay();
}

void NewInfoFrm::Form_Unload() { StorePlace(kFormNewInfoFrm); }

void NewInfoFrm::UpdateInfoDisplay() {
  TitleBox->SetText(NewSubset.Title);
  DescBox->SetText(NewSubset.Description);
}

void NewInfoFrm::TitleBox_Change() { NewSubset.Title = TitleBox->Text(); }

void NewInfoFrm::DescBox_Change() { NewSubset.Description = DescBox->Text(); }

void NewInfoFrm::CreateCmd_Click() {
  if (Trim(TitleBox->Text()).empty()) {
    ShowMsgBox("Title has not been entered!", platform::kExclamationOk, "INFO Create Error");
    return;
  }
  if (Trim(DescBox->Text()).empty()) {
    ShowMsgBox("Description has not been entered!", platform::kExclamationOk, "INFO Create Error");
    return;
  }
  // The whole record, so the new set starts without the comment of the set shown before.
  CurrentSubset = NewSubset;
  NewInfoResult = true;
  Unload();
}

void NewInfoFrm::CancelCmd_Click() {
  NewInfoResult = false;
  Unload();
}

void OpenNewInfoFrm() {
  // The main window stays enabled while "Create Set" waits for the dialog;
  // the dialog's unload, whichever way it closes, ends that wait.
  ShowDialog<NewInfoFrm>({MainFrm::Instance(), OwnerUse::LeaveEnabled, true});
}


}  // namespace yv
