// patchrun APPCODE PROGRAM: the upgrade launcher. The program starts it when StartUpgrade has
// staged an update and ends at once. patchrun waits until the program has ended (its
// single-instance lock is free), holds the lock while it puts the staged files in place (a
// second start meanwhile ends silently), rolls everything back when one file cannot be
// replaced, and starts PROGRAM of its own folder again, in the new version or the old one.
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "Patch.h"
#include "Signing.h"
#include "UpgradeLayout.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "core/SingleInstance.h"
#include "core/WaitMsg.h"

using namespace selvane;
using namespace selvane::autofetch;

namespace {

namespace fs = std::filesystem;

constexpr auto kWaitForProgram = std::chrono::seconds(60);

bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// One line to the launcher's log and to standard error.
void Log(const TUpgradeLayout& layout, const std::string& text) {
  std::fprintf(stderr, "patchrun: %s\n", text.c_str());
  std::error_code ec;
  fs::create_directories(layout.Folder(), ec);
  std::ofstream(layout.Log(), std::ios::app) << Now().ToIso() << ' ' << text << '\n';
}

bool WaitForProgramEnd(TSingleInstanceLock& lock) {
  const auto deadline = std::chrono::steady_clock::now() + kWaitForProgram;
  while (!lock.Acquire(kProgramTitle)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return true;
}

// Applies what is staged (or rolls back what broke off); true when the program may start.
bool PutInPlace(const TUpgradeLayout& layout) {
  std::string message;
  std::error_code ec;
  if (fs::exists(layout.Journal(), ec)) {
    const bool back = RollBackInterruptedApply(layout, message);
    Log(layout, message);
    return back;
  }
  std::string publicKey;
  if (!ReleasePublicKey(ProgramFolder(), publicKey, message)) {
    Log(layout, "no release key: " + message);
    fs::remove_all(layout.Staging(), ec);
    return true;
  }
  const TApply result = ApplyStagedUpgrade(layout, publicKey, message);
  Log(layout, message);
  return result != TApply::RollbackFailed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || !IsPlainName(argv[1]) || !IsPlainName(argv[2])) {
    std::fprintf(stderr, "usage: patchrun APPCODE PROGRAM\n");
    return 2;
  }
  const std::string self = RunningProgramFile();
  const std::string program = (fs::path(self).parent_path() / argv[2]).string();
  const TUpgradeLayout layout(InstallRootOf(self), argv[1]);

  TSingleInstanceLock lock;
  if (!WaitForProgramEnd(lock)) {
    Log(layout, "the program is still running; nothing was replaced");
    return 1;
  }
  if (!PutInPlace(layout)) {
    Log(layout, "the program is not started again: some files could not be put back");
    return 1;
  }
  lock.Release();
  ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
  Log(layout, program + ": " + std::strerror(errno));
  return 1;
}
