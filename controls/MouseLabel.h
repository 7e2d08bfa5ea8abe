// The mouse behaviour shared by image boxes and labels, the two controls that
// have no window of their own in the classic platform:
//   - MouseDown(button, shift, x, y) on every press, the second press of a
//     double click included;
//   - MouseMove(buttons, shift, x, y) on every move of the pointer over the
//     control, with or without a button held;
//   - Click() when the left or the right button is released over the control
//     that got its press (never for the middle button), always after that
//     press's MouseDown.
// x and y are the pointer's offset inside the control in pixels.
#pragma once

#include <QLabel>
#include <functional>

#include "controls/Control.h"

namespace yv::controls {

class MouseLabel : public Control<QLabel> {
  Q_OBJECT
 public:
  MouseLabel(QWidget* parent, int x, int y, int w, int h);

  std::function<void(int button, int shift, int x, int y)> MouseDown;
  std::function<void(int button, int shift, int x, int y)> MouseMove;
  std::function<void()> Click;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  friend class HoverRouter;
  void Press(QMouseEvent* event);
  void Hover(int buttons, int shift, QPoint local);

  int pressed_ = 0;  // codes of the buttons pressed on this control and not yet released
};

}  // namespace yv::controls
