// A sections-and-keys settings file ("SELVANE.ini"). Section and key names compare without
// regard to ASCII letter case; values are raw bytes, everything between the "=" and the end of
// the line, so that an encoded value that is not text survives (only the CR of a CR LF line end
// is dropped). Every read reads the file afresh; every write replaces it atomically.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace selvane {

// The settings file is there but cannot be read (a folder, no permission).
class TSettingsFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }

  // The value, or nothing when the file, the section or the key is missing. Throws
  // TSettingsFileError naming the file when it is there but cannot be read.
  std::optional<std::string> Read(const std::string& section, const std::string& key) const;
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;

  // Sets the value, adding the section and the key when missing. False, with Error() set, when
  // the value holds a line break (the file could not keep it) or the file cannot be read or
  // replaced.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);

  const std::string& Error() const { return error_; }

 private:
  std::string fileName_;
  std::string error_;
};

}  // namespace selvane
