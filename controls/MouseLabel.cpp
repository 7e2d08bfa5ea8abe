#include "controls/MouseLabel.h"

#include <QApplication>
#include <QMouseEvent>

#include "controls/Form.h"

namespace yv::controls {

// While a button is held, Qt sends every move to the widget that got the
// press, wherever the pointer is. The controls report moves to the control
// under the pointer instead, so a drag across a row of image boxes updates
// each box it crosses. This filter sees the moves on their way to the
// pressed widget and hands them to the mouse control under the pointer.
class HoverRouter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseMove || !watched->isWidgetType()) return false;
    auto* move = static_cast<QMouseEvent*>(event);
    if (move->buttons() == Qt::NoButton) return false;  // no grab: Qt delivers it to the widget under the pointer
    // An unaccepted move travels up the parents as a copy of the same event; route it once.
    const QPoint global = move->globalPosition().toPoint();
    if (move->timestamp() == lastTimestamp_ && global == lastGlobal_) return false;
    lastTimestamp_ = move->timestamp();
    lastGlobal_ = global;

    QWidget* window = static_cast<QWidget*>(watched)->window();
    auto* target = qobject_cast<MouseLabel*>(window->childAt(window->mapFromGlobal(global)));
    if (!target || target == watched || !target->isEnabled() || !Form::TakesInput(target)) return false;
    target->Hover(ButtonsCode(move->buttons()), ShiftCode(move->modifiers()), target->mapFromGlobal(global));
    return false;
  }

 private:
  quint64 lastTimestamp_ = 0;
  QPoint lastGlobal_;
};

MouseLabel::MouseLabel(QWidget* parent, int x, int y, int w, int h) : Control<QLabel>(parent, x, y, w, h) {
  setMouseTracking(true);  // moves without a button held
  static HoverRouter* router = [] {
    auto* r = new HoverRouter(qApp);
    qApp->installEventFilter(r);
    return r;
  }();
  (void)router;
}

void MouseLabel::Press(QMouseEvent* event) {
  const int button = ButtonCode(event->button());
  if (button == 0) return;
  pressed_ |= button;
  const QPoint p = event->position().toPoint();
  Raise(MouseDown, button, ShiftCode(event->modifiers()), p.x(), p.y());
}

void MouseLabel::mousePressEvent(QMouseEvent* event) { Press(event); }

// Qt delivers the second press of a double click as a double-click event
// and no press; it is a press like any other here.
void MouseLabel::mouseDoubleClickEvent(QMouseEvent* event) { Press(event); }

void MouseLabel::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  // Outside the control only because a button pressed here is still held;
  // the router reports that move to the control under the pointer.
  if (!rect().contains(p)) return;
  Hover(ButtonsCode(event->buttons()), ShiftCode(event->modifiers()), p);
}

void MouseLabel::Hover(int buttons, int shift, QPoint local) { Raise(MouseMove, buttons, shift, local.x(), local.y()); }

void MouseLabel::mouseReleaseEvent(QMouseEvent* event) {
  const int button = ButtonCode(event->button());
  const bool pressedHere = (pressed_ & button) != 0;
  pressed_ &= ~button;
  if (!pressedHere || (button != 1 && button != 2)) return;
  if (!rect().contains(event->position().toPoint())) return;  // released elsewhere
  Raise(Click);
}

void MouseLabel::hideEvent(QHideEvent* event) {
  pressed_ = 0;  // a hidden control gets no release
  Control<QLabel>::hideEvent(event);
}

}  // namespace yv::controls
