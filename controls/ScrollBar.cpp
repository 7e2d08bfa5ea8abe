#include "controls/ScrollBar.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace yv::controls {

ScrollBar::ScrollBar(QWidget* parent, int x, int y, int w, int h)
    : ScrollBar(parent, x, y, w, h, w > h ? Qt::Horizontal : Qt::Vertical) {}

ScrollBar::ScrollBar(QWidget* parent, int x, int y, int w, int h, Qt::Orientation orientation)
    : Control<QScrollBar>(parent, x, y, w, h) {
  setOrientation(orientation);
  setTracking(true);  // the value follows the thumb, so Scroll handlers read where it is
  Sync();
  connect(this, &QAbstractSlider::valueChanged, this, [this](int position) { OnQtValue(position); });
  connect(this, &QAbstractSlider::sliderPressed, this, [this] { OnThumbPressed(); });
  connect(this, &QAbstractSlider::sliderReleased, this, [this] { OnThumbReleased(); });
}

int ScrollBar::Clamp(int value) const { return std::clamp(value, std::min(min_, max_), std::max(min_, max_)); }

int ScrollBar::ToQt(int value) const {
  long long d = max_ >= min_ ? static_cast<long long>(value) - min_ : static_cast<long long>(min_) - value;
  return static_cast<int>(std::clamp<long long>(d, 0, INT_MAX));
}

int ScrollBar::FromQt(int position) const {
  long long v = max_ >= min_ ? static_cast<long long>(min_) + position : static_cast<long long>(min_) - position;
  return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

void ScrollBar::Sync() {
  ++syncing_;
  const long long span = std::llabs(static_cast<long long>(max_) - min_);
  setRange(0, static_cast<int>(std::min<long long>(span, INT_MAX)));
  setSingleStep(smallChange_);
  setPageStep(largeChange_);
  setValue(ToQt(value_));
  --syncing_;
}

void ScrollBar::SetValue(int value) {
  value = Clamp(value);
  if (value == value_) return;
  value_ = value;
  Sync();
  Raise(Change);  // last: a handler may set the bar again, and nothing here may overwrite that
}

void ScrollBar::SetMax(int max) {
  if (max == max_) return;
  max_ = max;
  const int value = Clamp(value_);
  const bool moved = value != value_;
  value_ = value;
  Sync();
  if (moved) Raise(Change);
}

void ScrollBar::SetMin(int min) {
  if (min == min_) return;
  min_ = min;
  const int value = Clamp(value_);
  const bool moved = value != value_;
  value_ = value;
  Sync();
  if (moved) Raise(Change);
}

void ScrollBar::SetSmallChange(int step) {
  smallChange_ = std::max(1, step);
  Sync();
}

void ScrollBar::SetLargeChange(int step) {
  largeChange_ = std::max(1, step);
  Sync();
}

void ScrollBar::OnQtValue(int position) {
  if (syncing_) return;
  const int value = FromQt(position);
  if (value == value_) return;
  value_ = value;
  if (isSliderDown())
    Raise(Scroll);
  else
    Raise(Change);
}

void ScrollBar::OnThumbPressed() { valueAtThumbPress_ = value_; }

void ScrollBar::OnThumbReleased() {
  if (value_ != valueAtThumbPress_) Raise(Change);
}

}  // namespace yv::controls
