// Zip archives of the backups and of BlankDb.bin: deflate at level 9, names without folders.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace selvane {

// Packs the files into a new archive (replacing one of that name); throws std::runtime_error
// with a message naming the file that failed.
void ZipFiles(const std::string& archive, const std::vector<std::string>& files);
// Extracts every file of the archive into the folder; returns the names extracted. Throws
// std::runtime_error when the archive cannot be read or a file cannot be written. Names with a
// folder part are extracted under their bare name, so nothing lands outside the folder.
std::vector<std::string> UnzipAll(const std::string& archive, const std::string& folder);

// One entry of an archive as it is stored: its name with any folder part, its unpacked size, and
// whether it is a symbolic link (an entry made on Unix with the link file type).
struct TZipEntry {
  std::uint64_t Index = 0;
  std::string Name;
  std::uint64_t Size = 0;
  bool IsLink = false;
};

// A failure of ReadZipEntries or ExtractZipEntry; Reason() is the library's own text.
class TZipError : public std::runtime_error {
 public:
  TZipError(const std::string& message, std::string reason)
      : std::runtime_error(message + " (" + reason + ")"), reason_(std::move(reason)) {}
  const std::string& Reason() const { return reason_; }

 private:
  std::string reason_;
};

// Every entry of the archive. Throws TZipError when the archive cannot be read or its directory
// is not consistent (a damaged or cut file).
std::vector<TZipEntry> ReadZipEntries(const std::string& archive);

// Unpacks one entry into a new file (created with mode 0600; an existing file is an error) and
// syncs it. The bytes must match the entry's size and checksum. Throws TZipError; the new file
// is then removed.
void ExtractZipEntry(const std::string& archive, const TZipEntry& entry,
                     const std::string& fileName);

}  // namespace selvane
