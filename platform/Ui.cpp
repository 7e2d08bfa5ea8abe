#include "platform/Ui.h"

#include "platform/FileSystem.h"

namespace yv::platform {
namespace {

UiServices g_ui;
CommonDialog* g_shared = nullptr;  // the SharedCommonDialog that exists, if any

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

// The question of a save dialog whose chosen file exists: true to replace it.
bool MayReplace(const std::string& path) {
  const size_t slash = path.rfind('\\');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return MsgBox(name + " already exists.\r\nDo you want to replace it?", kQuestionYesNo, "Confirm Save As") == kYes;
}

void ShowFileDialog(CommonDialog& cd, bool save) {
  for (;;) {
    FileDialogRequest request{save, cd.Filter, cd.InitDir, cd.FileName, cd.DialogTitle};
    std::string chosen;
    if (!g_ui.fileDialog || !g_ui.fileDialog(request, chosen)) break;
    cd.FileName = chosen;
    // Windows paths name one file whatever the case of their letters.
    if (!save || !Fs().FileExists(chosen) || Lower(chosen) == Lower(cd.OwnFile) || MayReplace(chosen)) return;
  }
  if (cd.CancelError) throw yv::platform::CancelError();
}

}  // namespace

void CommonDialog::ShowOpen() { ShowFileDialog(*this, false); }
void CommonDialog::ShowSave() { ShowFileDialog(*this, true); }

CommonDialog& SharedFileDialog() {
  static CommonDialog spare;
  return g_shared ? *g_shared : spare;
}

SharedCommonDialog::SharedCommonDialog() { g_shared = this; }

SharedCommonDialog::~SharedCommonDialog() {
  if (g_shared == this) g_shared = nullptr;
}

std::optional<std::string> ChooseFile(CommonDialog& cd, FileDialogMode mode, const std::string& filter,
                                      const std::string& initDir, const std::optional<std::string>& fileName,
                                      const std::string& ownFile) {
  cd.OwnFile = ownFile;
  cd.CancelError = true;
  cd.InitDir = initDir;
  cd.Filter = filter;
  if (fileName) cd.FileName = *fileName;
  try {
    if (mode == FileDialogMode::Save)
      cd.ShowSave();
    else
      cd.ShowOpen();
  } catch (const CancelError&) {
    return std::nullopt;
  }
  return cd.FileName;
}

UiServices InstallUiServices(UiServices services) {
  UiServices previous = std::move(g_ui);
  g_ui = std::move(services);
  return previous;
}

int MsgBox(const std::string& text, int style, const std::string& title) {
  if (!g_ui.msgBox) return (style & 0x0F) == 0 ? kOk : kCancel;
  return g_ui.msgBox(text, style, title);
}

std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
  if (!g_ui.inputBox) return "";
  return g_ui.inputBox(prompt, title, defaultText);
}

}  // namespace yv::platform
