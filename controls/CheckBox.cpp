#include "controls/CheckBox.h"

#include "platform/qt/QtServices.h"

namespace yv::controls {

CheckBox::CheckBox(QWidget* parent, int x, int y, int w, int h, const std::string& caption)
    : Control<QCheckBox>(parent, x, y, w, h) {
  setTristate(true);  // grayed is a value the program sets; nextCheckState keeps the user to 0 and 1
  setCheckState(Qt::Unchecked);
  SetCaption(caption);
}

std::string CheckBox::Caption() const { return platform::ToCp1252(text()); }
void CheckBox::SetCaption(const std::string& caption) { setText(platform::FromCp1252(caption)); }

void CheckBox::SetValue(int value) {
  if (value < 0 || value > 2) value = value ? 1 : 0;
  if (value == value_) return;
  value_ = value;
  setCheckState(value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked);
  Raise(Click);
}

void CheckBox::nextCheckState() { SetValue(value_ == 1 ? 0 : 1); }

}  // namespace yv::controls
