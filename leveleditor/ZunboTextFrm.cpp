#include "leveleditor/ZunboTextFrm.h"

#include <QPointer>

#include "controls/Dialog.h"
#include "leveleditor/Dialogs.h"
#include "leveleditor/MainFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Info.h"
#include "model/YVE_Main.h"
#include "model/YVE_Write.h"
#include "platform/Ui.h"

namespace yv {
using namespace controls;

ZunboTextFrm::ZunboTextFrm() : Form(749, 430) {
  SetCaption("Yorvane Level Text Data");
  Label1 = new Label(this, 6, 0, 120, 14, "INFO File");
  InfoNameBox = new Label(this, 6, 14, 541, 17);
  InfoNameBox->SetBold(true);
  InfoNameBox->SetToolTip("Click to Open an INFO File.");
  InfoNameBox->SetMousePointer(Pointer::Hand);
  WriteInfoCmd = new Button(this, 560, 6, 123, 21, "Save INFO Changes");
  CloseCmd = new Button(this, 690, 6, 53, 21, "Close");
  InfoBox = new TextBox(this, 6, 32, 737, 113, true);
  Label2 = new Label(this, 6, 152, 120, 14, "Level Text Data");
  DataBox = new TextBox(this, 6, 168, 737, 255, true);
  DataBox->SetLocked(true);  // nothing could save what was typed there

  InfoNameBox->Click = [this] { InfoNameBox_Click(); };
  WriteInfoCmd->Click = [this] { WriteInfoCmd_Click(); };
  CloseCmd->Click = [this] { CloseCmd_Click(); };
}

ZunboTextFrm::~ZunboTextFrm() = default;

ZunboTextFrm* ZunboTextFrm::Instance() { return OpenDialog<ZunboTextFrm>(); }

void ZunboTextFrm::Form_Load() {
  PlaceByFormIndex(kFormZunboTextFrm);
  InfoPath = Pref.LastInfoFile.empty() ? Pref.LastLevelFile : Pref.LastInfoFile;
  InfoNameBox->SetCaption(InfoPath);
  // A missing info file leaves the set record as it was, which is then shown.
  ReadInfoFile(InfoPath);
  QPointer<ZunboTextFrm> self(this);
  UseCrLfLineEnds();
  // A build refused because another one runs leaves its box empty rather
  // than showing an older text as this level's.
  const bool info = BuildInfoText();
  const bool level = BuildLevelText();  // runs the event pump row by row
  if (!self || IsUnloaded()) return;
  if (info) InfoBox->SetText(InfoText);
  if (level) DataBox->SetText(LevelText);
}

void ZunboTextFrm::Form_Unload() {
  StorePlace(kFormZunboTextFrm);
  Pref.LastInfoFile = InfoPath;
}

void ZunboTextFrm::CloseCmd_Click() { Unload(); }

void ZunboTextFrm::InfoNameBox_Click() {
  std::optional<std::string> chosen = platform::ChooseFile(platform::SharedFileDialog(), platform::FileDialogMode::Open,
                                                           "info|info", GetDirectoryPart(InfoPath), "");
  if (!chosen) return;  // Cancel leaves everything as it was
  InfoPath = *chosen;
  InfoNameBox->SetCaption(InfoPath);
  ReadInfoFile(InfoPath);
  UseCrLfLineEnds();
  if (BuildInfoText()) InfoBox->SetText(InfoText);
}

void ZunboTextFrm::WriteInfoCmd_Click() {
  // What is saved is what InfoBox shows: its text, read as an info file,
  // becomes the set record, which is written with LF line ends in the
  // writer's layout. The old file stays whole until the new one has been
  // completely written, so the look-up and delete that came before the
  // write are no longer needed: this is the info writer itself.
  if (!ReadInfoText(InfoBox->Text())) {
    ShowMsgBox("Error Saving INFO Data!" + CrLf + "The text is not a valid level-set info file.", platform::kCriticalOk,
               "YV_Editor - Save INFO");
    return;
  }
  WriteInfoFile(GetDirectoryPart(InfoPath) + "info");  // its box tells how it went
}

void OpenZunboTextFrm() {
  // The main window is held from before the load on: the load builds the
  // level text and runs the event pump meanwhile.
  ShowDialog<ZunboTextFrm>({MainFrm::Instance(), OwnerUse::DisableWithHourglass});
}

}  // namespace yv
