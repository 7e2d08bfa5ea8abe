// Shared text constants, flags and small helpers of both editors.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/LineEnds.h"

namespace yv {

// ---------------------------------------------------------------- globals
// NewLine, Quote and TabChar, which this module owns, live with the other
// line-end constants in LineEnds.h.
extern bool DialogDone;       // set by the unload of a waited-for dialog
extern std::string UserName;  // login name in capitals, blank-padded to 16 characters
extern int16_t MsgResult;     // answer of the last message box: 1 OK, 2 Cancel, 6 Yes, 7 No

// The path up to and including its last backslash; "" when it has none.
std::string GetDirectoryPart(const std::string& path);
// The text after the path's last backslash; the whole path when it has none.
std::string GetFileNamePart(const std::string& path);
// Deletes a file, ignoring every failure; nothing for an empty path.
void DeleteFileQuietly(const std::string& path);

// Lets the user choose a music file in musicDir through the shared file
// dialog, with `current` preset. The game looks music up by name in its music
// folder, so the choice comes back as its file-name part; nothing on Cancel.
std::optional<std::string> ChooseMusicFile(const std::string& musicDir, const std::string& current);

// A message box whose answer is also stored in MsgResult.
int ShowMsgBox(const std::string& text, int style, const std::string& title);

// The question before a document's unsaved changes would be lost (the
// document replaced, its window closed): question with Yes, No and Cancel.
// Yes runs save, which says whether the document was saved. True when the
// caller goes on: the changes are saved (Yes) or to be dropped (No). False
// on Cancel, and when the save was not done: the caller then stops with the
// document as it is. A caller that cannot stop (mayCancel false: the
// program is ending) takes each of those as No.
bool AskToSaveChanges(const std::string& question, const std::string& title, const std::function<bool()>& save,
                      bool mayCancel = true);

// ---------------------------------------------------------------- windows
// The model opens and touches windows only through these hooks, which the
// level editor fills in; unset hooks do nothing.
struct WindowHooks {
  std::function<void()> loadMainFrm;                           // load MainFrm and show it, modeless
  std::function<void()> loadNewInfoFrm;                        // load NewInfoFrm and show it, modeless
  std::function<void()> loadZTypeFrm;                          // load zTypeFrm and show it, modeless
  std::function<void(int)> setMapScrollMax;                    // MainFrm.MapXScroll maximum
  std::function<void(const std::string&)> setFileNameCaption;  // MainFrm.FileNameBox caption
};
extern WindowHooks Windows;

// Clears DialogDone, runs loadAndShow and runs the event pump until
// DialogDone is set (the dialog's unload sets it). Returns false at once,
// without showing anything, when another wait is already running.
bool WaitForDialog(const std::function<void()>& loadAndShow);
// True while WaitForDialog waits.
bool DialogWaitRunning();

// ---------------------------------------------------------------- text
// Text is 8-bit: one byte per character of the Windows-1252 code page.
std::string Trim(std::string_view s);  // without leading and trailing blanks (spaces only)
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
std::string UCase(std::string_view s);  // capitals, letters of the code page included
std::string LCase(std::string_view s);
bool StartsWith(std::string_view s, std::string_view prefix);
// A text value as the file writers put it between double quotes: the file
// formats have no escape, and a double quote inside would end the value when
// the file is read back, so each one is written as a single quote.
std::string QuotedFileValue(std::string_view value);

// Decimal text of an integer, "-" before a negative one.
std::string FormatInt(long long value);
// Plain decimal text of a double: at most 15 significant digits, "." as the
// separator, no trailing zeros, no exponent, no point for a whole value.
std::string FormatDouble(double value);

// Text typed into a number box, read as a decimal number rounded to the
// nearest integer (halves to even); false when it is not a number or does
// not fit -32768..32767.
bool TextToInt16(std::string_view text, int16_t& value);
// Text typed into a number box, read as a finite decimal number with "." as
// the separator, whatever the locale; false when it is not one.
bool TextToDouble(std::string_view text, double& value);

}  // namespace yv
