// A repeating timer owned by a window: Tick runs every Interval milliseconds
// while Enabled is set and Interval is above 0, for as long as the window
// lives and is not unloaded (also while it is hidden or disabled).
//
// The event is called Tick because a class cannot have a member named after
// itself; a window writes BGTimer->Tick = [this] { BGTimer_Timer(); }.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace yv::controls {

class Timer : public QObject {
  Q_OBJECT
 public:
  explicit Timer(QObject* parent, int intervalMs = 0, bool enabled = true);

  std::function<void()> Tick;

  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

 private:
  void Update();
  void OnTimeout();
  bool OwnerUnloaded() const;

  QTimer timer_;
  int interval_ = 0;
  bool enabled_ = true;
  bool ticking_ = false;  // Tick is running: a tick due meanwhile (in an event pump) is skipped
};

}  // namespace yv::controls
