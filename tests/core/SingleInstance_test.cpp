#include "core/SingleInstance.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/ScopedGlobals.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {

class SingleInstanceLock : public ::testing::Test {
 protected:
  test::TTempFolder runtime_;
  test::TScopedEnv runtimeDir_{"XDG_RUNTIME_DIR", runtime_.Path()};
};

TEST_F(SingleInstanceLock, SecondHolderIsRefusedUntilTheFirstLetsGo) {
  TSingleInstanceLock first;
  TSingleInstanceLock second;
  ASSERT_TRUE(first.Acquire("보건노르바프로그램 V1.5.4.1"));
  EXPECT_FALSE(second.Acquire("보건노르바프로그램 V1.5.4.1"));
  EXPECT_FALSE(second.Held());
  EXPECT_TRUE(second.Acquire("another program"));  // the name is the key
  second.Release();
  first.Release();
  EXPECT_TRUE(second.Acquire("보건노르바프로그램 V1.5.4.1"));
}

TEST_F(SingleInstanceLock, AKilledHolderDoesNotBlockTheNextStart) {
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    TSingleInstanceLock lock;
    char ok = lock.Acquire("title") ? '1' : '0';
    if (write(ready[1], &ok, 1) != 1) _exit(1);
    pause();  // held until killed; the lock is never released by the program
    _exit(0);
  }
  close(ready[1]);
  char ok = 0;
  ASSERT_EQ(read(ready[0], &ok, 1), 1);
  close(ready[0]);
  ASSERT_EQ(ok, '1');

  TSingleInstanceLock mine;
  EXPECT_FALSE(mine.Acquire("title")) << "held by the other process";
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(mine.Acquire("title"));
  // The lock file stays behind; only the lock itself went with the process.
  EXPECT_EQ(access((runtime_.Path() + "title.lock").c_str(), F_OK), 0);
}

}  // namespace
}  // namespace selvane
