// An option button. The option buttons with the same parent widget form one
// group in which at most one is selected.
//
// Selecting a button, by the user's click or by the program's Value = true,
// first deselects the others of its group (they run nothing) and then runs
// its Click once. Selecting the selected button runs nothing, and so does a
// user click on it; Value = false deselects without a Click.
#pragma once

#include <QRadioButton>
#include <functional>
#include <string>

#include "controls/Control.h"

namespace yv::controls {

class OptionButton : public Control<QRadioButton> {
  Q_OBJECT
 public:
  OptionButton(QWidget* parent, int x, int y, int w, int h, const std::string& caption = std::string());

  std::function<void()> Click;

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool Value() const { return value_; }
  void SetValue(bool value);

 protected:
  void nextCheckState() override;
  // Qt takes only the mark and the caption's text for the button; the whole box is.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

 private:
  void Mark(bool value);

  bool value_ = false;
};

}  // namespace yv::controls
