#include <QApplication>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "UiTest.h"
#include "core/ui/Program.h"
#include "support/TestFailure.h"

namespace selvane::test {
namespace {

std::map<std::string, TUiTestRunner>& Runners() {
  static std::map<std::string, TUiTestRunner> runners;
  return runners;
}

}  // namespace

TUiTestRegistrar::TUiTestRegistrar(const char* name, TUiTestRunner runner) {
  Runners()[name] = std::move(runner);
}

}  // namespace selvane::test

int main(int argc, char** argv) {
  selvane::PrepareWebEngine();
  QApplication app(argc, argv);
  // Support code (scripted answers, temporary files) fails the running Qt Test function.
  selvane::test::SetFailureReporter({
      [](const std::string& message) { QTest::qFail(message.c_str(), __FILE__, __LINE__); },
      [] { return QTest::currentTestFailed(); },
  });
  auto& runners = selvane::test::Runners();
  std::vector<char*> rest{argv[0]};
  std::string only;
  if (argc > 1 && argv[1][0] != '-') {
    only = argv[1];
    if (runners.count(only) == 0) {
      std::cerr << "ui_tests: no test class " << only << '\n';
      return 2;
    }
  }
  for (int i = only.empty() ? 1 : 2; i < argc; ++i) rest.push_back(argv[i]);
  int failures = 0;
  for (auto& [name, run] : runners)
    if (only.empty() || name == only) failures += run(int(rest.size()), rest.data());
  return failures == 0 ? 0 : 1;
}
