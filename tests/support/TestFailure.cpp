#include "support/TestFailure.h"

#include <gtest/gtest.h>

namespace selvane::test {
namespace {

TFailureReporter& Reporter() {
  static TFailureReporter reporter{
      [](const std::string& message) { ADD_FAILURE() << message; },
      [] { return ::testing::Test::HasFailure(); },
  };
  return reporter;
}

}  // namespace

void SetFailureReporter(const TFailureReporter& reporter) {
  Reporter() = reporter;
}

void FailTest(const std::string& message) {
  Reporter().Fail(message);
}

bool TestHasFailed() {
  return Reporter().Failed();
}

}  // namespace selvane::test
