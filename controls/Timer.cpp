#include "controls/Timer.h"

#include <QPointer>

#include "controls/Control.h"
#include "controls/Form.h"

namespace yv::controls {

Timer::Timer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent), interval_(intervalMs), enabled_(enabled) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { OnTimeout(); });
  Update();
}

void Timer::SetInterval(int ms) {
  interval_ = ms < 0 ? 0 : ms;
  Update();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void Timer::Update() {
  // Setting either property starts the count afresh, as the classic timer does.
  if (enabled_ && interval_ > 0)
    timer_.start(interval_);
  else
    timer_.stop();
}

bool Timer::OwnerUnloaded() const {
  for (QObject* o = parent(); o; o = o->parent())
    if (auto* form = qobject_cast<Form*>(o)) return form->IsUnloaded();
  return false;
}

void Timer::OnTimeout() {
  // An unloaded window is deleted only when control gets back to the main
  // event loop; until then its timers must not run.
  if (OwnerUnloaded()) {
    timer_.stop();
    return;
  }
  if (ticking_) return;
  QPointer<Timer> self(this);
  ticking_ = true;
  Raise(Tick);
  if (self) ticking_ = false;
}

}  // namespace yv::controls
