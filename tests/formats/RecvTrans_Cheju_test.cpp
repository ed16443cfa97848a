// The Jeju Bank's result reader: its own header, the 10-digit amount, the result code in
// positions 72-75, the end record's count less header and end, and a count that is not a number
// failing the whole receive run.
#include "formats/RecvTrans_Cheju.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "edi/EDIRecv.h"
#include "edi/ResultReader.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

std::string Pad(std::string text) {
  text.resize(78, ' ');
  return text + "\r\n";
}

// Result records as the bank sends them back.
std::string S(const std::string& corcode = "JEJU0001", const std::string& bank = "35") {
  return Pad("S" + bank + corcode + std::string(8 - corcode.size(), ' ') +
             "11261211261211261209        123456789");
}
std::string D(const std::string& bank, const std::string& account, const std::string& amount,
              const std::string& result) {
  return Pad("D" + bank + account + std::string(15 - account.size(), ' ') + amount +
             "7001011234567           " + std::string(14, ' ') + "0311 " + result);
}
std::string E(const std::string& count) {
  return Pad("E" + count + "000000150000" + std::string(36, '0'));
}

std::vector<std::string> Files(const std::string& folder) {
  std::vector<std::string> files;
  ListFiles(folder, "*.*", files);
  return files;
}

class RecvJejuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    folder_.AddInstitution({.Name = "제주시청", .BankId = "35", .Corcode = "JEJU0001"});
    folder_.AddOrder({.State = 2});
  }
  void TearDown() override { SetClock(std::nullopt); }

  TResultReport Read(const std::string& bytes) {
    return RecvTrans_Cheju(folder_.WriteRecvFile("RCV01", bytes), folder_.Dm);
  }
  std::vector<std::string> Sub(const char* column) { return folder_.Column("TBTransSub", column); }

  test::TTransferFolder folder_;
  test::TRecordedExchange view_;
};

TEST_F(RecvJejuTest, ResultsAreRecordedAndTheCountLeavesOutHeaderAndEnd) {
  folder_.AddRecipient({.BankNo = "123-4567-8901", .Won = 150000, .State = 2});
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  // A valid account is compared in its hyphenated form, another as read.
  auto report = Read(S() + D("04", "12345678901", "0000150000", "0000") +
                     D("04", "12345", "0000000300", "E999") + E("000012"));
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(report.Applied, 2);
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0000", "E999"}));
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"3", "3"}));
  EXPECT_EQ(Sub("Recv_date"), (std::vector<std::string>{"2026-12-10", "2026-12-10"}));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"3"});
  EXPECT_EQ(folder_.Column("TBTrans", "Recv_date"), std::vector<std::string>{"2026-12-10"});
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "제주시청");
  EXPECT_EQ(report.Lines[0].FileName, "RCV01");
  EXPECT_EQ(report.Lines[0].Count, 10);
  // Two applied where the end record counts ten.
  EXPECT_EQ(RecvRemark(report.Lines[0]), "자금 이체 (적용 2건, 끝 레코드 건수와 다름)");
}

TEST_F(RecvJejuTest, RecordsThatDoNotMatchArePassedOverWithTheirReason) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  folder_.AddInstitution({.Id = 2,
                          .Name = "서귀포시청",
                          .BankId = "35",
                          .Corcode = "JEJU0002",
                          .SendName = "SND02",
                          .RecvName = "RCV02"});
  folder_.AddOrder({.KigwanId = 2, .State = 2});
  folder_.AddRecipient({.KigwanId = 2, .BankNo = "555", .Won = 300, .State = 2});
  struct TCase {
    const char* what;
    std::string data;
    const char* reason;
  } cases[] = {
      {"another institution's recipient", D("04", "555", "0000000300", "0000"),
       "일치하는 송신완료 수신자 없음: 04 555 300"},
      {"another amount", D("04", "12345", "0000000400", "0000"),
       "일치하는 송신완료 수신자 없음: 04 12345 400"},
      {"bytes that are not CP949", D("04", "123\xff\xff", "0000000300", "0000"),
       "CP949로 읽을 수 없는 계좌 정보"},
  };
  for (const auto& c : cases) {
    folder_.Dm.Database.Execute("UPDATE TBTrans SET State = 2");  // the last end marked it
    auto report = Read(S() + c.data + E("000003"));
    EXPECT_EQ(report.Applied, 0) << c.what;
    ASSERT_EQ(report.Skipped.size(), 1u) << c.what;
    EXPECT_EQ(report.Skipped[0].RecordNo, 2) << c.what;
    EXPECT_EQ(report.Skipped[0].Reason, c.reason) << c.what;
  }
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"2", "2"}));
}

TEST_F(RecvJejuTest, AUserNumberCutToEightFindsNoInstitution) {
  // An institution whose stored number is longer than the field: the bank can only answer its
  // first 8 characters, and the whole number is compared.
  folder_.Dm.Database.Execute("UPDATE KiGwan SET CorCode = 'JEJU00011'");
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  auto report = Read(S("JEJU0001") + D("04", "12345", "0000000300", "0000") + E("000003"));
  EXPECT_EQ(report.Applied, 0);
  EXPECT_EQ(report.Skipped[0].Reason, "등록된 기관이 아님: 35 JEJU0001");
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"2"});
}

TEST_F(RecvJejuTest, AnEndCountBelowTwoOrCutMakesTheFileNotWhole) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  const std::string data = D("04", "12345", "0000000300", "0000");
  for (const std::string& bytes :
       {S() + data + E("000001"), S() + data + E("000003").substr(0, 60), S() + data}) {
    auto report = Read(bytes);
    EXPECT_FALSE(report.Complete) << bytes;
  }
}

TEST_F(RecvJejuTest, AnEndCountThatIsNotANumberFailsTheWholeReceiveRun) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  const std::string broken = S("JEJU0003") + D("04", "777", "0000000300", "0000") + E("00001A");
  try {
    Read(broken);
    ADD_FAILURE() << "read without an error";
  } catch (const TResultFileError& error) {
    EXPECT_STREQ(error.what(),
                 "제주은행 결과 파일 RCV01의 3번째 레코드(끝 레코드)의 건수가 숫자가 아닙니다: "
                 "\"00001A\"");
  }
  folder_.Dm.Database.Rollback();

  // A whole file read before it in the same run keeps nothing either.
  folder_.AddInstitution({.Id = 3,
                          .Name = "서귀포시청",
                          .BankId = "35",
                          .Corcode = "JEJU0003",
                          .SendName = "SND03",
                          .RecvName = "RCV03"});
  folder_.AddOrder({.KigwanId = 3, .State = 2});
  folder_.AddRecipient({.KigwanId = 3, .BankNo = "777", .Won = 300, .State = 2});
  folder_.WriteRecvFile("RCV01", S() + D("04", "12345", "0000000300", "0000") + E("000003"));
  folder_.WriteRecvFile("RCV03", broken);
  EXPECT_FALSE(ApplyResultFiles(folder_.Dm, view_));
  ASSERT_FALSE(view_.Status.empty());
  EXPECT_EQ(view_.Status.back(),
            (test::TStatusLine{"수신 자료 처리 실패. 제주은행 결과 파일 RCV03의 3번째 "
                               "레코드(끝 레코드)의 건수가 숫자가 아닙니다: \"00001A\"",
                               true}));
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"2", "2"}));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), (std::vector<std::string>{"2", "2"}));
  // Both stay to be received again once the bank sends a sound file.
  EXPECT_EQ(Files(RecvDir), (std::vector<std::string>{"RCV01", "RCV03"}));
}

TEST_F(RecvJejuTest, TheSeedFile) {
  // As the fuzz target's institution of bank 35.
  folder_.Dm.Database.Execute("UPDATE KiGwan SET CorCode = 'CORP35'");
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  folder_.AddRecipient({.BankId = "35", .BankNo = "12345678901", .Won = 150000, .State = 2});
  auto report = RecvTrans_Cheju(std::string(SELVANE_TEST_DATA) + "/jeju_result_two_recipients.dat",
                                folder_.Dm);
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(report.Applied, 2);
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0000", "9999"}));
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].Count, 2);
}

}  // namespace
}  // namespace selvane
