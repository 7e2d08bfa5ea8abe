#include "platform/System.h"

#include <pwd.h>
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
