// A row of toolbar buttons numbered from 1 in the order they were added.
// Each is a separator (no caption, no action) or a button with a picture, an
// optional caption under it and a tooltip. ButtonClick(index) runs with the
// button's number when the user clicks an enabled button.
//
// All buttons share one size, big enough for the widest caption and the
// largest picture, as a classic toolbar sizes them.
#pragma once

#include <QFrame>
#include <QPixmap>
#include <functional>
#include <string>
#include <vector>

#include "controls/Control.h"

class QToolButton;

namespace yv::controls {

class Toolbar : public Control<QFrame> {
  Q_OBJECT
 public:
  Toolbar(QWidget* parent, int x, int y, int w, int h);

  std::function<void(int index)> ButtonClick;

  // Each returns the new button's number.
  int AddButton(const std::string& caption, const std::string& toolTip, const QPixmap& picture);
  int AddSeparator();

  int Count() const { return static_cast<int>(entries_.size()); }
  bool IsSeparator(int index) const;
  std::string ButtonCaption(int index) const;
  std::string ButtonToolTip(int index) const;
  void SetButtonToolTip(int index, const std::string& toolTip);
  void SetButtonPicture(int index, const QPixmap& picture);
  bool ButtonEnabled(int index) const;
  void SetButtonEnabled(int index, bool enabled);
  // The widget that shows button or separator number index (nullptr out of range).
  QWidget* ButtonWidget(int index) const;

 private:
  struct Entry {
    QToolButton* button = nullptr;  // nullptr for a separator
    QFrame* separator = nullptr;
    std::string caption;
    std::string toolTip;
  };
  const Entry* At(int index) const;
  void Arrange();

  std::vector<Entry> entries_;
};

}  // namespace yv::controls
