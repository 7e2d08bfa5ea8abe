#include "controls/Label.h"

#include <QApplication>
#include <QFontMetrics>

#include "platform/qt/QtServices.h"

namespace yv::controls {

Label::Label(QWidget* parent, int x, int y, int w, int h, const std::string& caption)
    : MouseLabel(parent, x, y, w, h), chosen_(font()) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setMargin(0);
  setIndent(0);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setAutoFillBackground(true);
  SetCaption(caption);
}

void Label::SetCaption(const std::string& caption) {
  // Redraws set the same captions again and again; the text and its fit stand.
  if (caption == caption_) return;
  caption_ = caption;
  QString shown = platform::FromCp1252(caption);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar('\r'), QChar('\n'));
  setText(shown);
  FitCaption();
}

void Label::SetChosenFont(const QFont& font) {
  chosen_ = font;
  FitCaption();
}

void Label::resizeEvent(QResizeEvent* event) {
  MouseLabel::resizeEvent(event);
  FitCaption();
}

void Label::FitCaption() {
  const QString shown = text();
  const QRect box = contentsRect();
  const QFont fitted = FittingFont(chosen_, [&](const QFont& f) {
    if (shown.isEmpty()) return true;
    // Wrapped as the label wraps it; a word longer than the box stays whole
    // on its line and makes the text wider than the box.
    const QRect needed = QFontMetrics(f).boundingRect(QRect(0, 0, box.width(), 1 << 20),
                                                      Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, shown);
    return needed.width() <= box.width() && needed.height() <= box.height();
  });
  if (fitted != font()) setFont(fitted);
}

void Label::SetAlignment(Align align) {
  align_ = align;
  Qt::Alignment h = align == Align::Right ? Qt::AlignRight : align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
  setAlignment(h | Qt::AlignTop);
}

void Label::SetBackStyle(Back back) {
  back_ = back;
  setAutoFillBackground(back == Back::Opaque);
  update();
}

void Label::SetBackColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  SetDisabledColors(p);
  setPalette(p);
  setAutoFillBackground(back_ == Back::Opaque);
}

void Label::SetForeColor(const QColor& color) {
  MouseLabel::SetForeColor(color);
  QPalette p = palette();
  SetDisabledColors(p);
  setPalette(p);
}

// A colour given to the label holds in every state, so its disabled look is
// made here, from the colours a disabled text box takes from the window: its
// greyed text, and its back with a quarter of the label's own back mixed in,
// so that a field keeps a hint of its colour and stays in its place.
void Label::SetDisabledColors(QPalette& p) const {
  const QPalette window = parentWidget() ? parentWidget()->palette() : QApplication::palette();
  const QColor own = p.color(QPalette::Active, QPalette::Window);
  const QColor box = window.color(QPalette::Disabled, QPalette::Base);
  auto mix = [](int a, int b) { return (a + 3 * b) / 4; };
  p.setColor(QPalette::Disabled, QPalette::Window,
             QColor(mix(own.red(), box.red()), mix(own.green(), box.green()), mix(own.blue(), box.blue())));
  p.setColor(QPalette::Disabled, QPalette::WindowText, window.color(QPalette::Disabled, QPalette::Text));
}

}  // namespace yv::controls
