// One running program per user: an advisory lock on a file named after the program title in the
// user's runtime folder. The kernel drops the lock when the holder ends in any way, so a crashed
// program never blocks the next start.
#pragma once

#include <string>

namespace selvane {

class TSingleInstanceLock {
 public:
  TSingleInstanceLock() = default;
  ~TSingleInstanceLock();
  TSingleInstanceLock(const TSingleInstanceLock&) = delete;
  TSingleInstanceLock& operator=(const TSingleInstanceLock&) = delete;

  // Takes the lock named name; false when another holder has it. When the lock file cannot be
  // made at all the check cannot be run, and the start goes ahead (true).
  bool Acquire(const std::string& name);
  void Release();
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// $XDG_RUNTIME_DIR, else a private folder of the user under the temporary folder; ends with the
// separator.
std::string RuntimeFolder();

}  // namespace selvane
