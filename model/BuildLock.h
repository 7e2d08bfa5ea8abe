// The lock that keeps text builds from running into each other.
#pragma once

namespace yv {

// The level, info and world-map builders run the event pump while they
// build, so a command handled meanwhile could start a second build, or a
// save, on top of the first. Every builder and every file writer holds this
// lock for as long as it runs; one that cannot take it is refused and changes
// nothing, neither the published text nor the file.
class BuildLock {
 public:
  BuildLock();  // takes the lock when no build is running
  ~BuildLock();
  BuildLock(const BuildLock&) = delete;
  BuildLock& operator=(const BuildLock&) = delete;
  bool Held() const { return held_; }

 private:
  bool held_ = false;
};

// True while a build or a save holds the lock.
bool BuildInProgress();

}  // namespace yv
