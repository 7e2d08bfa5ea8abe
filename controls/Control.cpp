#include "controls/Control.h"

#include <QCursor>
#include <QFontInfo>
#include <QTextDocument>
#include <QToolTip>

#include "platform/qt/QtServices.h"

namespace yv::controls {

QFont DefaultFont() {
  // The layouts are fixed in pixels for a small, narrow sans font of about
  // 11 pixels; a condensed face keeps captions inside their controls.
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setStretch(QFont::Condensed);
  f.setPixelSize(11);
  return f;
}

namespace {
// Below this a caption is no longer readable; it is shown cut instead.
constexpr int kSmallestPixels = 6;
}  // namespace

QFont FittingFont(const QFont& chosen, const std::function<bool(const QFont&)>& fits) {
  if (fits(chosen)) return chosen;
  QFont f = chosen;
  const int start = chosen.pixelSize() > 0 ? chosen.pixelSize() : QFontInfo(chosen).pixelSize();
  for (int px = start - 1; px > kSmallestPixels; --px) {
    f.setPixelSize(px);
    if (fits(f)) return f;
  }
  f.setPixelSize(kSmallestPixels);
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

void ApplyMousePointer(QWidget* widget, Pointer pointer, const QPixmap& custom) {
  switch (pointer) {
    case Pointer::Default:
      widget->unsetCursor();
      break;
    case Pointer::Hourglass:
      widget->setCursor(Qt::WaitCursor);
      break;
    case Pointer::Hand:
      widget->setCursor(Qt::PointingHandCursor);
      break;
    case Pointer::Custom:
      if (custom.isNull())
        widget->unsetCursor();
      else
        widget->setCursor(QCursor(custom, 0, 0));
      break;
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
