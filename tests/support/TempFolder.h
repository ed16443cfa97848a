// A fresh folder under the system's temporary folder, removed with its contents at the end.
#pragma once

#include <string>

namespace selvane::test {

class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // The folder, ending with the separator.
  const std::string& Path() const { return path_; }
  // Writes a file (bytes as given) below the folder and returns its full path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const;
  // The bytes of a file; a file that cannot be read fails the test (and gives "").
  static std::string ReadFile(const std::string& path);

 private:
  std::string path_;
};

}  // namespace selvane::test
