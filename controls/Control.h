// What every form control shares: a place in pixels inside its parent,
// Visible, Enabled, a tooltip, the program's small sans font, z-order and an
// immediate repaint. Each control is a Qt widget owned by its parent; the
// windows keep plain pointers to them and wire their events by assigning
// std::function handlers.
//
// Control arrays need no helper: a window declares
//   std::array<ImageBox*, 270> Img{};
// and fills it in a loop,
//   for (int i = 0; i < 270; ++i) {
//     Img[i] = new ImageBox(this, 10 + 34 * (i / 15), 80 + 34 * (i % 15), 32, 32);
//     Img[i]->Click = [this, i] { Img_Click(i); };
//   }
// so the element's index travels in the lambda.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>

namespace yv::controls {

// The font the windows were laid out for: a small sans face of about 8 points.
QFont DefaultFont();

// The mouse pointer over a window or a control: the default arrow, the
// hourglass, a pointing hand over a field that takes clicks, or a picture.
enum class Pointer { Default, Hourglass, Hand, Custom };
// Shows pointer over widget (custom: its picture, hot spot at the top-left;
// a null picture gives the default arrow).
void ApplyMousePointer(QWidget* widget, Pointer pointer, const QPixmap& custom = QPixmap());

// Sets a widget's tooltip from 8-bit text. Qt would read a tip that looks like
// markup as rich text; the program's tips are always plain. A tip that is on
// screen for this widget right now is replaced at once, so a tip set from
// inside a mouse-move handler shows without the pointer leaving first.
void ApplyToolTip(QWidget* widget, const std::string& tip);

// The chosen font, or a smaller size of it, the largest with which fits(font)
// holds, in whole pixels; 6 pixels, the smallest readable, when none fits.
QFont FittingFont(const QFont& chosen, const std::function<bool(const QFont&)>& fits);

// Runs a handler if one is assigned. It runs a copy, so a handler that
// reassigns itself, or deletes the control that owns it, does not pull the
// function object out from under its own call.
template <class F, class... Args>
void Raise(const F& handler, Args&&... args) {
  if (!handler) return;
  F copy = handler;
  copy(std::forward<Args>(args)...);
}

// Mouse buttons and the shift state in the numbering of the event handlers:
// buttons 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt.
int ButtonCode(Qt::MouseButton button);
int ButtonsCode(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);

template <class W>
class Control : public W {
 public:
  Control(QWidget* parent, int x, int y, int w, int h) : W(parent) {
    W::setFont(DefaultFont());
    W::setGeometry(x, y, w, h);
    // A child made after its window was shown stays hidden until shown;
    // controls are visible from the start, as the windows expect.
    if (parent) W::show();
  }

  // The control's own Visible and Enabled settings, independent of whether
  // its window is shown or enabled.
  bool Visible() const { return !W::isHidden(); }
  void SetVisible(bool visible) { W::setVisible(visible); }
  bool Enabled() const { return !W::testAttribute(Qt::WA_ForceDisabled); }
  void SetEnabled(bool enabled) { W::setEnabled(enabled); }

  const std::string& ToolTip() const { return toolTip_; }
  void SetToolTip(const std::string& tip) {
    toolTip_ = tip;
    ApplyToolTip(this, tip);
  }

  void Move(int x, int y) { W::move(x, y); }
  void Move(int x, int y, int w, int h) { W::setGeometry(x, y, w, h); }
  int Left() const { return W::x(); }
  int Top() const { return W::y(); }
  int Width() const { return W::width(); }
  int Height() const { return W::height(); }

  // Paints the control now rather than at the next pass of the event loop.
  void Refresh() { W::repaint(); }
  // 0 brings the control in front of its siblings, 1 sends it behind them.
  void ZOrder(int position = 0) {
    if (position == 0)
      W::raise();
    else
      W::lower();
  }
  void SetFocus() { W::setFocus(Qt::OtherFocusReason); }

  Pointer MousePointer() const { return pointer_; }
  void SetMousePointer(Pointer pointer, const QPixmap& custom = QPixmap()) {
    pointer_ = pointer;
    ApplyMousePointer(this, pointer, custom);
  }

  // The font the window chose for the control; a control whose caption
  // must fit its fixed box may show it in a smaller size of that font.
  bool Bold() const { return ChosenFont().bold(); }
  void SetBold(bool bold) {
    QFont f = ChosenFont();
    f.setBold(bold);
    SetChosenFont(f);
  }
  double FontSize() const { return ChosenFont().pointSizeF(); }
  void SetFontSize(double points) {
    QFont f = ChosenFont();
    f.setPointSizeF(points);
    SetChosenFont(f);
  }

  virtual QFont ChosenFont() const { return W::font(); }
  virtual void SetChosenFont(const QFont& font) { W::setFont(font); }

  QColor BackColor() const { return W::palette().color(QPalette::Window); }
  virtual void SetBackColor(const QColor& color) {
    QPalette p = W::palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Button, color);
    W::setPalette(p);
    W::setAutoFillBackground(true);
  }
  QColor ForeColor() const { return W::palette().color(QPalette::WindowText); }
  virtual void SetForeColor(const QColor& color) {
    QPalette p = W::palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::ButtonText, color);
    p.setColor(QPalette::Text, color);
    W::setPalette(p);
  }

 private:
  std::string toolTip_;
  Pointer pointer_ = Pointer::Default;
};

}  // namespace yv::controls
