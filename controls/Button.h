// A command button. Click runs on the user's click (mouse, Space, or Enter
// while it has the focus) and on PerformClick() from the program. A caption
// wider than the fixed button is shown whole in a smaller size of the font.
// A window's off-screen DummyCmd is a Button placed outside the client area:
// it stays visible to Qt, so SetFocus() can park the keyboard focus on it.
#pragma once

#include <QPushButton>
#include <functional>
#include <string>

#include "controls/Control.h"

namespace yv::controls {

class Button : public Control<QPushButton> {
  Q_OBJECT
 public:
  Button(QWidget* parent, int x, int y, int w, int h, const std::string& caption = std::string());

  std::function<void()> Click;

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // Runs Click as the user's click would, also while the button is hidden.
  void PerformClick();

  QFont ChosenFont() const override { return chosen_; }
  void SetChosenFont(const QFont& font) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitCaption();
  QFont chosen_;
};

}  // namespace yv::controls
