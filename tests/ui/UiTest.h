// Registration of the window test classes: each file registers its class under its own name,
// and `ui_tests NAME [Qt Test options]` runs that class (without NAME: every class).
#pragma once

#include <QTest>
#include <functional>

namespace selvane::test {

using TUiTestRunner = std::function<int(int argc, char** argv)>;

struct TUiTestRegistrar {
  TUiTestRegistrar(const char* name, TUiTestRunner runner);
};

}  // namespace selvane::test

#define SELVANE_UI_TEST(Class, Name)                               \
  static const ::selvane::test::TUiTestRegistrar Class##Registrar( \
      Name, [](int argc, char** argv) {                            \
        Class test;                                                \
        return QTest::qExec(&test, argc, argv);                    \
      })
