#include "formats/Recv_Standard.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/Globals.h"
#include "formats/RecvTrans_Sinhan.h"
#include "support/FixedText.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

using test::Pad;

// Result records as the bank sends them: 78 bytes and CR LF.
std::string S(const std::string& corcode = "CORP01", const std::string& bank = "04") {
  return Pad("SC2" + Pad(corcode, 10) + bank + "261209261211", 78) + "\r\n";
}
std::string D(const std::string& bank, const std::string& account, const std::string& amount,
              const std::string& result, const std::string& amount2 = "") {
  return Pad("D" + bank + Pad(account, 15) + "40" + amount + "11 " + result + Pad(amount2, 10),
             78) +
         "\r\n";
}
std::string E(const std::string& count) {
  return Pad("E0000003" + count + "0000000150000", 78) + "\r\n";
}

class RecvStandardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    folder_.AddInstitution({});
    order_ = folder_.AddOrder({.State = 2});
  }
  void TearDown() override { SetClock(std::nullopt); }

  TResultReport Read(const std::string& bytes) {
    return Recv_Standard(folder_.WriteRecvFile("rcv01", bytes), folder_.Dm);
  }
  std::vector<std::string> Sub(const char* column) { return folder_.Column("TBTransSub", column); }

  test::TTransferFolder folder_;
  std::int64_t order_ = 0;
};

TEST_F(RecvStandardTest, ResultIsRecordedAndTheOrderReceived) {
  folder_.AddRecipient({.BankNo = "123-4567-8901", .Won = 150000, .State = 2});
  // A valid account is compared in its hyphenated form.
  auto report = Read(S() + D("04", "12345678901", "00000150000", "0000") + E("0000001"));
  EXPECT_EQ(report.Applied, 1);
  EXPECT_TRUE(report.Skipped.empty());
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"3"});
  EXPECT_EQ(Sub("Result"), std::vector<std::string>{"0000"});
  EXPECT_EQ(Sub("Recv_date"), std::vector<std::string>{"2026-12-10"});
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"3"});
  EXPECT_EQ(folder_.Column("TBTrans", "Recv_date"), std::vector<std::string>{"2026-12-10"});
  EXPECT_TRUE(report.Complete);
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "서울구청");
  EXPECT_EQ(report.Lines[0].FileName, "RCV01");  // the name as found, in upper case
  EXPECT_EQ(report.Lines[0].Kind, rkFundsTransfer);
  EXPECT_EQ(report.Lines[0].Count, 1);
  EXPECT_EQ(report.Lines[0].Note, "");
}

TEST_F(RecvStandardTest, EqualRecipientsAreMatchedInTableOrder) {
  folder_.AddOrder({.DongId = "0002", .State = 2});
  // Inserted second but first in table order (dong 0001 before 0002).
  folder_.AddRecipient({.DongId = "0002", .BankNo = "5555", .Won = 700, .State = 2});
  folder_.AddRecipient({.DongId = "0001", .BankNo = "5555", .Won = 700, .State = 2});
  Read(S() + D("04", "5555", "00000000700", "0000") + D("04", "5555", "00000000700", "E123") +
       E("0000002"));
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"E123", "0000"}));
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"3", "3"}));
}

TEST_F(RecvStandardTest, SecondAmountIsAddedOnlyWhenItDiffers) {
  struct TCase {
    const char* amount;
    const char* amount2;
    bool matches;
  } cases[] = {
      {"00000001000", "", true},
      {"00000001000", "0000000000", true},
      {"00000000000", "0000001000", true},
      {"00000000400", "0000000600", true},
      {"00000000500", "0000000500", false},  // equal halves are not added
      {"0000000100X", "", false},            // not a number reads 0
  };
  for (const auto& c : cases) {
    test::TTransferFolder folder;
    folder.AddInstitution({});
    folder.AddOrder({.State = 2});
    folder.AddRecipient({.BankNo = "9876", .Won = 1000, .State = 2});
    auto report = Recv_Standard(
        folder.WriteRecvFile("RCV01", S() + D("04", "9876", c.amount, "0000", c.amount2) + E("1")),
        folder.Dm);
    EXPECT_EQ(report.Applied, c.matches ? 1 : 0) << c.amount << " + " << c.amount2;
    EXPECT_EQ(folder.Column("TBTransSub", "State")[0], c.matches ? "3" : "2");
  }
}

TEST_F(RecvStandardTest, UnmatchedAndUnknownRecordsArePassedOverAndReported) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  folder_.AddRecipient({.BankNo = "777", .Won = 300, .State = 1});  // not sent: never matched
  auto report = Read(S() + D("04", "99999", "00000000300", "0000") + "X" + std::string(77, ' ') +
                     "\r\n" + D("04", "777", "00000000300", "0000") +
                     D("04", "12345", "00000000300", "0000") + E("0000003"));
  // An account that fails the check is compared as read.
  EXPECT_EQ(report.Applied, 1);
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"3", "1"}));
  ASSERT_EQ(report.Skipped.size(), 3u);
  EXPECT_EQ(report.Skipped[0].RecordNo, 2);
  EXPECT_EQ(report.Skipped[0].Kind, 'D');
  EXPECT_EQ(report.Skipped[1].RecordNo, 3);
  EXPECT_EQ(report.Skipped[1].Kind, 'X');
  EXPECT_EQ(report.Skipped[2].RecordNo, 4);
  ASSERT_EQ(report.Lines.size(), 1u);
  // The list line says how much of its end record's count was applied.
  EXPECT_EQ(report.Lines[0].Note, "적용 1건, 끝 레코드 건수와 다름, 건너뜀 3건");
  EXPECT_EQ(RecvRemark(report.Lines[0]), "자금 이체 (적용 1건, 끝 레코드 건수와 다름, 건너뜀 3건)");
}

TEST_F(RecvStandardTest, AFileWithoutAValidEndIsNotWhole) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  const std::string data = D("04", "12345", "00000000300", "0000");
  struct TCase {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"no end record", S() + data},
      {"cut inside the end record", S() + data + E("1").substr(0, 40)},
      {"data after the end record", S() + E("0") + data},
      {"a header after the end record", S() + data + E("1") + S()},
  };
  for (const auto& c : cases) {
    auto report = Read(c.bytes);
    EXPECT_FALSE(report.Complete) << c.what;
  }
  // A last record that lacks only its CR LF is whole.
  const std::string end = E("1");
  EXPECT_TRUE(Read(S() + data + end.substr(0, 78)).Complete);
  EXPECT_TRUE(Read(S() + E("0") + "\x1a").Complete);  // a short tail after the end
}

TEST_F(RecvStandardTest, InstitutionWithoutASentOrderGetsNoResults) {
  test::TTransferFolder folder;
  folder.AddInstitution({});
  folder.AddOrder({.State = 1});  // not sent yet: the header must not mark it received
  folder.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  auto report = Recv_Standard(
      folder.WriteRecvFile("RCV01", S() + D("04", "12345", "00000000300", "0000") + E("1")),
      folder.Dm);
  EXPECT_EQ(report.Applied, 0);
  EXPECT_EQ(folder.Column("TBTransSub", "State"), std::vector<std::string>{"2"});
  EXPECT_EQ(folder.Column("TBTrans", "State"), std::vector<std::string>{"1"});
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "서울구청");
  EXPECT_EQ(report.Lines[0].Kind, rkNoWaitingOrder);
  EXPECT_EQ(RecvKindRemark(report.Lines[0].Kind), "결과를 기다리는 이체 없음");
}

TEST_F(RecvStandardTest, RecordsWithoutASelectedInstitutionApplyNothing) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  const std::string data = D("04", "12345", "00000000300", "0000");
  struct TCase {
    const char* what;
    std::string bytes;
    const char* reason;  // of the data record
  } cases[] = {
      {"a header of no institution", S("NOBODY") + data + E("1"), "기관이 선택되지 않은 레코드"},
      {"no header", data + E("1"), "기관이 선택되지 않은 레코드"},
  };
  for (const auto& c : cases) {
    auto report = Read(c.bytes);
    EXPECT_EQ(report.Applied, 0) << c.what;
    EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"}) << c.what;
    EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"2"}) << c.what;
    ASSERT_EQ(report.Lines.size(), 1u) << c.what;
    EXPECT_EQ(report.Lines[0].KigwanName, "") << c.what;
    EXPECT_EQ(RecvRemark(report.Lines[0]), "일치하는 기관 없음, 적용하지 않음") << c.what;
    ASSERT_FALSE(report.Skipped.empty()) << c.what;
    EXPECT_EQ(report.Skipped.back().Reason, c.reason) << c.what;
  }
  EXPECT_EQ(Read(S("NOBODY") + data + E("1")).Skipped.front().Reason,
            "등록된 기관이 아님: 04 NOBODY");
}

TEST_F(RecvStandardTest, ARecipientOfAnotherInstitutionIsNeverTaken) {
  // The same account and amount, sent by another institution first in table order.
  folder_.AddInstitution(
      {.Id = 2, .Name = "다른기관", .Corcode = "OTHER", .SendName = "SND02", .RecvName = "RCV02"});
  folder_.AddOrder({.KigwanId = 2, .State = 2});
  folder_.AddRecipient({.KigwanId = 2, .BankNo = "12345", .Won = 300, .State = 2});
  folder_.AddRecipient({.KigwanId = 1, .BankNo = "12345", .Won = 300, .State = 2});
  auto report = Read(S("OTHER") + D("04", "12345", "00000000300", "9999") + E("1"));
  EXPECT_EQ(report.Applied, 1);
  // Rows in insertion order: institution 2's recipient, then institution 1's.
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"9999", ""}));
  report = Read(S() + D("04", "12345", "00000000300", "0000") +
                D("04", "12345", "00000000300", "0000") + E("2"));
  EXPECT_EQ(report.Applied, 1);
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"9999", "0000"}));
}

TEST_F(RecvStandardTest, OnlyTheInstitutionsSentOrdersAreMarked) {
  folder_.AddOrder({.DongId = "0002", .State = 1});
  folder_.AddOrder({.DongId = "0003", .State = 3});
  folder_.Dm.Database.Execute("UPDATE TBTrans SET Recv_date = '2026-11-01' WHERE State = 3");
  folder_.AddInstitution({.Id = 2, .Name = "다른기관", .Corcode = "OTHER"});
  folder_.AddOrder({.KigwanId = 2, .State = 2});
  Read(S() + E("0"));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), (std::vector<std::string>{"3", "1", "3", "2"}));
  EXPECT_EQ(folder_.Column("TBTrans", "Recv_date"),
            (std::vector<std::string>{"2026-12-10", "", "2026-11-01", ""}));
}

TEST_F(RecvStandardTest, ARecipientFilterDoesNotNarrowTheSearch) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  folder_.Dm.TB_TransSub.SetFilter(TFilter().Eq("BankId", "99"));
  folder_.Dm.TB_TransSub.SetFiltered(true);
  EXPECT_EQ(Read(S() + D("04", "12345", "00000000300", "0000") + E("1")).Applied, 1);
}

TEST_F(RecvStandardTest, FixtureFiles) {
  struct TCase {
    const char* file;
    int listLines;
    const char* orderState;
  } cases[] = {
      {"standard_result_two_recipients.dat", 1, "3"},
      // The end record lacks only its CR LF: it is whole.
      {"standard_result_end_without_crlf.dat", 1, "3"},
  };
  for (const auto& c : cases) {
    test::TTransferFolder folder;
    folder.AddInstitution({});
    folder.AddOrder({.State = 2});
    folder.AddRecipient({.BankNo = "123-4567-8901", .Won = 150000, .State = 2});
    folder.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
    auto report = Recv_Standard(std::string(SELVANE_TEST_DATA) + "/" + c.file, folder.Dm);
    EXPECT_EQ(report.Applied, 2) << c.file;
    EXPECT_TRUE(report.Complete) << c.file;
    EXPECT_EQ(folder.Column("TBTransSub", "State"), (std::vector<std::string>{"3", "3"}));
    EXPECT_EQ(report.Lines.size(), static_cast<std::size_t>(c.listLines)) << c.file;
    EXPECT_EQ(folder.Column("TBTrans", "State")[0], c.orderState) << c.file;
  }
}

TEST_F(RecvStandardTest, BytesThatAreNotCp949AreReported) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  auto report = Read(S() + D("04", "123\xff\xff", "00000000300", "0000") + E("1"));
  EXPECT_EQ(report.Applied, 0);
  ASSERT_EQ(report.Skipped.size(), 1u);
  EXPECT_EQ(report.Skipped[0].Kind, 'D');
}

TEST_F(RecvStandardTest, AMissingFileGivesNothing) {
  auto report = Recv_Standard(folder_.Path() + "Recv/NONE", folder_.Dm);
  EXPECT_FALSE(report.Opened);
  EXPECT_TRUE(report.Lines.empty());
}

TEST_F(RecvStandardTest, ShinhanReadsAsTheStandardReader) {
  folder_.AddRecipient({.BankId = "88", .BankNo = "110-123-456789", .Won = 300, .State = 2});
  auto report = RecvTrans_Sinhan(
      folder_.WriteRecvFile("RCV01", S() + D("88", "110123456789", "00000000300", "0000") + E("1")),
      folder_.Dm);
  EXPECT_EQ(report.Applied, 1);
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"3"});
}

}  // namespace
}  // namespace selvane
