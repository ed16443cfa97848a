#include "support/ScopedEnv.h"

#include <cstdlib>

namespace selvane::test {

namespace {
void Put(const std::string& name, const std::optional<std::string>& value) {
  if (value)
    ::setenv(name.c_str(), value->c_str(), 1);
  else
    ::unsetenv(name.c_str());
}
}  // namespace

TScopedEnv::TScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  Put(name_, value);
}

TScopedEnv::~TScopedEnv() {
  Put(name_, old_);
}

}  // namespace selvane::test
