#include "core/ComponentLoader.h"

#include <dlfcn.h>

#include "core/ProgramFiles.h"

namespace selvane {

void* OpenComponent(const std::string& libraryName, std::string& error) {
  const std::string found = FindComponent(libraryName);
  void* handle = dlopen(found.empty() ? libraryName.c_str() : found.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    error = why != nullptr ? why : libraryName + ": cannot be loaded";
  }
  return handle;
}

}  // namespace selvane
