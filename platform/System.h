// The logged-on user and the event pump.
#pragma once

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

struct EventPump {
  std::function<void()> doEvents;       // default: nothing
  std::function<void()> waitForEvents;  // default: doEvents
};
// Installs the pump (the application installs Qt's; tests their own); returns the previous one.
EventPump InstallEventPump(EventPump pump);

}  // namespace yv::platform
