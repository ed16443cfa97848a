#include "reference/AutoUpgrade.h"

#include <dlfcn.h>
#include <spawn.h>

#include <cstring>
#include <filesystem>

#include "core/ComponentLoader.h"
#include "core/Cp949.h"
#include "core/WaitMsg.h"
#include "edi/EdiLibrary.h"
#include "reference/UpgradeSettings.h"

extern char** environ;

namespace selvane {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLibraryName = "libAutoFetch.so";

using TUpgradeCall = int (*)(const char*, const char*);

TStartUpgradeCall g_call;
std::string g_launcher;
std::string g_loadError;  // why the last call found no component

int CallComponent(const std::string& appCode, const std::string& userId, bool now) {
  static TUpgradeCall start = nullptr, startNow = nullptr;
  if (start == nullptr || startNow == nullptr) {
    std::string why;
    void* handle = OpenComponent(kLibraryName, why);
    if (handle != nullptr) {
      start = reinterpret_cast<TUpgradeCall>(dlsym(handle, "StartUpgrade"));
      startNow = reinterpret_cast<TUpgradeCall>(dlsym(handle, "StartUpgradeNow"));
      if (start == nullptr || startNow == nullptr) why = "호출이 없습니다: StartUpgrade";
    }
    if (start == nullptr || startNow == nullptr) {
      start = startNow = nullptr;
      g_loadError =
          "업그레이드 모듈을 불러올 수 없습니다 (" + std::string(kLibraryName) + "): " + why;
      return kUpgradeNoComponent;
    }
  }
  std::string cp949Id;
  if (!TryToCp949(userId, cp949Id)) cp949Id.clear();
  return (now ? startNow : start)(appCode.c_str(), cp949Id.c_str());
}

}  // namespace

void SetStartUpgradeCall(TStartUpgradeCall call) {
  g_call = std::move(call);
}

void SetLauncherFile(const std::string& fileName) {
  g_launcher = fileName;
}

int CallStartUpgrade(bool now) {
  g_loadError.clear();
  const std::string userId = ReadEdiLoginId();
  if (g_call) return g_call(kUpgradeAppCode, userId, now);
  return CallComponent(kUpgradeAppCode, userId, now);
}

std::string UpgradeResultMessage(int result) {
  switch (result) {
    case kUpgradeReady:
    case kUpgradeNothing:
      return "";
    case kUpgradeNoComponent:
      if (!g_loadError.empty()) return g_loadError;
      break;
    case 10:
      return "사용자 정보가 맞지 않습니다.";
    case 11:
      return "네트웍 장애에 의한 패킷 에러 발생.";
    case 12:
      return "서버에 접속할수 없습니다.";
    case 13:
      return "서버와의 통신이 중단되었습니다.";
    case 14:
      return "소켓 버퍼 OverFlow.";
    case 15:
      return "사용자가 업그레이드을 종료 하였습니다.";
    case 16:
      return "업데이트 정보 파일을 생성하지 못하였습니다.";
    case 17:
      return "업데이트 파일의 수가 맞지 않습니다.";
  }
  return "업그레이드 도중 알수 없는 오류가 발생하였습니다.";
}

std::string LauncherFile() {
  if (!g_launcher.empty()) return g_launcher;
  std::error_code ec;
  return (fs::read_symlink("/proc/self/exe", ec).parent_path() / "patchrun").string();
}

bool StartLauncher(std::string& error) {
  const std::string launcher = LauncherFile();
  std::string appCode = kUpgradeAppCode, program = kUpgradeProgramName;
  char* argv[] = {const_cast<char*>(launcher.c_str()), appCode.data(), program.data(), nullptr};
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // A session of its own: the launcher outlives the program and its terminal.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, launcher.c_str(), nullptr, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  if (failed != 0) error = launcher + ": " + std::strerror(failed);
  return failed == 0;
}

bool ActOnUpgradeResult(int result) {
  if (result != kUpgradeReady) {
    const std::string message = UpgradeResultMessage(result);
    if (!message.empty()) InfoBox(message);
    return false;
  }
  std::string error;
  if (StartLauncher(error)) return true;
  ErrorBox("업그레이드 프로그램을 실행할 수 없습니다: " + error);
  return false;
}

int CheckForUpgrade(bool now) {
  ReadUpgradeSettings();
  RegisterVersions();
  return CallStartUpgrade(now);
}

bool RunUpgrade(bool now) {
  return ActOnUpgradeResult(CheckForUpgrade(now));
}

}  // namespace selvane
