#include "controls/Button.h"

#include <QKeyEvent>

#include "platform/qt/QtServices.h"

namespace yv::controls {

Button::Button(QWidget* parent, int x, int y, int w, int h, const std::string& caption)
    : Control<QPushButton>(parent, x, y, w, h) {
  setFocusPolicy(Qt::StrongFocus);
  SetCaption(caption);
  connect(this, &QAbstractButton::clicked, this, [this] { Raise(Click); });
}

std::string Button::Caption() const { return platform::ToCp1252(text()); }
void Button::SetCaption(const std::string& caption) { setText(platform::FromCp1252(caption)); }

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
