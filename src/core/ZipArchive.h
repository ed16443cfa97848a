// Zip archives of the backups and of BlankDb.bin: deflate at level 9, names without folders.
#pragma once

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

}  // namespace selvane
