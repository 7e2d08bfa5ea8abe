// The toolbar commands and the level file routines of the main window.
#include <QPointer>

#include "leveleditor/Dialogs.h"
#include "leveleditor/MainFrm.h"
#include "model/BuildLock.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Info.h"
#include "model/YVE_Main.h"
#include "model/YVE_Read.h"
#include "model/YVE_Write.h"
#include "platform/FileSystem.h"
#include "platform/System.h"
#include "worldeditor/WorldFrm.h"

namespace yv {

using platform::kCriticalOk;
using platform::kQuestionYesNoCancel;
using platform::kYes;

namespace {

// A level file chosen as both level file dialogs choose it; nothing on Cancel.
// Saving over the level's own file asks nothing.
std::optional<std::string> ChooseLevelFile(platform::CommonDialog& cd, platform::FileDialogMode mode) {
  return platform::ChooseFile(cd, mode, "*.yvl|*.yvl", UserLevelsDir, Pref.LastLevelFile, Pref.LastLevelFile);
}

// A name that can stand as one folder name: not empty after trimming, not
// "." or "..", and none of the characters a folder name cannot hold.
bool IsValidFolderName(const std::string& name) {
  std::string t = Trim(name);
  if (t.empty() || t == "." || t == "..") return false;
  for (unsigned char ch : name)
    if (ch < 32 || std::string_view("\\/:*?\"<>|").find(static_cast<char>(ch)) != std::string_view::npos) return false;
  return true;
}

}  // namespace

void MainFrm::TB_ButtonClick(int index) {
  switch (index) {
    case 2:
      LoadLevelDialog();
      break;
    case 4:
      CreateLevelCommand();
      break;
    case 5:
      CreateLevelSet();
      break;
    case 7:
      SaveLevelCommand();
      break;
    case 8:
      SaveLevelDialog();
      break;
    case 10:
      OpenVarsFrm();
      break;
    case 11:
      // The window builds the level text as it opens; while a save is
      // building its text, a second build has to wait for another click.
      if (BuildInProgress()) break;
      OpenZunboTextFrm();
      break;
    case 13:
      OpenWorldFrm(*this);
      break;
    case 15:
      OpenHelpFrm();
      break;
    case 17:
      Close();  // refused while "Create Set" waits for its dialog
      break;
    default:
      break;  // separators and unknown buttons
  }
}

bool MainFrm::AskToSaveLevel() {
  if (!LevelChanged || !LevelLoaded) return true;
  return AskToSaveChanges("Save Level Changes?", "Level Changed", [this] { return SaveLevelCommand(); });
}

void MainFrm::CreateLevelCommand() {
  if (!AskToSaveLevel()) return;
  if (LevelLoaded) {
    int answer =
        ShowMsgBox("Create a new level from scratch?" + CrLf + "Creating will erase current level if not saved first!",
                   kQuestionYesNoCancel, "Create New Level");
    if (answer != kYes) return;
  }
  if (!CreateNewLevel(GetDirectoryPart(Pref.LastLevelFile))) {
    ShowMsgBox("User Terminated or" + CrLf + "Disk Error Occured!", kCriticalOk, "Yorvane Level Creation Error");
    return;
  }
  UpdateDisplay();
  OpenVarsFrm();
}

// Writes the level with the window's input held back: the writer runs the
// event pump, and a command taken meanwhile would change the level, or start
// a second build, while the file text is being built. The result's box is
// left to the caller, which puts its caption and pointer back first.
SaveResult MainFrm::WriteLevelHoldingInput() {
  QPointer<MainFrm> self(this);
  const InputHold hold(this);
  platform::DoEvents();
  if (!self) return {};
  return SaveLevelFile(Pref.LastLevelFile);
}

bool MainFrm::SaveLevelCommand() {
  // Without a level there is nothing to save, and an unreadable file that the
  // start-up failed to open must not be overwritten by an empty level.
  if (!LevelLoaded) return false;
  QPointer<MainFrm> self(this);
  SetCaption("Saving " + Pref.LastLevelFile + "...");
  SetMousePointer(controls::Pointer::Hourglass);
  const SaveResult saved = WriteLevelHoldingInput();
  if (!self) return false;
  SetMousePointer(controls::Pointer::Default);
  SetCaption(WindowTitle);
  saved.Report();
  return saved.Done();
}

void MainFrm::LoadLevelDialog() {
  if (!AskToSaveLevel()) return;
  std::optional<std::string> chosen = ChooseLevelFile(CD, platform::FileDialogMode::Open);
  if (!chosen) return;  // Cancel ends the command without a message
  std::string previousPath = Pref.LastLevelFile;
  int previousValue = MapXScroll->Value();
  Pref.LastLevelFile = *chosen;
  MapXScroll->SetValue(0);
  if (!LoadPrefMap()) {
    // The failed read changed nothing; the view goes back to where it was.
    Pref.LastLevelFile = previousPath;
    MapXScroll->SetValue(previousValue);
    UpdateDisplay();
  }
}

void MainFrm::SaveLevelDialog() {
  if (!LevelLoaded) return;
  QPointer<MainFrm> self(this);
  std::optional<std::string> chosen = ChooseLevelFile(CD, platform::FileDialogMode::Save);
  if (!chosen) return;
  // The write goes to the chosen name, which stays the level's only once the
  // file holds the level: a level never names a file it could not write.
  const std::string previousPath = Pref.LastLevelFile;
  Pref.LastLevelFile = *chosen;
  SetMousePointer(controls::Pointer::Hourglass);
  const SaveResult saved = WriteLevelHoldingInput();
  if (!saved.Done()) Pref.LastLevelFile = previousPath;
  if (!self) return;
  // The label names the file that "Save Level" writes from now on.
  if (saved.Done()) ShowFileName();
  SetMousePointer(controls::Pointer::Default);
  platform::DoEvents();
  if (self) saved.Report();
}

bool MainFrm::LoadPrefMap() {
  // What a failed read must leave as it was.
  LevelData previousLevel = Level;
  std::array<int16_t, kBadGuyKindCount> previousCounts{};
  for (int k = 0; k < kBadGuyKindCount; ++k) previousCounts[k] = BadGuyKinds[k].Count;
  SubsetInfo previousSubset = CurrentSubset;
  int previousMax = MapXScroll->Max();
  int previousValue = MapXScroll->Value();
  std::string previousPath = Pref.LastLevelFile;

  Level.ObjectCount = 0;
  Level.ResetCount = 0;
  bool read = ReadLevelFile(Pref.LastLevelFile);
  if (!read) {
    Level = std::move(previousLevel);
    for (int k = 0; k < kBadGuyKindCount; ++k) BadGuyKinds[k].Count = previousCounts[k];
    CurrentSubset = previousSubset;
    MapXScroll->SetMax(previousMax);
    MapXScroll->SetValue(previousValue);
    Pref.LastLevelFile = previousPath;
  }
  ShowFileName();
  UpdateDisplay();
  return read;
}

void MainFrm::ShowFileName() {
  FileNameBox->SetCaption(Pref.LastLevelFile + "   [Level Width = " + FormatInt(Level.Width) + "]");
}

void MainFrm::CreateLevelSet() {
  if (creatingSet_) return;  // a second "Create Set" while the first waits for its dialog
  if (!AskToSaveLevel()) return;
  if (ShowMsgBox("Do you wish to start a new Yorvane Level Set?", kQuestionYesNoCancel, "Create New Level Set") != kYes)
    return;
  std::string name = platform::InputBox("Enter Yorvane Level Set Name", "Creating A New Level Set");
  if (name.empty()) return;
  if (!IsValidFolderName(name)) {
    ShowMsgBox("The Name Specified is not a valid folder name!", kCriticalOk, "Level Set Creation Error");
    return;
  }
  if (InfoFileExists(name)) {
    ShowMsgBox("The Name Specified already exists!", kCriticalOk, "Level Set Creation Error");
    return;
  }

  QPointer<MainFrm> self(this);
  creatingSet_ = true;
  bool confirmed = ShowNewInfoDialog();
  if (!self) return;  // the window went away during the wait
  creatingSet_ = false;
  if (!confirmed) return;

  std::string folder = UserLevelsDir;
  if (folder.empty() || folder.back() != '\\') folder += "\\";
  folder += name;
  // A folder of that name without an info file is taken as it is.
  if (!platform::Fs().FolderExists(folder) && !platform::Fs().MakeFolder(folder)) {
    ShowMsgBox("The Level Set folder could not be created!", kCriticalOk, "Level Set Creation Error");
    return;
  }
  std::string infoPath = folder.back() == '\\' ? folder + "info" : folder + "\\info";
  if (!WriteInfoFile(infoPath)) return;  // its box tells why
  if (!CreateNewLevel(folder)) {
    ShowMsgBox("User Terminated or" + CrLf + "Disk Error Occured!", kCriticalOk, "Yorvane Level Creation Error");
    return;
  }
  UpdateDisplay();
  OpenVarsFrm();
}

}  // namespace yv
