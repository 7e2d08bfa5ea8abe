// Process start-up measured from outside: the benchmark program starts itself
// again as a child that builds its application, shows one window and reports
// the moment the window is drawn.
#pragma once

namespace yv::bench {

// When the arguments ask for a start-up child, runs it and returns true with
// the exit code in *rc; otherwise returns false and does nothing.
bool RunStartUpChild(int argc, char** argv, int* rc);

}  // namespace yv::bench
