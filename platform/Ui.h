// Message box, input box and the common file dialog, as replaceable services.
//
// The application installs Qt implementations (platform/qt); tests install
// the scripted responder of tests/support/ScriptedUi.h.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace yv::platform {

// Message box styles used by the program.
enum MsgStyle : int {
  kCriticalOk = 16,           // critical icon, OK
  kQuestionYesNoCancel = 35,  // question icon, Yes / No / Cancel
  kQuestionYesNo = 36,        // question icon, Yes / No
  kExclamationOk = 48,        // exclamation icon, OK
};
// Answers of a message box.
enum MsgAnswer : int { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

// The raised error of a cancelled file dialog (its "cancel raises an error" property).
struct CancelError : std::runtime_error {
  CancelError() : std::runtime_error("Cancel was selected.") {}
};

// The common file dialog. Set the properties, then ShowOpen or ShowSave; on
// success FileName holds the chosen Windows path.
struct CommonDialog {
  bool CancelError = false;
  std::string Filter;    // "description|pattern[|description|pattern...]"
  std::string InitDir;   // Windows path
  std::string FileName;  // Windows path (or a bare name)
  std::string DialogTitle;
  // The document's own file, which the save dialog replaces without asking.
  std::string OwnFile;

  void ShowOpen();
  // Asks before replacing an existing file other than OwnFile; No shows the
  // dialog again for another name.
  void ShowSave();
};

// The program's shared common dialog: while a SharedCommonDialog exists (the
// main window's `CD`) it is that one, so the name last chosen through any
// window that shares it is offered again by the next; without one it is a
// spare that lives as long as the program.
CommonDialog& SharedFileDialog();

// A common dialog that is the shared one for as long as it exists.
struct SharedCommonDialog : CommonDialog {
  SharedCommonDialog();
  ~SharedCommonDialog();
  SharedCommonDialog(const SharedCommonDialog&) = delete;
  SharedCommonDialog& operator=(const SharedCommonDialog&) = delete;
};

enum class FileDialogMode { Open, Save };

// For ChooseFile's file name: leave the name as the dialog's last choice left it.
inline constexpr std::nullopt_t kLastChosenName = std::nullopt;

// Shows `cd` as an open or save dialog with "cancel raises an error" set and
// the given filter, initial folder and preset file name, and returns the
// chosen path, or nothing when the user cancels. Any other failure of the
// dialog is not a choice of nothing and goes on to the caller. A save
// dialog replaces ownFile, the document's own file, without asking.
std::optional<std::string> ChooseFile(CommonDialog& cd, FileDialogMode mode, const std::string& filter,
                                      const std::string& initDir, const std::optional<std::string>& fileName,
                                      const std::string& ownFile = "");

struct FileDialogRequest {
  bool save = false;
  std::string filter, initDir, fileName, title;
};

struct UiServices {
  // text, style, title -> answer (1, 2, 6 or 7)
  std::function<int(const std::string&, int, const std::string&)> msgBox;
  // prompt, title, default -> typed text ("" when cancelled)
  std::function<std::string(const std::string&, const std::string&, const std::string&)> inputBox;
  // request -> true with the chosen Windows path in path, false when cancelled
  std::function<bool(const FileDialogRequest&, std::string& path)> fileDialog;
};

// Installs the services; returns the previous ones.
UiServices InstallUiServices(UiServices services);

int MsgBox(const std::string& text, int style, const std::string& title);
std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText = "");

}  // namespace yv::platform
