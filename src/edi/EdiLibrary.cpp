#include "edi/EdiLibrary.h"

#include <dlfcn.h>

#include "core/ComponentLoader.h"
#include "core/Cp949.h"
#include "core/EdiSettings.h"
#include "core/Globals.h"
#include "core/ProgramFiles.h"
#include "core/Registry.h"

namespace selvane {

namespace {

constexpr const char* kLibraryName = "libNetPost32.so";

// The component, loaded once for the process where the program finds its components.
class TComponent {
 public:
  using TKeyCall = int (*)(const char*);
  using TSendReceiveCall = int (*)(const char*, int*, int*);
  using TVersionCall = const char* (*)();

  TKeyCall EnvSetup = nullptr;
  TKeyCall Send = nullptr;
  TKeyCall Receive = nullptr;
  TKeyCall ReReceive = nullptr;
  TSendReceiveCall SendReceive = nullptr;
  TVersionCall Version = nullptr;
  // Optional: the reason of the component's last failure, CP949; a component without it gives
  // its result codes only.
  TVersionCall LastError = nullptr;

  // True when every call is there; Error() tells why not.
  bool Load() {
    if (handle_ != nullptr) return true;
    std::string why;
    handle_ = OpenComponent(kLibraryName, why);
    if (handle_ == nullptr) return Fail(why);
    bool ok = Bind(EnvSetup, "EnvSetup") && Bind(Send, "Send") && Bind(Receive, "Receive") &&
              Bind(ReReceive, "ReReceive") && Bind(SendReceive, "SendReceive") &&
              Bind(Version, "NetPost32Version");
    if (!ok) {
      dlclose(handle_);
      handle_ = nullptr;
    }
    if (ok) LastError = reinterpret_cast<TVersionCall>(dlsym(handle_, "NetPost32LastError"));
    return ok;
  }
  const std::string& Error() const { return error_; }

 private:
  template <typename TCall>
  bool Bind(TCall& call, const char* name) {
    call = reinterpret_cast<TCall>(dlsym(handle_, name));
    return call != nullptr || Fail(std::string("호출이 없습니다: ") + name);
  }
  bool Fail(const std::string& why) {
    error_ = "통신 모듈을 불러올 수 없습니다 (" + std::string(kLibraryName) + "): " + why;
    return false;
  }

  void* handle_ = nullptr;
  std::string error_;
};

TComponent g_component;
TEdiOperation g_lastOperation = TEdiOperation::None;
int g_lastResult = 0;
bool g_loadFailed = false;  // the last call found no component
std::string g_lastReason;   // the component's reason for a failed last call

// Records the operation, runs the call when the component is there and records its result.
template <typename TCall>
int Call(TEdiOperation operation, TCall call) {
  g_lastOperation = operation;
  g_lastReason.clear();
  g_loadFailed = !g_component.Load();
  g_lastResult = g_loadFailed ? kEdiStopped : call();
  if (!g_loadFailed && g_component.LastError != nullptr) {
    const char* reason = g_component.LastError();
    if (reason == nullptr || !TryFromCp949(reason, g_lastReason)) g_lastReason.clear();
  }
  return g_lastResult;
}

}  // namespace

void ResetEdiLastCall() {
  g_lastOperation = TEdiOperation::None;
  g_lastResult = 0;
  g_loadFailed = false;
  g_lastReason.clear();
}

TEdiOperation EdiLastOperation() {
  return g_lastOperation;
}
int EdiLastResult() {
  return g_lastResult;
}

bool EdiEnvSetup() {
  return Call(TEdiOperation::Setup, [] { return g_component.EnvSetup(kEdiProgramKey); }) > 0;
}

bool EdiSend() {
  return Call(TEdiOperation::Send, [] { return g_component.Send(kEdiProgramKey); }) > 0;
}

bool EdiReceive() {
  return Call(TEdiOperation::Receive, [] { return g_component.Receive(kEdiProgramKey); }) > 0;
}

bool EdiReReceive() {
  return Call(TEdiOperation::ReReceive, [] { return g_component.ReReceive(kEdiProgramKey); }) > 0;
}

bool EdiSendReceive(bool& sendOk, bool& receiveOk, int* sendResult, int* receiveResult) {
  int sent = -1, received = -1;
  const int result = Call(TEdiOperation::SendReceive, [&] {
    return g_component.SendReceive(kEdiProgramKey, &sent, &received);
  });
  if (sendResult != nullptr) *sendResult = sent;
  if (receiveResult != nullptr) *receiveResult = received;
  sendOk = sent >= 0;
  receiveOk = received >= 0;
  if (g_loadFailed) return false;
  if (!sendOk) {
    g_lastOperation = TEdiOperation::Send;
    g_lastResult = sent;
  }
  if (!receiveOk) {
    g_lastOperation = TEdiOperation::Receive;
    g_lastResult = received;
  }
  return result > 0 && (sendOk || receiveOk);
}

std::string EdiResultMessage(TEdiOperation operation, int result) {
  using Op = TEdiOperation;
  const bool receiving = operation == Op::Receive || operation == Op::ReReceive;
  if (operation == Op::None) return "오류없음";
  if (result > 0) {
    if (operation == Op::Send) return "송신 완료";
    if (receiving) return "수신 완료";
    if (operation == Op::Setup) return "정상 처리 되었습니다.";
  }
  if (result == 0) {
    if (operation == Op::Send) return "송신할 파일이 없습니다";
    if (receiving) return "수신할 파일이 없습니다";
    if (operation == Op::Setup) return "취소되었습니다.";
  }
  switch (result) {
    case -1:
    case -999:
      return "처리가 중단되었습니다";
    case -10:
      return operation == Op::Receive ? "수신 자료 처리중 오류 발생"
                                      : "사용자 ID가 등록되어 있지 않습니다";
    case -20:
      return "디렉토리 설정이 되어 있지 않습니다";
    case -30:
      return "헤더 생성 오류 발생";
    case -40:
      return "헤더 검사 오류 발생";
    case -50:
      return "송신 파일 Merge 오류 발생";
    case -60:
      return "송신 파일 압축 오류 발생";
    case -777:
      return "프로그램 오류 발생 (Registry 관련)";
    case -888:
      return "비밀번호 기능 이용시 비밀번호 입력 실패";
    default:
      return "?????";
  }
}

std::string EdiLastMessage() {
  if (g_loadFailed) return g_component.Error();
  std::string message = EdiResultMessage(g_lastOperation, g_lastResult);
  if (g_lastResult < 0 && !g_lastReason.empty()) message += " (" + g_lastReason + ")";
  return message;
}

std::string ReadEdiLoginId() {
  TRegistry registry;
  if (!registry.OpenKey(EdiUserInfoKey(kEdiProgramKey), false)) return "";
  return registry.ReadString("LoginID").value_or("");
}

int ReadComType() {
  TRegistry registry;
  if (!registry.OpenKey(EdiCommKey(kEdiProgramKey), true)) return -1;
  return registry.ReadInteger("COM-TYPE").value_or(-1);
}

std::string EdiLibraryVersion() {
  if (!g_component.Load()) return "";
  const char* version = g_component.Version();
  return version != nullptr ? version : "";
}

bool RegisterVersions() {
  const std::string folder = ExeDir.empty() ? ProgramFolder() : ExeDir;
  TRegistry registry;
  if (registry.OpenKey("Software\\PATCHRUNGRADE\\DB\\Setup.exe", true))
    registry.WriteValues({{"Dir", false, folder, 0}, {"Ver", false, SELVANE_VERSION, 0}});
  if (!registry.OpenKey("Software\\PATCHRUNGRADE\\DB\\NetPost32.dll", true)) return false;
  registry.WriteValues({{"Dir", false, folder, 0}, {"Ver", false, EdiLibraryVersion(), 0}});
  return true;
}

}  // namespace selvane
