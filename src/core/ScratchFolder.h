// A private folder (mode 0700) made fresh inside a parent folder for the files of one operation,
// removed with everything in it when the object ends: after success, failure, cancel or an
// exception alike.
#pragma once

#include <string>

namespace selvane {

class TScratchFolder {
 public:
  // Makes parent + prefix + six random characters (the parent too when missing). Throws
  // std::runtime_error with the reason when it cannot.
  TScratchFolder(const std::string& parent, const std::string& prefix);
  ~TScratchFolder();
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;

  // Ends with the separator.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace selvane
