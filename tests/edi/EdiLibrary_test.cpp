#include "edi/EdiLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "core/EdiSettings.h"
#include "core/Globals.h"
#include "core/Registry.h"
#include "support/SettingsSandbox.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;
using Op = TEdiOperation;

std::vector<std::string> FilesOf(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec))
    if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A program folder with its settings (login OFFICE01) and a mailbox beside it.
class EdiExchange : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadWorkingFolders();
    config_ = DefaultEdiConfig();
    config_.LoginID = "OFFICE01";
    Save();
    fs::create_directories(Home() + "Send");
    fs::create_directories(Home() + "Recv");
    fs::create_directories(Mailbox());
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Software\\Selvane.exe\\NetPost32\\Network", true));
    ASSERT_TRUE(registry.WriteString("Mailbox", Mailbox()));
    ResetEdiLastCall();
  }

  void Save() { ASSERT_TRUE(WriteEdiSettings(config_)); }
  std::string Home() const { return sandbox_.ProgramHome(); }
  std::string Mailbox() const { return sandbox_.Root() + "mailbox/"; }
  std::string Outbox() const { return Mailbox() + "outbox/OFFICE01/"; }
  std::string Inbox() const { return Mailbox() + "inbox/OFFICE01/"; }
  void Put(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& path) { return test::TTempFolder::ReadFile(path); }

  test::TSettingsSandbox sandbox_;
  TEdiConfig config_;
};

// The envelope line of a request file: 61 characters.
const std::string kEnvelope = "<<NEHEAD>>1N0000000000          OFFICE01  KIUP01001KIUPBANK  ";

TEST_F(EdiExchange, SendMovesEveryFileAndKeepsACopy) {
  ASSERT_EQ(kEnvelope.size(), 61u);
  const std::string request = kEnvelope + "\r\nD0001\xB0\xA1\xB3\xAA\r\n";
  Put(Home() + "Send/KIUP01", request);
  Put(Home() + "Send/NH0001", "second");
  Put(Home() + "Send/.hidden", "not a request");

  EXPECT_TRUE(EdiSend());
  EXPECT_EQ(EdiLastOperation(), Op::Send);
  EXPECT_EQ(EdiLastResult(), 2);
  EXPECT_EQ(EdiLastMessage(), "송신 완료");
  EXPECT_EQ(FilesOf(Outbox()), (std::vector<std::string>{"KIUP01", "NH0001"}));
  EXPECT_EQ(Read(Outbox() + "KIUP01"), request);
  EXPECT_EQ(FilesOf(Home() + "Send/Old"), (std::vector<std::string>{"KIUP01", "NH0001"}));
  EXPECT_EQ(Read(Home() + "Send/Old/KIUP01"), request);
  EXPECT_EQ(FilesOf(Home() + "Send"), (std::vector<std::string>{".hidden"}));
}

TEST_F(EdiExchange, NothingToSendOrReceive) {
  EXPECT_FALSE(EdiSend());
  EXPECT_EQ(EdiLastResult(), 0);
  EXPECT_EQ(EdiLastMessage(), "송신할 파일이 없습니다");
  EXPECT_FALSE(EdiReceive());
  EXPECT_EQ(EdiLastResult(), 0);
  EXPECT_EQ(EdiLastMessage(), "수신할 파일이 없습니다");
  EXPECT_FALSE(EdiReReceive());  // nothing was ever received
  EXPECT_EQ(EdiLastOperation(), Op::ReReceive);
  EXPECT_EQ(EdiLastMessage(), "수신할 파일이 없습니다");
}

TEST_F(EdiExchange, ReceiveMovesTheInboxAndKeepsItForAReReceive) {
  Put(Inbox() + "KIUPR1", "result one\r\n");
  Put(Inbox() + "NHR001", "result two\r\n");
  EXPECT_TRUE(EdiReceive());
  EXPECT_EQ(EdiLastResult(), 2);
  EXPECT_EQ(EdiLastMessage(), "수신 완료");
  EXPECT_EQ(FilesOf(Home() + "Recv"), (std::vector<std::string>{"KIUPR1", "NHR001"}));
  EXPECT_EQ(Read(Home() + "Recv/KIUPR1"), "result one\r\n");
  EXPECT_TRUE(FilesOf(Inbox()).empty());

  // The window empties the receive folder; a second fetch brings the same files back.
  fs::remove(Home() + "Recv/KIUPR1");
  fs::remove(Home() + "Recv/NHR001");
  EXPECT_FALSE(EdiReceive());
  EXPECT_TRUE(EdiReReceive());
  EXPECT_EQ(EdiLastResult(), 2);
  EXPECT_EQ(Read(Home() + "Recv/NHR001"), "result two\r\n");

  // A new batch replaces the kept one.
  Put(Inbox() + "JBR001", "three");
  EXPECT_TRUE(EdiReceive());
  fs::remove_all(Home() + "Recv");
  fs::create_directories(Home() + "Recv");
  EXPECT_TRUE(EdiReReceive());
  EXPECT_EQ(FilesOf(Home() + "Recv"), (std::vector<std::string>{"JBR001"}));
}

TEST_F(EdiExchange, LoginIdThatNamesNoUserIsRefused) {
  Put(Home() + "Send/KIUP01", kEnvelope);
  Put(Inbox() + "KIUPR1", "result");
  for (const char* login : {"", "   ", "..", "a/b"}) {
    SCOPED_TRACE(login);
    config_.LoginID = login;
    Save();
    // The component's reason follows the table's text.
    const std::string reason = std::string(" (사용자 ID: \"") + login + "\")";
    EXPECT_FALSE(EdiSend());
    EXPECT_EQ(EdiLastResult(), kEdiNoLogin);
    EXPECT_EQ(EdiLastMessage(), "사용자 ID가 등록되어 있지 않습니다" + reason);
    EXPECT_FALSE(EdiReceive());
    EXPECT_EQ(EdiLastResult(), kEdiNoLogin);
    EXPECT_EQ(EdiLastMessage(), "수신 자료 처리중 오류 발생" + reason);
    EXPECT_FALSE(EdiReReceive());
    EXPECT_EQ(EdiLastMessage(), "사용자 ID가 등록되어 있지 않습니다" + reason);
  }
  EXPECT_EQ(FilesOf(Home() + "Send"), (std::vector<std::string>{"KIUP01"}));
  EXPECT_EQ(FilesOf(Inbox()), (std::vector<std::string>{"KIUPR1"}));
}

TEST_F(EdiExchange, FolderNotSetOrMissing) {
  Put(Home() + "Send/KIUP01", kEnvelope);
  struct TCase {
    const char* name;
    std::function<void()> damage;
    bool (*call)();
    std::string reason;
  };
  const std::string nowhere = sandbox_.Root() + "nowhere";
  const TCase cases[] = {
      {"send folder missing", [&] { config_.SendDir = nowhere; }, EdiSend,
       "송신 폴더가 없습니다: " + nowhere},
      {"receive folder missing", [&] { config_.RecvDir = nowhere; }, EdiReceive,
       "수신 폴더가 없습니다: " + nowhere},
      {"receive folder missing, again", [&] { config_.RecvDir = nowhere; }, EdiReReceive,
       "수신 폴더가 없습니다: " + nowhere},
      {"mailbox missing", [&] { fs::rename(Mailbox(), sandbox_.Root() + "gone"); }, EdiSend,
       "우편함 폴더가 없습니다: " + Mailbox()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TEdiConfig saved = config_;
    c.damage();
    Save();
    EXPECT_FALSE(c.call());
    EXPECT_EQ(EdiLastResult(), kEdiNoFolder);
    EXPECT_EQ(EdiLastMessage(), "디렉토리 설정이 되어 있지 않습니다 (" + c.reason + ")");
    config_ = saved;
    Save();
    if (fs::exists(sandbox_.Root() + "gone")) fs::rename(sandbox_.Root() + "gone", Mailbox());
  }
  EXPECT_EQ(FilesOf(Home() + "Send"), (std::vector<std::string>{"KIUP01"}));
}

TEST_F(EdiExchange, EnvelopeChecksRefuseTheWholeBatch) {
  struct TCase {
    const char* name;
    bool headerCheck, lengthCheck;
    std::string firstLine;
    int expected;
    const char* message;
  };
  const TCase cases[] = {
      {"no envelope", true, true, "D0001 recipients", kEdiHeaderMissing, "헤더 생성 오류 발생"},
      {"short envelope", true, true, "<<NEHEAD>>1N", kEdiHeaderInvalid, "헤더 검사 오류 발생"},
      {"long envelope", true, true, kEnvelope + " ", kEdiHeaderInvalid, "헤더 검사 오류 발생"},
      {"length not checked", true, false, "<<NEHEAD>>1N", 2, "송신 완료"},
      {"checks off", false, true, "D0001 recipients", 2, "송신 완료"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    config_.HeaderCheck = c.headerCheck;
    config_.HeaderValCheck = c.lengthCheck;
    Save();
    fs::remove_all(Mailbox() + "outbox");
    Put(Home() + "Send/A00001", kEnvelope + "\r\nD0001\r\n");  // a good one goes first
    Put(Home() + "Send/B00001", c.firstLine + "\r\nD0001\r\n");
    EXPECT_EQ(EdiSend(), c.expected > 0);
    EXPECT_EQ(EdiLastResult(), c.expected);
    EXPECT_EQ(EdiLastMessage(), c.expected > 0 ? std::string(c.message)
                                               : c.message + (" (" + Home() + "Send/B00001)"));
    EXPECT_EQ(FilesOf(Home() + "Send").size(), c.expected > 0 ? 0u : 2u);
  }
}

TEST_F(EdiExchange, UnansweredFileOfTheSameNameIsNotOverwritten) {
  Put(Outbox() + "KIUP01", "yesterday's request");
  Put(Home() + "Send/KIUP01", kEnvelope);
  EXPECT_FALSE(EdiSend());
  EXPECT_EQ(EdiLastResult(), -50);
  EXPECT_EQ(EdiLastMessage(),
            "송신 파일 Merge 오류 발생 (답을 받지 않은 같은 이름의 요청이 있습니다: " + Outbox() +
                "KIUP01)");
  EXPECT_EQ(Read(Outbox() + "KIUP01"), "yesterday's request");
  EXPECT_EQ(FilesOf(Home() + "Send"), (std::vector<std::string>{"KIUP01"}));
}

TEST_F(EdiExchange, SettingsThatCannotBeReadGiveTheRegistryError) {
  Put(Home() + "Send/KIUP01", kEnvelope);
  const std::string damaged = "REGEDIT4\n[HKEY_CURRENT_USER\\Software\n";
  sandbox_.WriteRegistry(damaged);
  EXPECT_FALSE(EdiSend());
  EXPECT_EQ(EdiLastResult(), kEdiRegistry);
  EXPECT_EQ(EdiLastMessage().rfind(
                "프로그램 오류 발생 (Registry 관련) (레지스트리 파일이 손상되었습니다: ", 0),
            0u)
      << EdiLastMessage();
  EXPECT_EQ(sandbox_.RegistryText(), damaged);

  sandbox_.WriteRegistry("REGEDIT4\n");  // no settings keys at all
  EXPECT_FALSE(EdiReceive());
  EXPECT_EQ(EdiLastResult(), kEdiRegistry);
  EXPECT_EQ(FilesOf(Home() + "Send"), (std::vector<std::string>{"KIUP01"}));
}

TEST_F(EdiExchange, SendAndReceiveNamesTheHalfThatFailed) {
  bool sendOk = false, receiveOk = false;
  int sent = 0, received = 0;

  // Both halves with nothing to do: both ok, but the call moved nothing.
  EXPECT_FALSE(EdiSendReceive(sendOk, receiveOk, &sent, &received));
  EXPECT_TRUE(sendOk);
  EXPECT_TRUE(receiveOk);
  EXPECT_EQ(EdiLastOperation(), Op::SendReceive);
  EXPECT_EQ(EdiLastResult(), 0);

  // Both move files.
  Put(Home() + "Send/KIUP01", kEnvelope);
  Put(Inbox() + "KIUPR1", "result");
  EXPECT_TRUE(EdiSendReceive(sendOk, receiveOk, &sent, &received));
  EXPECT_EQ(sent, 1);
  EXPECT_EQ(received, 1);
  EXPECT_EQ(EdiLastOperation(), Op::SendReceive);
  EXPECT_EQ(EdiLastResult(), 2);

  // The send half fails, the receive half brings a file.
  config_.HeaderCheck = true;
  Save();
  Put(Home() + "Send/KIUP02", "no envelope");
  Put(Inbox() + "KIUPR2", "result");
  EXPECT_TRUE(EdiSendReceive(sendOk, receiveOk));
  EXPECT_FALSE(sendOk);
  EXPECT_TRUE(receiveOk);
  EXPECT_EQ(EdiLastOperation(), Op::Send);
  EXPECT_EQ(EdiLastResult(), kEdiHeaderMissing);
  EXPECT_EQ(EdiLastMessage(), "헤더 생성 오류 발생 (" + Home() + "Send/KIUP02)");
  EXPECT_EQ(FilesOf(Home() + "Recv"), (std::vector<std::string>{"KIUPR1", "KIUPR2"}));

  // The receive half fails alone.
  config_.HeaderCheck = false;
  config_.RecvDir = sandbox_.Root() + "nowhere";
  Save();
  EXPECT_TRUE(EdiSendReceive(sendOk, receiveOk, &sent, &received));
  EXPECT_TRUE(sendOk);
  EXPECT_FALSE(receiveOk);
  EXPECT_EQ(sent, 1);
  EXPECT_EQ(EdiLastOperation(), Op::Receive);
  EXPECT_EQ(EdiLastResult(), kEdiNoFolder);

  // Both fail: the receive half is named.
  config_.LoginID = "";
  Save();
  EXPECT_FALSE(EdiSendReceive(sendOk, receiveOk, &sent, &received));
  EXPECT_FALSE(sendOk);
  EXPECT_FALSE(receiveOk);
  EXPECT_EQ(EdiLastOperation(), Op::Receive);
  EXPECT_EQ(EdiLastResult(), kEdiNoLogin);
  EXPECT_EQ(EdiLastMessage(), "수신 자료 처리중 오류 발생 (사용자 ID: \"\")");
}

TEST(EdiMessages, EveryRowOfTheTable) {
  struct TCase {
    Op operation;
    int result;
    const char* text;
  };
  const TCase cases[] = {
      {Op::None, 0, "오류없음"},
      {Op::None, -20, "오류없음"},
      {Op::Send, 3, "송신 완료"},
      {Op::Receive, 1, "수신 완료"},
      {Op::ReReceive, 2, "수신 완료"},
      {Op::Setup, 1, "정상 처리 되었습니다."},
      {Op::Send, 0, "송신할 파일이 없습니다"},
      {Op::Receive, 0, "수신할 파일이 없습니다"},
      {Op::ReReceive, 0, "수신할 파일이 없습니다"},
      {Op::Setup, 0, "취소되었습니다."},
      {Op::Send, -1, "처리가 중단되었습니다"},
      {Op::SendReceive, -999, "처리가 중단되었습니다"},
      {Op::Receive, -10, "수신 자료 처리중 오류 발생"},
      {Op::ReReceive, -10, "사용자 ID가 등록되어 있지 않습니다"},
      {Op::Send, -10, "사용자 ID가 등록되어 있지 않습니다"},
      {Op::Setup, -10, "사용자 ID가 등록되어 있지 않습니다"},
      {Op::Receive, -20, "디렉토리 설정이 되어 있지 않습니다"},
      {Op::Send, -30, "헤더 생성 오류 발생"},
      {Op::Send, -40, "헤더 검사 오류 발생"},
      {Op::Send, -50, "송신 파일 Merge 오류 발생"},
      {Op::Send, -60, "송신 파일 압축 오류 발생"},
      {Op::Setup, -777, "프로그램 오류 발생 (Registry 관련)"},
      {Op::Receive, -888, "비밀번호 기능 이용시 비밀번호 입력 실패"},
      {Op::SendReceive, 2, "?????"},
      {Op::SendReceive, 0, "?????"},
      {Op::Send, -2, "?????"},
      {Op::Receive, -11, "?????"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(EdiResultMessage(c.operation, c.result), c.text)
        << static_cast<int>(c.operation) << " " << c.result;
}

TEST(EdiRegistryValues, LoginIdComTypeAndVersions) {
  test::TSettingsSandbox sandbox;
  LoadWorkingFolders();
  EXPECT_EQ(ReadEdiLoginId(), "");
  EXPECT_EQ(ReadComType(), -1);
  // Reading the communication type creates the Comm key; the login ID needs UserInfo.
  EXPECT_EQ(sandbox.RegistryText(),
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]\n");
  sandbox.WriteRegistry(
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]\n"
      "\"COM-TYPE\"=dword:00000000\n"
      "[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]\n\"LoginID\"="
      "\"OFFICE05\"\n");
  EXPECT_EQ(ReadComType(), 0);
  EXPECT_EQ(ReadEdiLoginId(), "OFFICE05");

  ASSERT_TRUE(RegisterVersions());
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("Software\\PATCHRUNGRADE\\DB\\Setup.exe", false));
  EXPECT_EQ(registry.ReadString("Dir"), ExeDir);
  EXPECT_EQ(registry.ReadString("Ver"), "1.5.4.1");
  ASSERT_TRUE(registry.OpenKey("Software\\PATCHRUNGRADE\\DB\\NetPost32.dll", false));
  EXPECT_EQ(registry.ReadString("Dir"), ExeDir);
  EXPECT_EQ(registry.ReadString("Ver"), EdiLibraryVersion());
  EXPECT_EQ(EdiLibraryVersion(), "1.0.0.3");
}

}  // namespace
}  // namespace selvane
