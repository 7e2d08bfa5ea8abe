// The logged-on user and the event pump.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace yv::platform {

// The logged-on user's login name; false when it cannot be found.
bool GetLoginName(std::string& name);
// Replaces the source of the login name (tests); an empty function restores the default.
void SetLoginNameSource(std::function<bool(std::string&)> source);

// Runs pending window events once. It may return at once when it ran only a
// few milliseconds ago, so that readers can call it for every character.
void DoEvents();
// Waits until at least one window event has arrived and runs the pending
// events; used by loops that wait for a dialog, so that they never spin.
void WaitForEvents();

// Decides when a throttled event pump runs: at its first call and then
// whenever at least the interval has passed since it last ran. It needs no
// thread, so an idle program is never woken. A reader may ask for every
// character: the clock is read only every so many calls, a number that grows
// while the calls come fast and falls back to every call when they come
// slowly, so the look costs about a nanosecond in a tight loop.
class PumpThrottle {
 public:
  explicit PumpThrottle(int intervalMs = 4) : intervalNs_(int64_t{intervalMs} * 1000000) {}
  bool Due() { return --countdown_ > 0 ? false : Look(); }
  // The next call reads the clock (the program went back to its event loop).
  void Reset() {
    stride_ = 1;
    countdown_ = 0;
  }

 private:
  bool Look();

  int64_t intervalNs_;
  int64_t lastRunNs_ = 0;
  int64_t lastLookNs_ = 0;
  bool ran_ = false;
  int stride_ = 1;
  int countdown_ = 0;
};

struct EventPump {
  std::function<void()> doEvents;       // default: nothing
  std::function<void()> waitForEvents;  // default: doEvents
};
// Installs the pump (the application installs Qt's; tests their own); returns the previous one.
EventPump InstallEventPump(EventPump pump);

}  // namespace yv::platform
