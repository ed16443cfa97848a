#include "Mailbox.h"

#include <filesystem>
#include <vector>

#include "NetPost32.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "core/Registry.h"
#include "core/TextRoutines.h"

namespace selvane::netpost {

namespace fs = std::filesystem;

namespace {

constexpr const char* kEnvelopeMark = "<<NEHEAD>>";
constexpr std::size_t kEnvelopeLength = 61;

// What every exchange needs: the settings, the login ID and the mailbox.
struct TSession {
  TEdiConfig Config;
  std::string Login;
  std::string Mailbox;
};

// A folder setting that names an existing folder, with the separator; empty otherwise.
std::string ExistingFolder(const std::string& setting) {
  std::string folder = WithBackslash(setting);
  std::error_code ec;
  return !folder.empty() && fs::is_directory(folder, ec) ? folder : std::string();
}

// The result code of a failure, with its reason kept for NetPost32LastError.
int Fault(int code, const std::string& reason) {
  LastError() = reason;
  return code;
}

int OpenSession(const std::string& programKey, TSession& session) {
  session.Config = DefaultEdiConfig(programKey);
  std::string error;
  if (!ReadEdiSettings(session.Config, programKey, &error))
    return Fault(NETPOST32_REGISTRY,
                 error.empty() ? "통신 설정이 없습니다: " + EdiCommKey(programKey) : error);
  session.Login = Trim(session.Config.LoginID);
  // The login ID names a folder of the mailbox: a name that would leave it is no user ID.
  if (session.Login.empty() || session.Login == "." || session.Login == ".." ||
      session.Login.find('/') != std::string::npos)
    return Fault(NETPOST32_NO_LOGIN, "사용자 ID: \"" + session.Config.LoginID + "\"");
  const std::string mailbox = MailboxFolder(programKey);
  session.Mailbox = ExistingFolder(mailbox);
  if (session.Mailbox.empty())
    return Fault(NETPOST32_NO_FOLDER, "우편함 폴더가 없습니다: " + mailbox);
  return 0;
}

// The session and the receive folder of a receive.
int OpenReceiving(const std::string& programKey, TSession& session, std::string& recvDir) {
  if (int fault = OpenSession(programKey, session)) return fault;
  recvDir = ExistingFolder(session.Config.RecvDir);
  return recvDir.empty()
             ? Fault(NETPOST32_NO_FOLDER, "수신 폴더가 없습니다: " + session.Config.RecvDir)
             : 0;
}

// Copies source to target through a hidden file beside the target, so that the target is
// either the old file or the whole new one.
bool CopyWhole(const fs::path& source, const fs::path& target) {
  fs::path part = target.parent_path() / ("." + target.filename().string() + ".part");
  std::error_code ec;
  fs::copy_file(source, part, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(part, target, ec);
  if (ec) fs::remove(part, ec);
  return !ec;
}

// Moves source to target (replacing it): a rename where possible, else a whole copy and then
// the source removed.
bool MoveWhole(const fs::path& source, const fs::path& target) {
  std::error_code ec;
  fs::rename(source, target, ec);
  if (!ec) return true;
  if (!CopyWhole(source, target)) return false;
  fs::remove(source, ec);
  if (!ec) return true;
  fs::remove(target, ec);  // the source stays: the file is not sent twice
  return false;
}

bool MakeFolder(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return fs::is_directory(folder, ec);
}

// The envelope line every request file starts with: "<<NEHEAD>>", 61 characters in all.
int CheckEnvelope(const std::string& file, bool checkLength) {
  std::string bytes;
  if (!ReadWholeFile(file, bytes)) return NETPOST32_STOPPED;
  std::string line = bytes.substr(0, bytes.find('\n'));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (!line.starts_with(kEnvelopeMark)) return NETPOST32_HEADER_MISSING;
  if (checkLength && line.size() != kEnvelopeLength) return NETPOST32_HEADER_INVALID;
  return 0;
}

}  // namespace

std::string NetworkKey(const std::string& programKey) {
  return "Software\\" + programKey + "\\NetPost32\\Network";
}

std::string MailboxFolder(const std::string& programKey) {
  TRegistry registry;
  if (registry.OpenKey(NetworkKey(programKey), false)) {
    std::string folder = WithBackslash(registry.ReadString("Mailbox").value_or(""));
    if (!folder.empty()) return folder;
  }
  return ProgramFolder() + "Mailbox/";
}

bool SaveSetup(const TEdiConfig& config, const std::string& mailbox, std::string& error) {
  if (!WriteEdiSettings(config, &error)) return false;
  TRegistry registry;
  if (registry.OpenKey(NetworkKey(config.ProgramKey), true) &&
      registry.WriteString("Mailbox", mailbox))
    return true;
  error = registry.Error();
  return false;
}

std::string& LastError() {
  static std::string reason;
  return reason;
}

int SendFiles(const std::string& programKey) {
  TSession session;
  if (int fault = OpenSession(programKey, session)) return fault;
  const std::string sendDir = ExistingFolder(session.Config.SendDir);
  if (sendDir.empty())
    return Fault(NETPOST32_NO_FOLDER, "송신 폴더가 없습니다: " + session.Config.SendDir);
  std::vector<std::string> files;
  if (ListFiles(sendDir, "*.*", files) == 0) return 0;

  // Every check before the first file leaves, so that a refused batch stays whole.
  const std::string outbox = session.Mailbox + "outbox/" + session.Login + "/";
  for (const auto& name : files) {
    if (session.Config.HeaderCheck)
      if (int fault = CheckEnvelope(sendDir + name, session.Config.HeaderValCheck))
        return Fault(fault, sendDir + name);
    std::error_code ec;
    if (fs::exists(outbox + name, ec))
      return Fault(NETPOST32_OUTBOX_CLASH,
                   "답을 받지 않은 같은 이름의 요청이 있습니다: " + outbox + name);
  }
  const std::string old = sendDir + "Old/";
  if (!MakeFolder(outbox) || !MakeFolder(old))
    return Fault(NETPOST32_STOPPED, "폴더를 만들 수 없습니다: " + outbox);
  int moved = 0;
  for (const auto& name : files) {
    if (!CopyWhole(sendDir + name, old + name) || !MoveWhole(sendDir + name, outbox + name))
      return Fault(NETPOST32_STOPPED, "파일을 옮길 수 없습니다: " + sendDir + name);
    ++moved;
  }
  return moved;
}

int ReceiveFiles(const std::string& programKey) {
  TSession session;
  std::string recvDir;
  if (int fault = OpenReceiving(programKey, session, recvDir)) return fault;
  const std::string inbox = session.Mailbox + "inbox/" + session.Login + "/";
  std::vector<std::string> files;
  if (ListFiles(inbox, "*.*", files) == 0) return 0;

  const std::string kept = session.Mailbox + "received/" + session.Login + "/";
  if (!MakeFolder(kept)) return NETPOST32_STOPPED;
  std::vector<std::string> earlier;
  ListFiles(kept, "*.*", earlier);
  for (const auto& name : earlier) {
    std::error_code ec;
    fs::remove(kept + name, ec);
  }
  int moved = 0;
  for (const auto& name : files) {
    if (!CopyWhole(inbox + name, kept + name) || !MoveWhole(inbox + name, recvDir + name))
      return NETPOST32_STOPPED;
    ++moved;
  }
  return moved;
}

int ReReceiveFiles(const std::string& programKey) {
  TSession session;
  std::string recvDir;
  if (int fault = OpenReceiving(programKey, session, recvDir)) return fault;
  const std::string kept = session.Mailbox + "received/" + session.Login + "/";
  std::vector<std::string> files;
  ListFiles(kept, "*.*", files);
  for (const auto& name : files)
    if (!CopyWhole(kept + name, recvDir + name)) return NETPOST32_STOPPED;
  return static_cast<int>(files.size());
}

int SendAndReceive(const std::string& programKey, int& sendResult, int& receiveResult) {
  sendResult = SendFiles(programKey);
  receiveResult = ReceiveFiles(programKey);
  const int moved = std::max(sendResult, 0) + std::max(receiveResult, 0);
  if (moved > 0) return moved;
  if (sendResult < 0) return sendResult;
  return receiveResult;
}

}  // namespace selvane::netpost
