// Loading an outside component (a shared library with a C interface) the way the program finds
// its components: from the program's own files (beside the executable, its ../lib/selvane/ or
// ../lib/, see ProgramFiles.h), then the loader's search path. Never from the program folder:
// that holds data (and may come from a restore), and code placed there must not run.
#pragma once

#include <string>

namespace selvane {

// dlopen's handle of the first library of that name found; nullptr, with the loader's reason in
// error, when none can be loaded.
void* OpenComponent(const std::string& libraryName, std::string& error);

}  // namespace selvane
