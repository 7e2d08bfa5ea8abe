#include "model/BuildLock.h"

namespace yv {
namespace {
bool g_building = false;
}

BuildLock::BuildLock() : FlagLock(g_building) {}

bool BuildInProgress() { return g_building; }

}  // namespace yv
