#include "core/ComponentLoader.h"

#include <dlfcn.h>

#include <filesystem>

#include "core/Globals.h"

namespace selvane {

namespace fs = std::filesystem;

void* OpenComponent(const std::string& libraryName, std::string& error) {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec).parent_path();
  void* handle = nullptr;
  for (const fs::path& candidate :
       {fs::path(ProgramFolder()) / libraryName, exe / libraryName, exe / "../lib" / libraryName})
    if (handle == nullptr && fs::is_regular_file(candidate, ec))
      handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) handle = dlopen(libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    error = why != nullptr ? why : libraryName + ": cannot be loaded";
  }
  return handle;
}

}  // namespace selvane
