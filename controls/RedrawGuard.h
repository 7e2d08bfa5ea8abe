// The redraw guard of a window's update method: it sets the window's
// Updating flag for as long as the method fills the controls, so that the
// handlers which test the flag leave the values being shown alone, and puts
// the flag back on every way out of the method.
//
//   RedrawGuard filling(this, Updating);                    // restores the value it found
//   RedrawGuard filling(this, Updating, AfterFill::Clear);  // clears it
//
// Restoring is what a fill wants that may run nested inside another (from a
// handler the outer fill's event pump runs, or a scroll value that a new
// maximum moves): the outer fill keeps its flag set until it is done itself.
// A window whose fill clears the flag ends every fill with its handlers live
// again, the outer one's too.
//
// The window may be unloaded and deleted while the fill pumps events; the
// guard then touches nothing, and PumpEvents tells the fill to stop:
//
//   const RedrawGuard filling(this, Updating, AfterFill::Clear);
//   if (!filling.PumpEvents()) return;  // the window went away meanwhile
#pragma once

#include <QObject>
#include <QPointer>

#include "controls/Form.h"
#include "platform/System.h"

namespace yv::controls {

enum class AfterFill { Restore, Clear };

class RedrawGuard {
 public:
  RedrawGuard(QObject* window, bool& flag, AfterFill after = AfterFill::Restore)
      : window_(window), flag_(&flag), nested_(flag), after_(after == AfterFill::Restore && flag) {
    flag = true;
  }
  ~RedrawGuard() {
    if (window_) *flag_ = after_;
  }
  RedrawGuard(const RedrawGuard&) = delete;
  RedrawGuard& operator=(const RedrawGuard&) = delete;

  // True when the flag was already set: this fill runs inside another one.
  bool Nested() const { return nested_; }

  // Runs the event pump; true when the window is still there to be filled
  // (neither deleted nor unloaded meanwhile).
  bool PumpEvents() const {
    platform::DoEvents();
    const auto* form = qobject_cast<const Form*>(window_.data());
    return window_ && !(form && form->IsUnloaded());
  }

 private:
  QPointer<QObject> window_;
  bool* flag_;
  bool nested_;
  bool after_;
};

}  // namespace yv::controls
