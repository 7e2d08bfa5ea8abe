// A horizontal or vertical scroll bar with its own Min, Max and Value
// (defaults 0, 32767, 0).
//
// Change runs after every change of the value: an arrow or track click, the
// release of a dragged thumb at a new value, and the program's Value = ...;
// never when the value stays. Scroll runs while the thumb is dragged, once
// for every value it passes (Value reads the thumb's value then), and the drag
// runs no Change until the release.
//
// Value set by the program is clamped into the range. Setting Max or Min so
// that Value falls outside the range moves Value to the nearer bound at once
// and runs Change right then, inside the Max or Min assignment, with the new
// range already in place. Max may lie below Min: the bar then runs from Min
// at its left or top end down to Max at the other, and Min stays as it is.
#pragma once

#include <QScrollBar>
#include <functional>

#include "controls/Control.h"

namespace yv::controls {

class ScrollBar : public Control<QScrollBar> {
  Q_OBJECT
 public:
  // Horizontal when the box is wider than high.
  ScrollBar(QWidget* parent, int x, int y, int w, int h);
  ScrollBar(QWidget* parent, int x, int y, int w, int h, Qt::Orientation orientation);

  std::function<void()> Change;
  std::function<void()> Scroll;

  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Value() const { return value_; }
  void SetValue(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int step);
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int step);

 private:
  int Clamp(int value) const;
  // The Qt bar always runs from 0 to |Max - Min|; its position is the
  // distance of Value from Min. Qt's own 0..99 default range never sees a
  // value of the program, and its setMaximum never moves the minimum.
  int ToQt(int value) const;
  int FromQt(int position) const;
  void Sync();
  void OnQtValue(int position);
  void OnThumbPressed();
  void OnThumbReleased();

  int min_ = 0;
  int max_ = 32767;
  int value_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
  int syncing_ = 0;            // the bar is being set from the program's values: its signals are not user actions
  int valueAtThumbPress_ = 0;  // the value when the thumb was grabbed
};

}  // namespace yv::controls
