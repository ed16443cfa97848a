#include "support/ScopedGlobals.h"

#include <cstdlib>

#include "core/Globals.h"

namespace selvane::test {
namespace {

void SetEnv(const std::string& name, const std::optional<std::string>& value) {
  if (value)
    ::setenv(name.c_str(), value->c_str(), 1);
  else
    ::unsetenv(name.c_str());
}

}  // namespace

TScopedEnv::TScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  SetEnv(name_, value);
}

TScopedEnv::~TScopedEnv() {
  SetEnv(name_, old_);
}

TScopedProgramHome::TScopedProgramHome(const std::string& folder) {
  SetProgramHome(folder);
}

TScopedProgramHome::~TScopedProgramHome() {
  SetProgramHome("");
}

}  // namespace selvane::test
