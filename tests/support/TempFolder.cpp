#include "support/TempFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/TestFailure.h"

namespace selvane::test {

TTempFolder::TTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "selvane-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern + "/";
}

TTempFolder::~TTempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TTempFolder::WriteFile(const std::string& name, const std::string& bytes) const {
  std::filesystem::path file = std::filesystem::path(path_) / name;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  return file.string();
}

std::string TTempFolder::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    FailTest("cannot read the file " + path);
    return {};
  }
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace selvane::test
