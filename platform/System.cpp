#include "platform/System.h"

#include <pwd.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>

namespace yv::platform {
namespace {

std::function<bool(std::string&)> g_loginSource;
EventPump g_pump;

bool HostLoginName(std::string& name) {
  name.clear();
  if (struct passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name && *pw->pw_name) {
    name = pw->pw_name;
    return true;
  }
  char buf[256];
  if (::getlogin_r(buf, sizeof buf) == 0 && buf[0]) {
    name = buf;
    return true;
  }
  if (const char* user = std::getenv("USER"); user && *user) {
    name = user;
    return true;
  }
  return false;
}

}  // namespace

bool GetLoginName(std::string& name) { return g_loginSource ? g_loginSource(name) : HostLoginName(name); }

void SetLoginNameSource(std::function<bool(std::string&)> source) { g_loginSource = std::move(source); }

bool PumpThrottle::Look() {
  struct timespec now {};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  const int64_t ns = int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
  // Aim at a look every sixteenth of the interval: twice as many calls
  // between looks while they come faster, every call once a look finds that
  // a whole interval went by.
  const int64_t sinceLook = ns - lastLookNs_;
  if (sinceLook >= intervalNs_)
    stride_ = 1;
  else if (sinceLook < intervalNs_ / 16 && stride_ < 4096)
    stride_ *= 2;
  lastLookNs_ = ns;
  countdown_ = stride_;
  if (ran_ && ns - lastRunNs_ < intervalNs_) return false;
  ran_ = true;
  lastRunNs_ = ns;
  return true;
}

void DoEvents() {
  if (g_pump.doEvents) g_pump.doEvents();
}

void WaitForEvents() {
  if (g_pump.waitForEvents)
    g_pump.waitForEvents();
  else
    DoEvents();
}

EventPump InstallEventPump(EventPump pump) {
  EventPump previous = std::move(g_pump);
  g_pump = std::move(pump);
  return previous;
}

}  // namespace yv::platform
