#include "controls/OptionButton.h"

#include "platform/qt/QtServices.h"

namespace yv::controls {

OptionButton::OptionButton(QWidget* parent, int x, int y, int w, int h, const std::string& caption)
    : Control<QRadioButton>(parent, x, y, w, h) {
  // Qt's own exclusive groups switch the others off after the new one is on,
  // and a click on the selected button would be free to clear it; the group
  // is kept here instead.
  setAutoExclusive(false);
  SetCaption(caption);
}

std::string OptionButton::Caption() const { return platform::ToCp1252(text()); }
void OptionButton::SetCaption(const std::string& caption) { setText(platform::FromCp1252(caption)); }

void OptionButton::Mark(bool value) {
  value_ = value;
  setChecked(value);
}

void OptionButton::SetValue(bool value) {
  if (value == value_) return;
  if (!value) {
    Mark(false);
    return;
  }
  if (QWidget* group = parentWidget()) {
    for (OptionButton* other : group->findChildren<OptionButton*>(QString(), Qt::FindDirectChildrenOnly))
      if (other != this && other->value_) other->Mark(false);
  }
  Mark(true);
  Raise(Click);
}

void OptionButton::nextCheckState() { SetValue(true); }

}  // namespace yv::controls
