// How support code fails the running test. The logic tests report through GoogleTest; the window
// tests install a reporter that goes through Qt Test, where a GoogleTest failure would be lost.
#pragma once

#include <string>

namespace selvane::test {

struct TFailureReporter {
  void (*Fail)(const std::string& message);
  // Whether the running test has failed already.
  bool (*Failed)();
};

// Replaces the reporter for the rest of the process.
void SetFailureReporter(const TFailureReporter& reporter);

void FailTest(const std::string& message);
bool TestHasFailed();

}  // namespace selvane::test
