// The lock that keeps work reached again through the event pump from running
// into itself, and the build lock that keeps text builds apart.
#pragma once

namespace yv {

// Work that runs the event pump (a build, a save, a read) can be started
// again by a command handled meanwhile, on top of itself. Such work holds a
// lock over its own flag for as long as it runs: the lock is taken when the
// flag is clear; one that finds it set is not held, and its holder refuses
// and changes nothing.
class FlagLock {
 public:
  explicit FlagLock(bool& flag) : flag_(flag), held_(!flag) { flag_ = true; }
  ~FlagLock() {
    if (held_) flag_ = false;
  }
  FlagLock(const FlagLock&) = delete;
  FlagLock& operator=(const FlagLock&) = delete;
  bool Held() const { return held_; }

 private:
  bool& flag_;
  bool held_;
};

// The level, info and world-map builders run the event pump while they
// build, so a command handled meanwhile could start a second build, or a
// save, on top of the first. Every builder and every file writer holds this
// lock for as long as it runs; one that cannot take it is refused and changes
// nothing, neither the published text nor the file.
class BuildLock : public FlagLock {
 public:
  BuildLock();  // takes the lock when no build is running
};

// True while a build or a save holds the lock.
bool BuildInProgress();

}  // namespace yv
