#include "model/BuildLock.h"

namespace yv {
namespace {
bool g_building = false;
}

BuildLock::BuildLock() {
  if (!g_building) {
    g_building = true;
    held_ = true;
  }
}

BuildLock::~BuildLock() {
  if (held_) g_building = false;
}

bool BuildInProgress() { return g_building; }

}  // namespace yv
