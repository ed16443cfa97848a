#include "formats/RecvTrans_NongHyupMember.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "edi/ResultReader.h"
#include "support/FixedText.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

using test::Pad;

// Result records as the bank sends them: the request's records, 78 bytes and CR LF.
std::string H(const std::string& corcode = "NHM0001", const std::string& bank = "12") {
  return Pad("11" + bank + "261205000000170" + Pad(corcode, 7) + "1111351-0123-4567-89", 73) +
         "NEW  \r\n";
}
std::string D(const std::string& bank, const std::string& account, const std::string& amount,
              const std::string& code) {
  return "220000001" + bank + Pad(account, 16) + amount + "9" + code + "0972" +
         std::string(18, ' ') + "01" + std::string(12, ' ') + "\r\n";
}
std::string E(const std::string& count) {
  return Pad("33" + count + "000000150000", 78) + "\r\n";
}

class RecvNongHyupMemberTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    folder_.AddInstitution({.Name = "단위농협기관", .BankId = "12", .Corcode = "NHM0001"});
    folder_.AddOrder({.State = 2});
  }
  void TearDown() override { SetClock(std::nullopt); }

  TResultReport Read(const std::string& bytes) {
    return RecvTrans_NongHyupMember(folder_.WriteRecvFile("RCV01", bytes), folder_.Dm);
  }
  std::vector<std::string> Sub(const char* column) { return folder_.Column("TBTransSub", column); }

  test::TTransferFolder folder_;
};

TEST_F(RecvNongHyupMemberTest, ResultsAreRecordedWithTheirTwoCharacterCode) {
  folder_.AddRecipient({.BankId = "12", .BankNo = "351-1234-5678-93", .Won = 100, .State = 2});
  folder_.AddRecipient({.BankId = "04", .BankNo = "123-4567-8901", .Won = 2500, .State = 2});
  auto report = Read(H() + D("12", "351-1234-5678-93", "000000000100", "00") +
                     D("04", "12345678901", "000000002500", "31") + E("000002"));
  EXPECT_EQ(report.Applied, 2);
  EXPECT_TRUE(report.Skipped.empty());
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0000", "0031"}));
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"3", "3"}));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"3"});
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "단위농협기관");
  EXPECT_EQ(report.Lines[0].Count, 2);  // the end record counts data records only
  EXPECT_EQ(report.Lines[0].Note, "");
}

TEST_F(RecvNongHyupMemberTest, AccountsAreComparedAsTheyWereWritten) {
  struct TCase {
    const char* bank;
    const char* stored;
    const char* answered;
    bool applies;
  } cases[] = {
      {"11", "302-12-345678", "00302-12-345678", true},  // "00" taken off
      {"11", "30212345678", "030212345678", true},       // "0" taken off
      {"11", "012-1234-5678", "00012-1234-5678", true},  // its own first digit 0 after "00"
      // Its own first digit 0 after "0": the second character "0" drops two, which finds no
      // recipient; dropping one does.
      {"11", "0121-234-56789", "00121-234-56789", true},
      {"12", "351-1234-5678-93", "351-1234-5678-93", true},  // as read, hyphens and all
      {"12", "351-1234-5678-93", "3511234567893", false},    // not hyphenated for bank 12
      {"04", "123-4567-8901", "12345678901", true},          // other banks: hyphenated
  };
  for (const auto& c : cases) {
    test::TTransferFolder folder;
    folder.AddInstitution({.BankId = "12", .Corcode = "NHM0001"});
    folder.AddOrder({.State = 2});
    folder.AddRecipient({.BankId = c.bank, .BankNo = c.stored, .Won = 1000, .State = 2});
    auto report = RecvTrans_NongHyupMember(
        folder.WriteRecvFile("RCV01",
                             H() + D(c.bank, c.answered, "000000001000", "00") + E("000001")),
        folder.Dm);
    EXPECT_EQ(report.Applied, c.applies ? 1 : 0) << c.answered;
    EXPECT_EQ(folder.Column("TBTransSub", "State")[0], c.applies ? "3" : "2") << c.answered;
  }
}

TEST_F(RecvNongHyupMemberTest, ARecordOfAnotherInstitutionIsNotApplied) {
  folder_.AddInstitution({.Id = 2,
                          .Name = "다른기관",
                          .BankId = "12",
                          .Corcode = "NHM0002",
                          .SendName = "SND02",
                          .RecvName = "RCV02"});
  folder_.AddOrder({.KigwanId = 2, .State = 2});
  folder_.AddRecipient(
      {.KigwanId = 2, .BankId = "12", .BankNo = "351-1234-5678-93", .Won = 100, .State = 2});
  folder_.AddRecipient({.BankId = "12", .BankNo = "351-1234-5678-93", .Won = 100, .State = 2});
  const std::string data = D("12", "351-1234-5678-93", "000000000100", "00");
  // A header of another bank's institution selects none.
  auto report = Read(H("NHM0001", "11") + data + E("000001"));
  EXPECT_EQ(report.Applied, 0);
  EXPECT_EQ(report.Skipped.front().Reason, "등록된 기관이 아님: 11 NHM0001");
  report = Read(H("NHM0002") + data + E("000001"));
  EXPECT_EQ(report.Applied, 1);
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"3", "2"}));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), (std::vector<std::string>{"2", "3"}));
}

TEST_F(RecvNongHyupMemberTest, AFileCutShortIsNotWhole) {
  folder_.AddRecipient({.BankId = "12", .BankNo = "351-1234-5678-93", .Won = 100, .State = 2});
  const std::string whole = H() + D("12", "351-1234-5678-93", "000000000100", "00") + E("000001");
  EXPECT_FALSE(Read(whole.substr(0, 160)).Complete);
  EXPECT_FALSE(Read(whole.substr(0, 230)).Complete);
  EXPECT_TRUE(Read(whole).Complete);
}

TEST_F(RecvNongHyupMemberTest, AnEndCountThatIsNoWholeNumberFailsTheRun) {
  try {
    Read(H() + E("0000O1"));
    FAIL() << "read";
  } catch (const TResultFileError& error) {
    EXPECT_STREQ(error.what(), "RCV01 2번째 레코드: 끝 레코드의 건수가 정수가 아닙니다.");
  }
}

TEST_F(RecvNongHyupMemberTest, RecordsOfOtherKindsArePassedOver) {
  folder_.AddRecipient({.BankId = "12", .BankNo = "351-1234-5678-93", .Won = 100, .State = 2});
  // "S" and "D" are the standard format's kinds, not this one's.
  auto report = Read(H() + Pad("D1", 78) + "\r\n" + Pad("44", 78) + "\r\n" +
                     D("12", "351-1234-5678-93", "000000000100", "00") + E("000001"));
  EXPECT_EQ(report.Applied, 1);
  ASSERT_EQ(report.Skipped.size(), 2u);
  EXPECT_EQ(report.Skipped[0].RecordNo, 2);
  EXPECT_EQ(report.Skipped[1].RecordNo, 3);
}

// The seed of the fuzz target, for an institution set up as the fuzz target sets it up.
TEST(RecvNongHyupMember, TheFixtureFileApplies) {
  test::TTransferFolder folder;
  folder.AddInstitution({.BankId = "12", .Corcode = "CORP12"});
  folder.AddOrder({.State = 2});
  folder.AddRecipient({.BankId = "12", .BankNo = "123-45-678901", .Won = 150000, .State = 2});
  folder.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  auto report = RecvTrans_NongHyupMember(
      std::string(SELVANE_TEST_DATA) + "/nonghyup_member_result_two_recipients.dat", folder.Dm);
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(report.Applied, 2);
  EXPECT_EQ(folder.Column("TBTransSub", "Result"), (std::vector<std::string>{"0000", "0099"}));
}

}  // namespace
}  // namespace selvane
