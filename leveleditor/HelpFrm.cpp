#include "leveleditor/HelpFrm.h"

#include "controls/Dialog.h"
#include "controls/RedrawGuard.h"
#include "leveleditor/Dialogs.h"
#include "leveleditor/MainFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/SaveFile.h"
#include "model/YVE_Main.h"
#include "platform/Paths.h"
#include "platform/TextInput.h"
#include "platform/Ui.h"

namespace yv {
namespace {
const QColor kGreen(0, 128, 0);
}  // namespace

using namespace controls;

HelpFrm::HelpFrm() : Form(608, 485) {
  SetCaption("YV_Editor Help");
  SetBackColor(kGreen);

  HelpBox = new TextBox(this, 4, 4, 599, 447, true);
  HelpBox->SetFontSize(9.75);
  SaveHelpCmd = new Button(this, 8, 458, 91, 21, "Save Help File");
  CloseCmd = new Button(this, 532, 458, 71, 21, "Close");
  // Out of sight; takes the focus before a button is hidden or the window closes.
  DummyCmd = new Button(this, -200, 600, 20, 20, "");

  HelpBox->Change = [this] { HelpBox_Change(); };
  SaveHelpCmd->Click = [this] { SaveHelpCmd_Click(); };
  CloseCmd->Click = [this] { CloseCmd_Click(); };
}

HelpFrm::~HelpFrm() = default;

HelpFrm* HelpFrm::Instance() { return OpenDialog<HelpFrm>(); }

void HelpFrm::Form_Load() {
  SaveHelpCmd->SetVisible(false);
  const RedrawGuard filling(this, Updating, AfterFill::Clear);
  PlaceByFormIndex(kFormHelpFrm);
  HelpPath = platform::ProgramFolder() + "\\YV_Editor.Help";
  // Read once per run; a file that gave no text is tried again next time.
  if (HelpText.empty()) LoadHelpFile();
  HelpBox->SetText(HelpText);
  savedText_ = HelpBox->Text();
}

void HelpFrm::LoadHelpFile() {
  HelpText.clear();
  int number = platform::FreeFile();
  if (number == 0 || !platform::OpenForInput(number, HelpPath)) return;
  // The runtime's line input: a line ends at CR or CR LF, a lone LF stays in
  // the line; every line read gets CR LF, the last one included.
  std::string line;
  while (!platform::AtEndOfFile(number) && platform::LineInput(number, line)) HelpText += line + CrLf;
  platform::CloseFile(number);
}

void HelpFrm::HelpBox_Change() {
  if (Updating) return;
  SaveHelpCmd->SetVisible(true);
}

void HelpFrm::SaveHelpCmd_Click() {
  DummyCmd->SetFocus();
  SaveHelpFile();
}

bool HelpFrm::SaveHelpFile() {
  const std::string text = HelpBox->Text();
  // Exactly the box's text, CR LF line ends as they stand; the old file is
  // replaced only once the new one has been written whole.
  const SaveResult saved = WriteText(HelpPath, SaveBox{"Error Saving Help File!", "YV_Editor - Save Help"}, text);
  // After a failure the button stays, so the user can try again once the
  // folder can be written, and the text of the next opening stays the one
  // the file holds: edits dropped at the close are gone.
  if (saved.Done()) {
    SaveHelpCmd->SetVisible(false);
    HelpText = savedText_ = text;
  }
  saved.Report();
  return saved.Done();
}

void HelpFrm::CloseCmd_Click() {
  DummyCmd->SetFocus();
  Close();  // the question about unsaved edits may keep the window open
}

bool HelpFrm::Form_QueryUnload() {
  if (HelpBox->Text() == savedText_) return true;
  return AskToSaveChanges("Save Help File Changes?", "Help Changed", [this] { return SaveHelpFile(); });
}

void HelpFrm::Form_Unload() { StorePlace(kFormHelpFrm); }

void OpenHelpFrm() { ShowDialog<HelpFrm>({MainFrm::Instance(), OwnerUse::Disable}); }

}  // namespace yv
