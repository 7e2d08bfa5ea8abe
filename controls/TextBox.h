// A text box, single-line or (when constructed so) multi-line with a vertical
// scroll bar and word wrap.
//
// Change runs once for every change of the text, whether the user typed it or
// the program set Text, and not when Text is set to the text it already holds.
// KeyPress runs for every character typed, before the box sees it: the
// handler may set the code to 0 to swallow the character or change it into
// another. Enter arrives as 13 and Backspace as 8; a single-line box never
// types anything for Enter. Keys that type no character (arrows, Delete,
// Home, Tab, which moves the focus) do not reach KeyPress.
//
// Text is 8-bit. A multi-line box takes and gives CR LF line ends; a lone LF
// or a lone CR in the text is kept as a visible mark in the box and comes back
// as that byte, however the rest of the text is edited.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "controls/Control.h"

class QLineEdit;
class QPlainTextEdit;
class QKeyEvent;
class QInputMethodEvent;

namespace yv::controls {

class TextBox : public Control<QWidget> {
  Q_OBJECT
 public:
  TextBox(QWidget* parent, int x, int y, int w, int h, bool multiLine = false);

  std::function<void()> Change;
  std::function<void(int& keyAscii)> KeyPress;
  // The user has left the box: the focus went to another control of its
  // window. Not when the window itself loses the focus (a message box or
  // another window comes up), nor while the window unloads.
  std::function<void()> LostFocus;

  bool MultiLine() const { return multi_ != nullptr; }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

  // The user cannot edit a locked box; the program still can.
  bool Locked() const;
  void SetLocked(bool locked);
  // Longest text the user can type into a single-line box, 0 for no limit.
  // Like the typing, a longer text set by the program is cut to it.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);

  void SetBackColor(const QColor& color) override;
  void SetForeColor(const QColor& color) override;

  // The Qt editor inside the box: a QLineEdit or a QPlainTextEdit.
  QWidget* Editor() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::string ReadEditor() const;
  void WriteEditor(const std::string& text);
  void OnEdited();
  void OnFocusOut(Qt::FocusReason reason);
  bool FilterKey(QKeyEvent* event);
  bool FilterInputMethod(QInputMethodEvent* event);
  void Type(int code);

  QLineEdit* line_ = nullptr;
  QPlainTextEdit* multi_ = nullptr;
  std::string text_;
  int setting_ = 0;  // the program is writing the editor: its change signals are not edits
  int maxLength_ = 0;
};

// A multi-line box's document text from the program's text and back: CR LF is
// a line break, a lone LF is U+240A and a lone CR is U+240D (the control
// pictures, so the user sees where they are). The raw document text has
// U+2029 between lines; U+2028 and LF are read as line breaks too.
QString ToMultiLineDocument(std::string_view text);
std::string FromMultiLineDocument(const QString& raw);

// The key filter of the windows' number boxes, for their KeyPress: digits and
// Backspace pass, every other key is swallowed (keyAscii becomes 0). True for
// Enter, which the window answers by showing its values again.
bool FilterNumberKey(int& keyAscii);

// Stores a number box's text into its 16-bit field, for its Change: the text
// read as a decimal number rounded to the nearest integer. A text that is no
// number or does not fit the field (an emptied box, 40000, pasted letters)
// leaves the last valid value. True when the field took another value.
bool StoreNumber(const TextBox* box, int16_t& field);

// What a number box shows is what is stored: a box left with a text that was
// not taken (40000 in a 16-bit field, "0,5", an emptied box) shows its
// field's value again, in the notation of the files. Sets the box's
// LostFocus; field must outlive the box.
void ShowStoredWhenLeft(TextBox* box, const int16_t& field);
void ShowStoredWhenLeft(TextBox* box, const double& field);

}  // namespace yv::controls
