// Guards for the process-wide values a test sets: each puts the value back when it goes out of
// scope, however the test ends (a failed assertion returns early), so that no later test runs
// with what an earlier one left behind.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace selvane::test {

// A global variable of the program (IniFileName, SendDir, TestMode...) set to a value.
template <class T>
class TScopedValue {
 public:
  TScopedValue(T& variable, T value) : variable_(variable), old_(std::move(variable)) {
    variable_ = std::move(value);
  }
  ~TScopedValue() { variable_ = std::move(old_); }
  TScopedValue(const TScopedValue&) = delete;
  TScopedValue& operator=(const TScopedValue&) = delete;

 private:
  T& variable_;
  T old_;
};

// An environment variable set to a value, or removed (std::nullopt).
class TScopedEnv {
 public:
  TScopedEnv(const char* name, const std::optional<std::string>& value);
  ~TScopedEnv();
  TScopedEnv(const TScopedEnv&) = delete;
  TScopedEnv& operator=(const TScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// The program folder named by SetProgramHome; back to the default at the end.
class TScopedProgramHome {
 public:
  explicit TScopedProgramHome(const std::string& folder);
  ~TScopedProgramHome();
  TScopedProgramHome(const TScopedProgramHome&) = delete;
  TScopedProgramHome& operator=(const TScopedProgramHome&) = delete;
};

}  // namespace selvane::test
