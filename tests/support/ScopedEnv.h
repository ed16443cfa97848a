// Sets (or, with nullopt, removes) an environment variable for the life of the object and puts
// the old value back at the end.
#pragma once

#include <optional>
#include <string>

namespace selvane::test {

class TScopedEnv {
 public:
  TScopedEnv(const char* name, std::optional<std::string> value);
  ~TScopedEnv();
  TScopedEnv(const TScopedEnv&) = delete;
  TScopedEnv& operator=(const TScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace selvane::test
