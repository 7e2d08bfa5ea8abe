// A check box: Value 0 unchecked, 1 checked, 2 grayed.
//
// Click runs once for every change of the value, the user's click and the
// program's Value = ... alike; setting the value it already has runs nothing.
// A user click turns a checked box off and any other box on.
#pragma once

#include <QCheckBox>
#include <functional>
#include <string>

#include "controls/Control.h"

namespace yv::controls {

class CheckBox : public Control<QCheckBox> {
  Q_OBJECT
 public:
  CheckBox(QWidget* parent, int x, int y, int w, int h, const std::string& caption = std::string());

  std::function<void()> Click;

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  int Value() const { return value_; }
  void SetValue(int value);

 protected:
  // Qt's user click comes here; setCheckState alone would signal no click.
  void nextCheckState() override;
  // Qt takes only the mark and the caption's text for the button; the whole box is.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;  // a new font lays the caption out again

 private:
  // A box taller than one line wraps a caption too wide for it at word
  // breaks, as many lines as the caption needs (those beyond the box's
  // height are cut off).
  void LayOutCaption();
  int value_ = 0;
  std::string caption_;
};

}  // namespace yv::controls
