#include "formats/RecvTrans_JeonBuk.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/Globals.h"
#include "edi/EDIRecv.h"
#include "support/FixedText.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

using test::Pad;

// Result records as the bank sends them: 78 bytes and CR LF; the institution named by its BCode.
std::string S(const std::string& code = "BK37", const std::string& bank = "37",
              const std::string& account = "1002333444555") {
  return Pad("SC2" + Pad(code, 10) + "0" + bank + "261209261211" + Pad(account, 15) +
                 std::string(11, ' ') + "0012",
             78) +
         "\r\n";
}
std::string D(const std::string& bank, const std::string& account, const std::string& amount,
              const std::string& result, const std::string& item = "01",
              const std::string& jumin = "7001011234567", const std::string& amount2 = "") {
  return Pad("D0" + bank + Pad(account, 15) + " " + amount + "11 " + result + Pad(amount2, 10) +
                 Pad(jumin, 18) + item,
             78) +
         "\r\n";
}
std::string E(const std::string& count) {
  return Pad("E0000003" + count + "0000000150000", 78) + "\r\n";
}

class RecvJeonbukTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    folder_.AddInstitution({.Name = "전주시청",
                            .BankId = "37",
                            .Corcode = "CORP37",
                            .SendName = "SND37",
                            .RecvName = "RCV37",
                            .BankNo = "1-002-33-3444555",
                            .Bcode = "BK37"});
  }
  void TearDown() override { SetClock(std::nullopt); }

  TResultReport Read(const std::string& bytes) {
    return RecvTrans_JeonBuk(folder_.WriteRecvFile("RCV37", bytes), folder_.Dm);
  }
  std::vector<std::string> Sub(const char* column) { return folder_.Column("TBTransSub", column); }
  std::vector<std::string> Orders(const char* column) { return folder_.Column("TBTrans", column); }

  test::TTransferFolder folder_;
};

TEST_F(RecvJeonbukTest, TheBCodeSelectsTheInstitutionAndResultsAreRecorded) {
  folder_.AddOrder({.State = 2});
  folder_.AddRecipient({.BankId = "37", .BankNo = "1-002-33-3444556", .Won = 150000, .State = 2});
  auto report = Read(S() + D("37", "1002333444556", "00000150000", "0000") + E("0000001"));
  EXPECT_EQ(report.Applied, 1);
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"3"});
  EXPECT_EQ(Sub("Result"), std::vector<std::string>{"0000"});
  EXPECT_EQ(Orders("State"), std::vector<std::string>{"3"});
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "전주시청");
  EXPECT_EQ(report.Lines[0].FileName, "RCV37");
  EXPECT_EQ(RecvRemark(report.Lines[0]), "자금 이체");
  EXPECT_EQ(report.Lines[0].Count, 1);

  // The user number in place of the BCode names no institution.
  folder_.Dm.Database.Execute("UPDATE TBTransSub SET State = 2; UPDATE TBTrans SET State = 2");
  report = Read(S("CORP37") + D("37", "1002333444556", "00000150000", "0000") + E("1"));
  EXPECT_EQ(report.Applied, 0);
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(RecvRemark(report.Lines[0]), "일치하는 기관 없음, 적용하지 않음");
  ASSERT_FALSE(report.Skipped.empty());
  EXPECT_EQ(report.Skipped[0].Reason, "등록된 기관이 아님: 37 CORP37");
}

TEST_F(RecvJeonbukTest, TheRecordsItemIsSearchedFirstThenAnyItem) {
  folder_.AddOrder({.ItemId = "01", .State = 2});
  folder_.AddOrder({.ItemId = "02", .State = 2});
  // The same account and amount under two items; item 01 is first in table order.
  folder_.AddRecipient({.ItemId = "01", .BankId = "11", .BankNo = "777", .Won = 500, .State = 2});
  folder_.AddRecipient({.ItemId = "02", .BankId = "11", .BankNo = "777", .Won = 500, .State = 2});
  folder_.AddRecipient({.ItemId = "02", .BankId = "11", .BankNo = "888", .Won = 900, .State = 2});
  auto report = Read(S() + D("11", "777", "00000000500", "E001", "02") +
                     D("11", "777", "00000000500", "E002", "02") +
                     D("11", "888", "00000000900", "0000", "05") + E("0000003"));
  EXPECT_EQ(report.Applied, 3);
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"E002", "E001", "0000"}));
}

TEST_F(RecvJeonbukTest, BothFilesAnsweredInOneResultFileAreApplied) {
  folder_.AddOrder({.State = 2});
  folder_.AddRecipient({.BankId = "37", .BankNo = "1-002-33-3444556", .Won = 1000, .State = 2});
  folder_.AddRecipient({.BankId = "04", .BankNo = "12345", .Won = 300, .State = 2});
  // The end record of the first group marks the order received; the second group still answers
  // its recipients.
  auto report = Read(S() + D("37", "1002333444556", "00000001000", "0000") + E("0000001") + S() +
                     D("04", "12345", "00000000300", "9999") + E("0000001"));
  EXPECT_EQ(report.Applied, 2);
  EXPECT_TRUE(report.Skipped.empty());
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0000", "9999"}));
  ASSERT_EQ(report.Lines.size(), 2u);
  EXPECT_EQ(RecvRemark(report.Lines[1]), "자금 이체");
}

TEST_F(RecvJeonbukTest, ARecipientOfAnotherInstitutionIsNeverTaken) {
  // The same account and amount, sent by another Jeonbuk institution first in table order.
  folder_.AddInstitution(
      {.Id = 0, .Name = "군산시청", .BankId = "37", .RecvName = "RCV36", .Bcode = "BK36"});
  folder_.AddOrder({.KigwanId = 0, .State = 2});
  folder_.AddOrder({.KigwanId = 1, .State = 2});
  folder_.AddRecipient({.KigwanId = 0, .BankId = "04", .BankNo = "12345", .Won = 300, .State = 2});
  folder_.AddRecipient({.KigwanId = 1, .BankId = "04", .BankNo = "12345", .Won = 300, .State = 2});
  auto report = Read(S() + D("04", "12345", "00000000300", "0000") +
                     D("04", "12345", "00000000300", "0000") + E("0000002"));
  EXPECT_EQ(report.Applied, 1);
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"2", "3"}));
  EXPECT_EQ(Orders("State"), (std::vector<std::string>{"2", "3"}));
}

TEST_F(RecvJeonbukTest, AnInstitutionWithoutAnyOrderGetsOrdersAndRecipientsMadeFromTheFile) {
  auto report =
      Read(S() + D("37", "1002333444556", "00000150000", "0000", "01") +
           D("11", "3010123456781", "00000002500", "E123", "02", "8002022345678") +
           D("37", "1002333444556", "00000150000", "0000", "01") +  // the same account again
           E("0000003") + S() + D("04", "12345678901", "00000007000", "0000", "01", "12345") +
           E("0000001"));
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(report.Applied, 3);
  ASSERT_EQ(report.Skipped.size(), 1u);
  EXPECT_EQ(report.Skipped[0].RecordNo, 4);
  EXPECT_EQ(report.Skipped[0].Reason, "같은 계좌가 이미 생성됨: 37 1-002-33-3444556");
  // One order of the institution per item, received, with its totals.
  EXPECT_EQ(Orders("KigwanId"), (std::vector<std::string>{"1", "1"}));
  EXPECT_EQ(Orders("DongID"), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(Orders("LargeItmID"), (std::vector<std::string>{"01", "02"}));
  EXPECT_EQ(Orders("Bigo"), (std::vector<std::string>{"수신시 생성", "수신시 생성"}));
  EXPECT_EQ(Orders("State"), (std::vector<std::string>{"3", "3"}));
  EXPECT_EQ(Orders("Recv_date"), (std::vector<std::string>{"2026-12-10", "2026-12-10"}));
  EXPECT_EQ(Orders("A_Date"), (std::vector<std::string>{"2026-12-09", "2026-12-09"}));
  EXPECT_EQ(Orders("To_date"), (std::vector<std::string>{"2026-12-11", "2026-12-11"}));
  EXPECT_EQ(Orders("BankNo"), (std::vector<std::string>{"1-002-33-3444555", "1-002-33-3444555"}));
  EXPECT_EQ(Orders("KigwanName"), (std::vector<std::string>{"전주시청", "전주시청"}));
  EXPECT_EQ(Orders("SendName"), (std::vector<std::string>{"SND37", "SND37"}));
  EXPECT_EQ(Orders("RecvName"), (std::vector<std::string>{"RCV37", "RCV37"}));
  EXPECT_EQ(Orders("Bcode"), (std::vector<std::string>{"BK37", "BK37"}));
  EXPECT_EQ(Orders("Corcode"), (std::vector<std::string>{"CORP37", "CORP37"}));
  EXPECT_EQ(Orders("ECount"), (std::vector<std::string>{"2", "1"}));
  EXPECT_EQ(Orders("TotalSum"), (std::vector<std::string>{"157000", "2500"}));
  // Every recipient under its order: the institution, the empty dong and the order's item.
  EXPECT_EQ(Sub("KigwanId"), (std::vector<std::string>{"1", "1", "1"}));
  EXPECT_EQ(Sub("DongId"), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(Sub("LargeitmId"), (std::vector<std::string>{"01", "02", "01"}));
  EXPECT_EQ(Sub("BankNo"),
            (std::vector<std::string>{"1-002-33-3444556", "301-0123-4567-81", "123-4567-8901"}));
  EXPECT_EQ(Sub("Jumin"), (std::vector<std::string>{"700101-1234567", "800202-2345678", "12345"}));
  EXPECT_EQ(Sub("Monecy"), (std::vector<std::string>{"150000", "2500", "7000"}));
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0000", "E123", "0000"}));
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"3", "3", "3"}));
  EXPECT_EQ(Sub("Recv_date"), (std::vector<std::string>{"2026-12-10", "2026-12-10", "2026-12-10"}));
  ASSERT_EQ(report.Lines.size(), 2u);
  EXPECT_EQ(report.Lines[0].KigwanName, "전주시청");
  EXPECT_EQ(RecvRemark(report.Lines[0]), "자금 이체 (적용 2건, 끝 레코드 건수와 다름, 건너뜀 1건)");
  EXPECT_EQ(RecvRemark(report.Lines[1]), "자금 이체");

  // The next file of the institution finds its orders: nothing is made again.
  report = Read(S() + D("37", "1002333444599", "00000001000", "0000") + E("0000001"));
  EXPECT_EQ(report.Applied, 0);
  EXPECT_EQ(Orders("State").size(), 2u);
  EXPECT_EQ(Sub("State").size(), 3u);
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(RecvRemark(report.Lines[0]), "결과를 기다리는 이체 없음");
}

TEST_F(RecvJeonbukTest, AHeaderOfNoInstitutionMakesNothing) {
  auto report = Read(S("NOBODY") + D("37", "1002333444556", "00000150000", "0000") + E("1"));
  EXPECT_EQ(report.Applied, 0);
  EXPECT_TRUE(Orders("State").empty());
  EXPECT_TRUE(Sub("State").empty());
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "");
  EXPECT_EQ(RecvRemark(report.Lines[0]), "일치하는 기관 없음, 적용하지 않음");
  ASSERT_EQ(report.Skipped.size(), 2u);
  EXPECT_EQ(report.Skipped[0].Reason, "등록된 기관이 아님: 37 NOBODY");
  EXPECT_EQ(report.Skipped[1].Reason, "기관이 선택되지 않은 레코드");
}

TEST_F(RecvJeonbukTest, AnInstitutionWithOrdersButNoneSentGetsNoResultsAndNothingMade) {
  folder_.AddOrder({.State = 1});
  folder_.AddRecipient({.BankId = "37", .BankNo = "1-002-33-3444556", .Won = 1000, .State = 2});
  auto report = Read(S() + D("37", "1002333444556", "00000001000", "0000") + E("1"));
  EXPECT_EQ(report.Applied, 0);
  EXPECT_EQ(Orders("State"), std::vector<std::string>{"1"});
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"});
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(RecvRemark(report.Lines[0]), "결과를 기다리는 이체 없음");
}

TEST(RecvJeonbukFixtures, SeedFilesApply) {
  struct TCase {
    const char* file;
    const char* bcode;
    bool sentOrder;
    int applied;
    std::size_t recipients;
  } cases[] = {
      {"jeonbuk_result_two_files.dat", "B37", true, 1, 1},
      {"jeonbuk_result_created.dat", "NEW37", false, 2, 2},
  };
  for (const auto& c : cases) {
    test::TTransferFolder folder;
    folder.AddInstitution({.BankId = "37", .Bcode = c.bcode});
    if (c.sentOrder) {
      folder.AddOrder({.State = 2});
      folder.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
    }
    auto report = RecvTrans_JeonBuk(std::string(SELVANE_TEST_DATA) + "/" + c.file, folder.Dm);
    EXPECT_TRUE(report.Complete) << c.file;
    EXPECT_TRUE(report.Skipped.empty()) << c.file;
    EXPECT_EQ(report.Applied, c.applied) << c.file;
    EXPECT_EQ(folder.Column("TBTransSub", "State"), std::vector<std::string>(c.recipients, "3"))
        << c.file;
  }
}

// Through the dispatch: a file cut short, and a store that fails while making the recipients.
TEST_F(RecvJeonbukTest, ACutFileOrAFailedStoreLeavesNothingMade) {
  const std::string whole = S() + D("37", "1002333444556", "00000150000", "0000") + E("0000001");
  test::TRecordedExchange view;
  std::vector<TReceiveEntry> list{{"37", folder_.WriteRecvFile("RCV37", whole.substr(0, 170))}};
  ASSERT_TRUE(DispatchResultFile(list, folder_.Dm, view));
  ASSERT_EQ(view.List.size(), 1u);
  EXPECT_EQ(RecvRemark(view.List[0]), "끝 레코드 없음, 적용하지 않음 (재수신하십시오)");
  EXPECT_TRUE(Orders("State").empty());
  EXPECT_TRUE(Sub("State").empty());
  folder_.Dm.Database.Rollback();

  folder_.Dm.Database.ExecScript(
      "CREATE TRIGGER Full BEFORE INSERT ON TBTransSub BEGIN SELECT RAISE(ABORT, 'disk full'); "
      "END");
  folder_.Dm.Database.Commit();
  folder_.WriteRecvFile("RCV37", whole);
  EXPECT_FALSE(ApplyResultFiles(folder_.Dm, view));
  ASSERT_FALSE(view.Status.empty());
  EXPECT_TRUE(view.Status.back().IsError);
  EXPECT_EQ(view.Status.back().Text.rfind("수신 자료 처리 실패. ", 0), 0u)
      << view.Status.back().Text;
  EXPECT_NE(view.Status.back().Text.find("disk full"), std::string::npos);
  EXPECT_TRUE(Orders("State").empty());
}

}  // namespace
}  // namespace selvane
