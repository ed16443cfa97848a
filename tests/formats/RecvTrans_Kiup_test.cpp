#include "formats/RecvTrans_Kiup.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "edi/EDIRecv.h"
#include "support/FixedText.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

using test::Pad;

// Result records as the bank sends them: 78 bytes and CR LF, the data record filled to 78.
std::string H(const std::string& bank = "03", const std::string& account = "12345678901012") {
  return Pad("11" + bank + "821211" + std::string(6, ' ') + Pad(account, 14) + " " + bank, 78) +
         "\r\n";
}
std::string D(const std::string& account, const std::string& amount, const std::string& result,
              int sequence = 1) {
  char number[7];
  std::snprintf(number, sizeof number, "%06d", sequence);
  return Pad("220382" + std::string(number) + Pad(account, 14) + amount + Pad("7001011234567", 24) +
                 std::string(10, ' ') + " " + result,
             78) +
         "\r\n";
}
std::string E(const std::string& count) {
  return Pad("330382" + count + "0000000150000", 78) + "\r\n";
}

class RecvIndustrialTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    folder_.AddInstitution({.Name = "기업구청",
                            .BankId = "03",
                            .SendName = "SND03",
                            .RecvName = "RCV03",
                            .BankNo = "123-456789-01-012"});
    folder_.AddOrder({.State = 2});
  }
  void TearDown() override { SetClock(std::nullopt); }

  TResultReport Read(const std::string& bytes, const char* name = "RCV03") {
    return RecvTrans_Kiup(folder_.WriteRecvFile(name, bytes), folder_.Dm);
  }
  std::vector<std::string> Sub(const char* column) { return folder_.Column("TBTransSub", column); }

  test::TTransferFolder folder_;
};

TEST_F(RecvIndustrialTest, TheInstitutionReceivingTheFileIsSelectedAndResultsRecorded) {
  folder_.AddRecipient({.BankId = "03", .BankNo = "987-654321-01-015", .Won = 150000, .State = 2});
  folder_.AddRecipient({.BankId = "03", .BankNo = "111-222333-44-555", .Won = 7000, .State = 2});
  auto report = Read(H() + D("98765432101015", "00000150000", "0000") +
                     D("11122233344555", "00000007000", "E301", 2) + E("0000002"));
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(report.Applied, 2);
  EXPECT_TRUE(report.Skipped.empty());
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0000", "E301"}));
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"3", "3"}));
  EXPECT_EQ(Sub("Recv_date"), (std::vector<std::string>{"2026-12-10", "2026-12-10"}));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"3"});
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "기업구청");
  EXPECT_EQ(report.Lines[0].FileName, "RCV03");
  EXPECT_EQ(report.Lines[0].Count, 2);
  EXPECT_EQ(RecvRemark(report.Lines[0]), "자금 이체");
}

TEST_F(RecvIndustrialTest, AHeaderThatDisagreesWithTheInstitutionSelectsNone) {
  folder_.AddRecipient({.BankId = "03", .BankNo = "987-654321-01-015", .Won = 150000, .State = 2});
  const std::string data = D("98765432101015", "00000150000", "0000") + E("0000001");
  struct TCase {
    const char* what;
    std::string bytes;
    const char* name;
    const char* reason;
  } cases[] = {
      {"another withdrawal account", H("03", "99999999999999") + data, "RCV03",
       "헤더의 은행코드나 출금계좌가 이 파일을 받는 기관과 다름: 03 99999999999999"},
      {"another bank", H("04") + data, "RCV03",
       "헤더의 은행코드나 출금계좌가 이 파일을 받는 기관과 다름: 04 12345678901012"},
      {"a file no institution receives", H() + data, "OTHER", "이 파일을 받는 기관이 없음"},
  };
  for (const auto& c : cases) {
    auto report = Read(c.bytes, c.name);
    EXPECT_EQ(report.Applied, 0) << c.what;
    EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"}) << c.what;
    EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"2"}) << c.what;
    ASSERT_EQ(report.Lines.size(), 1u) << c.what;
    EXPECT_EQ(report.Lines[0].KigwanName, "") << c.what;
    EXPECT_EQ(RecvRemark(report.Lines[0]), "일치하는 기관 없음, 적용하지 않음") << c.what;
    ASSERT_EQ(report.Skipped.size(), 2u) << c.what;
    EXPECT_EQ(report.Skipped[0].Reason, c.reason) << c.what;
    EXPECT_EQ(report.Skipped[1].Reason, "기관이 선택되지 않은 레코드") << c.what;
  }
}

TEST_F(RecvIndustrialTest, OfTwoInstitutionsReceivingTheFileTheHeadersAccountChooses) {
  folder_.AddInstitution({.Id = 2,
                          .Name = "기업군청",
                          .BankId = "03",
                          .SendName = "SND04",
                          .RecvName = "rcv03",
                          .BankNo = "555-666777-88-999"});
  folder_.AddOrder({.KigwanId = 2, .State = 2});
  // The same account and amount paid by both: only the header's institution is answered.
  folder_.AddRecipient({.KigwanId = 1, .BankId = "03", .BankNo = "987", .Won = 500, .State = 2});
  folder_.AddRecipient({.KigwanId = 2, .BankId = "03", .BankNo = "987", .Won = 500, .State = 2});
  auto report = Read(H("03", "55566677788999") + D("987", "00000000500", "0000") + E("0000001"));
  EXPECT_EQ(report.Applied, 1);
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "기업군청");
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"2", "3"}));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), (std::vector<std::string>{"2", "3"}));
}

TEST_F(RecvIndustrialTest, UnmatchedBlankAndUnknownRecordsArePassedOverWithTheirReason) {
  folder_.AddRecipient({.BankId = "03", .BankNo = "987", .Won = 500, .State = 2});
  auto report = Read(H() + D("987", "           ", "0000") + Pad("44", 78) + "\r\n" +
                     D("987", "00000000500", "0000") + E("0000003"));
  EXPECT_EQ(report.Applied, 1);
  ASSERT_EQ(report.Skipped.size(), 2u);
  // A blank amount reads 0.
  EXPECT_EQ(report.Skipped[0].Reason, "일치하는 송신완료 수신자 없음: 03 987 0");
  EXPECT_EQ(report.Skipped[1].RecordNo, 3);
  EXPECT_EQ(report.Skipped[1].Reason, "알 수 없는 레코드 종류");
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].Note, "적용 1건, 끝 레코드 건수와 다름, 건너뜀 2건");
}

TEST_F(RecvIndustrialTest, SeedFileApplies) {
  folder_.Dm.Database.Execute("UPDATE KiGwan SET BankNo = '123-45-6789'");
  folder_.AddRecipient({.BankId = "03", .BankNo = "12345", .Won = 300, .State = 2});
  folder_.AddRecipient({.BankId = "03", .BankNo = "1234567", .Won = 150000, .State = 2});
  auto report = Read(test::TTempFolder::ReadFile(std::string(SELVANE_TEST_DATA) +
                                                 "/industrial_result_two_recipients.dat"));
  EXPECT_TRUE(report.Complete);
  EXPECT_TRUE(report.Skipped.empty());
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0000", "9999"}));
}

// Through the dispatch: a file cut short, and a store that fails.
TEST_F(RecvIndustrialTest, ACutFileOrAFailedStoreAppliesNothing) {
  folder_.AddRecipient({.BankId = "03", .BankNo = "987", .Won = 500, .State = 2});
  const std::string whole = H() + D("987", "00000000500", "0000") + E("0000001");
  test::TRecordedExchange view;
  std::vector<TReceiveEntry> list{{"03", folder_.WriteRecvFile("RCV03", whole.substr(0, 200))}};
  ASSERT_TRUE(DispatchResultFile(list, folder_.Dm, view));
  ASSERT_EQ(view.List.size(), 1u);
  EXPECT_EQ(RecvRemark(view.List[0]), "끝 레코드 없음, 적용하지 않음 (재수신하십시오)");
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"});
  folder_.Dm.Database.Rollback();

  folder_.Dm.Database.ExecScript(
      "CREATE TRIGGER Full BEFORE UPDATE ON TBTransSub BEGIN SELECT RAISE(ABORT, 'disk full'); "
      "END");
  folder_.Dm.Database.Commit();
  folder_.WriteRecvFile("RCV03", whole);
  EXPECT_FALSE(ApplyResultFiles(folder_.Dm, view));
  ASSERT_FALSE(view.Status.empty());
  EXPECT_TRUE(view.Status.back().IsError);
  EXPECT_NE(view.Status.back().Text.find("disk full"), std::string::npos)
      << view.Status.back().Text;
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"});
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"2"});
}

}  // namespace
}  // namespace selvane
