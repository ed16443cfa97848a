#include "core/ProgramFiles.h"

#include <filesystem>

#include "core/TextRoutines.h"

namespace selvane {
namespace fs = std::filesystem;

std::string ExecutableFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return WithBackslash(fs::current_path().string());
  return WithBackslash(exe.parent_path().string());
}

std::vector<std::string> ComponentCandidates(const std::string& fileName) {
  const fs::path exe(ExecutableFolder());
  std::vector<std::string> candidates;
  for (const fs::path& folder : {exe, exe / "../lib/selvane", exe / "../lib"})
    candidates.push_back((folder / fileName).lexically_normal().string());
  return candidates;
}

std::string FindComponent(const std::string& fileName) {
  std::error_code ec;
  for (const std::string& candidate : ComponentCandidates(fileName))
    if (fs::is_regular_file(candidate, ec)) return candidate;
  return "";
}

std::string ProgramTemplateFolder() {
  const fs::path folder = (fs::path(ExecutableFolder()) / "../share/selvane").lexically_normal();
  return WithBackslash(folder.string());
}

}  // namespace selvane
