#include "controls/Button.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionButton>

#include "platform/qt/QtServices.h"

namespace yv::controls {
namespace {
constexpr int kCaptionAir = 2;
}  // namespace

Button::Button(QWidget* parent, int x, int y, int w, int h, const std::string& caption)
    : Control<QPushButton>(parent, x, y, w, h), chosen_(font()) {
  setFocusPolicy(Qt::StrongFocus);
  SetCaption(caption);
  connect(this, &QAbstractButton::clicked, this, [this] { Raise(Click); });
}

std::string Button::Caption() const { return platform::ToCp1252(text()); }
void Button::SetCaption(const std::string& caption) {
  setText(platform::FromCp1252(caption));
  FitCaption();
}

void Button::SetChosenFont(const QFont& font) {
  chosen_ = font;
  FitCaption();
}

void Button::resizeEvent(QResizeEvent* event) {
  QPushButton::resizeEvent(event);
  FitCaption();
}

void Button::FitCaption() {
  QStyleOptionButton option;
  initStyleOption(&option);
  // The caption is centred on the button and cut at its bevel; a little air
  // on both sides keeps it off the edge.
  const int room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width() - 2 * kCaptionAir;
  const QString caption = text();
  const QFont fitted =
      FittingFont(chosen_, [&](const QFont& f) { return QFontMetrics(f).horizontalAdvance(caption) <= room; });
  if (fitted != font()) setFont(fitted);
}

void Button::PerformClick() { Raise(Click); }

void Button::keyPressEvent(QKeyEvent* event) {
  // Outside a dialog a QPushButton ignores Enter; a focused command button takes it as a click.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
    event->accept();
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace yv::controls
