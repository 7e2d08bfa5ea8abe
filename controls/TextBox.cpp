#include "controls/TextBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

#include "controls/Form.h"
#include "model/General.h"
#include "platform/qt/QtServices.h"

namespace yv::controls {
namespace {

constexpr char16_t kLoneLf = 0x240A;
constexpr char16_t kLoneCr = 0x240D;
// QLineEdit's own limit, 32767 characters, would cut longer texts set by the program.
constexpr int kNoLimit = 1 << 30;

int Cp1252Code(QChar ch) { return static_cast<unsigned char>(platform::ToCp1252(QString(ch))[0]); }

// The character codes a key press types, as KeyPress sees them; none for a
// key that types no character.
std::vector<int> TypedCodes(const QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool ctrl = mods & Qt::ControlModifier;
  const bool alt = mods & Qt::AltModifier;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return {ctrl ? 10 : 13};
    case Qt::Key_Backspace:
      return {ctrl ? 127 : 8};
    case Qt::Key_Escape:
      return {27};
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return {};
    default:
      break;
  }
  if (ctrl && !alt) {
    // Ctrl with a letter is that letter's control code (Ctrl+C is 3, Ctrl+V 22).
    if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) return {event->key() - Qt::Key_A + 1};
    return {};
  }
  std::vector<int> codes;
  for (QChar ch : event->text())
    if (ch.isPrint()) codes.push_back(Cp1252Code(ch));  // Delete types 0x7F on some systems: not a character
  return codes;
}

}  // namespace

QString ToMultiLineDocument(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  size_t run = 0;  // start of the bytes not yet converted
  auto flush = [&](size_t end) {
    if (end > run) out += platform::FromCp1252(text.substr(run, end - run));
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    flush(i);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out += QChar('\n');  // becomes a line break of the document
      ++i;
    } else {
      out += QChar(c == '\n' ? kLoneLf : kLoneCr);
    }
    run = i + 1;
  }
  flush(text.size());
  return out;
}

std::string FromMultiLineDocument(const QString& raw) {
  std::string out;
  out.reserve(static_cast<size_t>(raw.size()) + 16);
  qsizetype run = 0;
  auto flush = [&](qsizetype end) {
    if (end > run) out += platform::ToCp1252(raw.mid(run, end - run));
  };
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const char16_t u = raw[i].unicode();
    const char* mapped = nullptr;
    if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == u'\n')
      mapped = "\r\n";
    else if (u == kLoneLf)
      mapped = "\n";
    else if (u == kLoneCr)
      mapped = "\r";
    if (!mapped) continue;
    flush(i);
    out += mapped;
    run = i + 1;
  }
  flush(raw.size());
  return out;
}

TextBox::TextBox(QWidget* parent, int x, int y, int w, int h, bool multiLine) : Control<QWidget>(parent, x, y, w, h) {
  QWidget* editor;
  if (multiLine) {
    multi_ = new QPlainTextEdit(this);
    multi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    multi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    multi_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    multi_->setTabChangesFocus(true);  // Tab moves on to the next control, as in every other box
    connect(multi_, &QPlainTextEdit::textChanged, this, [this] { OnEdited(); });
    editor = multi_;
  } else {
    line_ = new QLineEdit(this);
    line_->setMaxLength(kNoLimit);
    connect(line_, &QLineEdit::textChanged, this, [this] { OnEdited(); });
    editor = line_;
  }
  editor->setGeometry(rect());
  editor->installEventFilter(this);
  setFocusProxy(editor);
  // Made after the box was shown, the editor would stay hidden in a box
  // made inside a window already on screen.
  editor->show();
}

QWidget* TextBox::Editor() const {
  if (multi_) return multi_;
  return line_;
}

void TextBox::resizeEvent(QResizeEvent*) { Editor()->setGeometry(rect()); }

std::string TextBox::ReadEditor() const {
  if (multi_) return FromMultiLineDocument(multi_->document()->toRawText());
  return platform::ToCp1252(line_->text());
}

void TextBox::WriteEditor(const std::string& text) {
  ++setting_;
  if (multi_)
    multi_->setPlainText(ToMultiLineDocument(text));  // toPlainText() would turn non-breaking spaces into blanks
  else
    line_->setText(platform::FromCp1252(text));
  --setting_;
}

void TextBox::SetText(const std::string& text) {
  if (text == text_) return;
  WriteEditor(text);
  // Qt signals a setPlainText even when nothing changed, and a QLineEdit
  // cuts a text longer than its limit; the box's own reading decides.
  std::string now = ReadEditor();
  if (now == text_) return;
  text_ = std::move(now);
  Raise(Change);
}

void TextBox::OnEdited() {
  if (setting_) return;
  std::string now = ReadEditor();
  if (now == text_) return;  // a signal without a change of the characters (formatting, a no-op edit)
  text_ = std::move(now);
  Raise(Change);
}

bool TextBox::Locked() const { return multi_ ? multi_->isReadOnly() : line_->isReadOnly(); }

void TextBox::SetLocked(bool locked) {
  if (multi_)
    multi_->setReadOnly(locked);
  else
    line_->setReadOnly(locked);
}

void TextBox::SetMaxLength(int length) {
  maxLength_ = length < 0 ? 0 : length;
  if (line_) line_->setMaxLength(maxLength_ == 0 ? kNoLimit : maxLength_);
}

void TextBox::SetBackColor(const QColor& color) {
  QWidget* e = Editor();
  QPalette p = e->palette();
  p.setColor(QPalette::Base, color);
  e->setPalette(p);
}

void TextBox::SetForeColor(const QColor& color) {
  QWidget* e = Editor();
  QPalette p = e->palette();
  p.setColor(QPalette::Text, color);
  e->setPalette(p);
}

bool TextBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != Editor()) return false;
  if (event->type() == QEvent::KeyPress) return FilterKey(static_cast<QKeyEvent*>(event));
  if (event->type() == QEvent::InputMethod) return FilterInputMethod(static_cast<QInputMethodEvent*>(event));
  if (event->type() == QEvent::FocusOut) OnFocusOut(static_cast<QFocusEvent*>(event)->reason());
  return false;
}

void TextBox::OnFocusOut(Qt::FocusReason reason) {
  // A window that loses the focus as a whole keeps it on this box: the user
  // comes back to it (a box that told something while typing goes away).
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  const auto* form = qobject_cast<const Form*>(window());
  if (form && form->IsUnloaded()) return;
  Raise(LostFocus);
}

bool TextBox::FilterKey(QKeyEvent* event) {
  const std::vector<int> codes = TypedCodes(event);
  if (codes.empty()) return false;  // a key that moves or deletes: the editor handles it
  QPointer<TextBox> self(this);
  std::vector<int> typed;
  for (int code : codes) {
    int k = code;
    Raise(KeyPress, k);
    if (!self) return true;
    typed.push_back(k);
  }
  if (codes.size() == 1 && typed[0] == codes[0]) {
    const int code = codes[0];
    // Enter types a line break in a multi-line box and nothing in a single-line one
    // (QPlainTextEdit would put a U+2028 for Shift+Enter).
    if (code == 13 || code == 10) {
      Type(code);
      return true;
    }
    return false;  // unchanged: the editor types it, with its own undo, overwrite and shortcuts
  }
  for (int k : typed) {
    Type(k);
    if (!self) return true;
  }
  return true;
}

bool TextBox::FilterInputMethod(QInputMethodEvent* event) {
  // Only a plain commit of composed characters is typing; anything that
  // involves a preview string stays with the editor.
  if (!event->preeditString().isEmpty() || event->commitString().isEmpty() || event->replacementLength() != 0)
    return false;
  QPointer<TextBox> self(this);
  for (QChar ch : event->commitString()) {
    int k = Cp1252Code(ch);
    Raise(KeyPress, k);
    if (!self) return true;
    Type(k);
    if (!self) return true;
  }
  return true;
}

// Types one character code into the editor, as a key of that character would.
void TextBox::Type(int code) {
  if (code <= 0 || code > 255 || Locked()) return;
  if (code == 13 || code == 10) {
    if (!multi_) return;
    QTextCursor c = multi_->textCursor();
    c.insertBlock();
    multi_->setTextCursor(c);
    multi_->ensureCursorVisible();
    return;
  }
  if (code == 8) {
    if (multi_) {
      QTextCursor c = multi_->textCursor();
      c.deletePreviousChar();
      multi_->setTextCursor(c);
    } else {
      line_->backspace();
    }
    return;
  }
  if ((code < 32 && code != 9) || code == 127) return;  // other control codes type nothing
  const QString s = platform::FromCp1252(std::string(1, static_cast<char>(code)));
  if (multi_) {
    multi_->insertPlainText(s);
  } else {
    line_->insert(s);
  }
}

bool FilterNumberKey(int& keyAscii) {
  if (keyAscii == 8 || (keyAscii >= '0' && keyAscii <= '9')) return false;
  const bool enter = keyAscii == 13;
  keyAscii = 0;
  return enter;
}

bool StoreNumber(const TextBox* box, int16_t& field) {
  int16_t value = 0;
  if (!TextToInt16(box->Text(), value) || value == field) return false;
  field = value;
  return true;
}

void ShowStoredWhenLeft(TextBox* box, const int16_t& field) {
  box->LostFocus = [box, &field] { box->SetText(FormatInt(field)); };
}

void ShowStoredWhenLeft(TextBox* box, const double& field) {
  box->LostFocus = [box, &field] { box->SetText(FormatDouble(field)); };
}

}  // namespace yv::controls
