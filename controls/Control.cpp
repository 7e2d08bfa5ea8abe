#include "controls/Control.h"

#include <QCursor>
#include <QTextDocument>
#include <QToolTip>

#include "platform/qt/QtServices.h"

namespace yv::controls {

QFont DefaultFont() {
  QFont f(QStringLiteral("Sans Serif"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(8);
  return f;
}

void ApplyToolTip(QWidget* widget, const std::string& tip) {
  QString text = platform::FromCp1252(tip);
  // "<b>", "a < b > c" and the like would otherwise be taken for markup.
  if (Qt::mightBeRichText(text)) text = "<p style='white-space:pre'>" + text.toHtmlEscaped() + "</p>";
  widget->setToolTip(text);
  if (QToolTip::isVisible() && widget->underMouse()) {
    if (text.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(QCursor::pos(), text, widget);
  }
}

int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int ButtonsCode(Qt::MouseButtons buttons) {
  int code = 0;
  if (buttons & Qt::LeftButton) code |= 1;
  if (buttons & Qt::RightButton) code |= 2;
  if (buttons & Qt::MiddleButton) code |= 4;
  return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
  int code = 0;
  if (modifiers & Qt::ShiftModifier) code |= 1;
  if (modifiers & Qt::ControlModifier) code |= 2;
  if (modifiers & Qt::AltModifier) code |= 4;
  return code;
}

}  // namespace yv::controls
