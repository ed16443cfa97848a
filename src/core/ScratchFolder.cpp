#include "core/ScratchFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "core/TextRoutines.h"

namespace selvane {

TScratchFolder::TScratchFolder(const std::string& parent, const std::string& prefix) {
  std::error_code ec;
  std::filesystem::create_directories(parent, ec);
  std::string pattern = WithBackslash(parent) + prefix + "XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("작업 폴더를 만들 수 없습니다: " + pattern + " (" +
                             std::strerror(errno) + ")");
  path_ = pattern + "/";
}

TScratchFolder::~TScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace selvane
