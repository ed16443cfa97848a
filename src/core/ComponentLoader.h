// Loading an outside component (a shared library with a C interface) the way the program finds
// its components: from the program folder (where a portable program keeps them), the folder of
// the running program file and its "../lib/" (the build's and the install's layout), then the
// loader's search path.
#pragma once

#include <string>

namespace selvane {

// dlopen's handle of the first library of that name found; nullptr, with the loader's reason in
// error, when none can be loaded.
void* OpenComponent(const std::string& libraryName, std::string& error);

}  // namespace selvane
