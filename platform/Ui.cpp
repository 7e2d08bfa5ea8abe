#include "platform/Ui.h"

namespace yv::platform {
namespace {

UiServices g_ui;
CommonDialog* g_shared = nullptr;  // the SharedCommonDialog that exists, if any

void ShowFileDialog(CommonDialog& cd, bool save) {
  FileDialogRequest request{save, cd.Filter, cd.InitDir, cd.FileName, cd.DialogTitle};
  std::string chosen;
  bool ok = g_ui.fileDialog && g_ui.fileDialog(request, chosen);
  if (ok) {
    cd.FileName = chosen;
    return;
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
                                      const std::string& initDir, const std::optional<std::string>& fileName) {
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
