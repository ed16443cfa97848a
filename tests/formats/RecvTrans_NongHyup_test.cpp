#include "formats/RecvTrans_NongHyup.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "edi/ResultReader.h"
#include "support/FixedText.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

using test::Pad;

// Result records as the bank sends them: the request's records, 78 bytes and CR LF.
std::string S(const std::string& corcode = "NHCORP01") {
  return Pad("S11" + Pad(corcode, 8) + "11261211261211261209NEWNORVA", 78) + "\r\n";
}
std::string D(const std::string& bank, const std::string& account, const std::string& amount,
              const std::string& code, const std::string& corcode = "NHCORP01") {
  return "D" + Pad(corcode, 8) + "00" + bank + Pad(account, 15) + "000001" + amount +
         std::string(16 + 9, ' ') + code + "261211 \r\n";
}
std::string E(const std::string& records) {
  return Pad("ENHCORP01" + records + "000000150000", 78) + "\r\n";
}

class RecvNongHyupCentralTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    folder_.AddInstitution({.Name = "농협기관", .BankId = "11", .Corcode = "NHCORP01"});
    folder_.AddOrder({.State = 2});
  }
  void TearDown() override { SetClock(std::nullopt); }

  TResultReport Read(const std::string& bytes) {
    return RecvTrans_NongHyup(folder_.WriteRecvFile("RCV01", bytes), folder_.Dm);
  }
  std::vector<std::string> Sub(const char* column) { return folder_.Column("TBTransSub", column); }

  test::TTransferFolder folder_;
};

TEST_F(RecvNongHyupCentralTest, ResultsAreRecordedWithTheirTwoCharacterCode) {
  folder_.AddRecipient({.BankId = "11", .BankNo = "302-12-345678", .Won = 150000, .State = 2});
  folder_.AddRecipient({.BankId = "04", .BankNo = "123-4567-8901", .Won = 2500, .State = 2});
  auto report = Read(S() + D("11", "00030212345678", "0000150000", "00") +
                     D("04", "12345678901", "0000002500", "12") + E("000004"));
  EXPECT_EQ(report.Applied, 2);
  EXPECT_TRUE(report.Skipped.empty());
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0000", "0012"}));
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"3", "3"}));
  EXPECT_EQ(Sub("Recv_date"), (std::vector<std::string>{"2026-12-10", "2026-12-10"}));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"3"});
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "농협기관");
  EXPECT_EQ(report.Lines[0].Count, 2);  // the end record counts its header and itself
  EXPECT_EQ(report.Lines[0].Note, "");
}

TEST_F(RecvNongHyupCentralTest, TheWideningIsTakenOffAgain) {
  struct TCase {
    const char* stored;
    const char* answered;
  } cases[] = {
      {"302-12-345678", "00030212345678"},      // 3-2-6: "000"
      {"302-1234-5678-91", "003021234567891"},  // 3-4-4-2: "00"
      {"012-34-567890", "00001234567890"},      // its own first digit 0 after "000"
      // Its own first digit 0 after "00": the third character "0" drops three, which finds no
      // recipient; dropping two does.
      {"012-1234-5678-91", "000121234567891"},
  };
  for (const auto& c : cases) {
    test::TTransferFolder folder;
    folder.AddInstitution({.BankId = "11", .Corcode = "NHCORP01"});
    folder.AddOrder({.State = 2});
    folder.AddRecipient({.BankId = "11", .BankNo = c.stored, .Won = 1000, .State = 2});
    auto report = RecvTrans_NongHyup(
        folder.WriteRecvFile("RCV01", S() + D("11", c.answered, "0000001000", "00") + E("000003")),
        folder.Dm);
    EXPECT_EQ(report.Applied, 1) << c.stored;
    EXPECT_EQ(folder.Column("TBTransSub", "State"), std::vector<std::string>{"3"}) << c.stored;
  }
}

TEST_F(RecvNongHyupCentralTest, ARecordWithoutASentRecipientIsReportedWithTheRulesAccount) {
  folder_.AddRecipient({.BankId = "11", .BankNo = "302-12-345678", .Won = 150000, .State = 2});
  auto report = Read(S() + D("11", "00030212345678", "0000009999", "00") + E("000003"));
  EXPECT_EQ(report.Applied, 0);
  ASSERT_EQ(report.Skipped.size(), 1u);
  EXPECT_EQ(report.Skipped[0].Reason, "일치하는 송신완료 수신자 없음: 11 302-12-345678 9999");
  EXPECT_EQ(report.Lines[0].Note, "적용 0건, 끝 레코드 건수와 다름, 건너뜀 1건");
}

TEST_F(RecvNongHyupCentralTest, ARecordOfAnotherInstitutionIsNotApplied) {
  folder_.AddInstitution({.Id = 2,
                          .Name = "다른기관",
                          .BankId = "11",
                          .Corcode = "NHCORP02",
                          .SendName = "SND02",
                          .RecvName = "RCV02"});
  folder_.AddOrder({.KigwanId = 2, .State = 2});
  folder_.AddRecipient(
      {.KigwanId = 2, .BankId = "11", .BankNo = "302-12-345678", .Won = 1000, .State = 2});
  folder_.AddRecipient({.BankId = "11", .BankNo = "302-12-345678", .Won = 1000, .State = 2});
  // A header of no institution applies nothing; the other institution's header only its own.
  auto report = Read(S("NOBODY") + D("11", "00030212345678", "0000001000", "00") + E("000003"));
  EXPECT_EQ(report.Applied, 0);
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"2", "2"}));
  report = Read(S("NHCORP02") + D("11", "00030212345678", "0000001000", "99") + E("000003"));
  EXPECT_EQ(report.Applied, 1);
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0099", ""}));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), (std::vector<std::string>{"2", "3"}));
}

TEST_F(RecvNongHyupCentralTest, AFileCutShortIsNotWhole) {
  folder_.AddRecipient({.BankId = "11", .BankNo = "302-12-345678", .Won = 1000, .State = 2});
  const std::string whole = S() + D("11", "00030212345678", "0000001000", "00") + E("000003");
  EXPECT_FALSE(Read(whole.substr(0, 160)).Complete);
  EXPECT_FALSE(Read(whole.substr(0, 200)).Complete);
  EXPECT_TRUE(Read(whole.substr(0, whole.size() - 2)).Complete);  // only the last CR LF lost
}

TEST_F(RecvNongHyupCentralTest, AnEndCountThatIsNoWholeNumberFailsTheRun) {
  folder_.AddRecipient({.BankId = "11", .BankNo = "302-12-345678", .Won = 1000, .State = 2});
  for (const char* count : {"00000X", "      ", "-00003", "3.0000"}) {
    try {
      Read(S() + D("11", "00030212345678", "0000001000", "00") + E(count));
      ADD_FAILURE() << "read: " << count;
    } catch (const TResultFileError& error) {
      EXPECT_STREQ(error.what(), "RCV01 3번째 레코드: 끝 레코드의 건수가 정수가 아닙니다.");
    }
  }
  EXPECT_EQ(Read(S() + E("  0002")).Lines[0].Count, 0);  // blanks around a number are allowed
}

TEST_F(RecvNongHyupCentralTest, RecordsOfOtherKindsArePassedOver) {
  folder_.AddRecipient({.BankId = "11", .BankNo = "302-12-345678", .Won = 1000, .State = 2});
  auto report = Read(S() + Pad("X", 78) + "\r\n" + D("11", "00030212345678", "0000001000", "00") +
                     E("000003"));
  EXPECT_EQ(report.Applied, 1);
  ASSERT_EQ(report.Skipped.size(), 1u);
  EXPECT_EQ(report.Skipped[0].RecordNo, 2);
  EXPECT_EQ(report.Skipped[0].Reason, "알 수 없는 레코드 종류");
}

// The seed of the fuzz target, for an institution set up as the fuzz target sets it up.
TEST(RecvNongHyupCentral, TheFixtureFileApplies) {
  test::TTransferFolder folder;
  folder.AddInstitution({.BankId = "11", .Corcode = "CORP11"});
  folder.AddOrder({.State = 2});
  folder.AddRecipient({.BankId = "11", .BankNo = "123-45-678901", .Won = 150000, .State = 2});
  folder.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  auto report = RecvTrans_NongHyup(
      std::string(SELVANE_TEST_DATA) + "/nonghyup_central_result_two_recipients.dat", folder.Dm);
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(report.Applied, 2);
  EXPECT_EQ(folder.Column("TBTransSub", "Result"), (std::vector<std::string>{"0000", "0099"}));
}

}  // namespace
}  // namespace selvane
