#include "formats/RecvTrans_House.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "edi/EDIRecv.h"
#include "support/FixedText.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

using test::Pad;

// Result records as the bank sends them: the institution named by its BCode in positions 4-13.
std::string S(const std::string& code = "BK06") {
  return Pad("SC2" + Pad(code, 10) + "0626120912111234567890", 78) + "\r\n";
}
std::string D(const std::string& account, const std::string& amount, const std::string& result) {
  return Pad("D06" + Pad(account, 15) + "35" + amount + "11 " + result, 78) + "\r\n";
}
std::string E(const std::string& count) {
  return Pad("E0000003" + count + "0000000010000", 78) + "\r\n";
}

class RecvHousingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    folder_.AddInstitution({.Name = "주택구청",
                            .BankId = "06",
                            .Corcode = "CORP06",
                            .SendName = "SND06",
                            .RecvName = "RCV06",
                            .Bcode = "BK06"});
    folder_.AddOrder({.State = 2});
    folder_.AddRecipient({.BankId = "06", .BankNo = "987", .Won = 10000, .State = 2});
  }
  void TearDown() override { SetClock(std::nullopt); }

  TResultReport Read(const std::string& bytes) {
    return RecvTrans_House(folder_.WriteRecvFile("RCV06", bytes), folder_.Dm);
  }
  std::vector<std::string> Sub(const char* column) { return folder_.Column("TBTransSub", column); }

  test::TTransferFolder folder_;
};

TEST_F(RecvHousingTest, TheBCodeSelectsTheInstitutionNotItsUserNumber) {
  auto report = Read(S("CORP06") + D("987", "00000010000", "0000") + E("0000001"));
  EXPECT_EQ(report.Applied, 0);
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"});
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(RecvRemark(report.Lines[0]), "일치하는 기관 없음, 적용하지 않음");
  ASSERT_FALSE(report.Skipped.empty());
  EXPECT_EQ(report.Skipped[0].Reason, "등록된 기관이 아님: 06 CORP06");

  report = Read(S() + D("987", "00000010000", "E006") + E("0000001"));
  EXPECT_EQ(report.Applied, 1);
  EXPECT_EQ(Sub("Result"), std::vector<std::string>{"E006"});
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"3"});
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"3"});
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "주택구청");
  EXPECT_EQ(RecvRemark(report.Lines[0]), "자금 이체");
}

TEST_F(RecvHousingTest, ARecipientOfAnotherInstitutionIsNeverTaken) {
  folder_.AddInstitution(
      {.Id = 2, .Name = "다른구청", .BankId = "06", .RecvName = "X", .Bcode = "BK99"});
  folder_.AddOrder({.KigwanId = 2, .State = 2});
  folder_.AddRecipient({.KigwanId = 2, .BankId = "06", .BankNo = "555", .Won = 10000, .State = 2});
  auto report = Read(S() + D("555", "00000010000", "0000") + E("0000001"));
  EXPECT_EQ(report.Applied, 0);
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"2", "2"}));
}

TEST_F(RecvHousingTest, SeedFileApplies) {
  folder_.Dm.Database.Execute("UPDATE KiGwan SET BCode = 'B06'");
  folder_.AddRecipient({.BankId = "06", .BankNo = "12345", .Won = 300, .State = 2});
  auto report = RecvTrans_House(
      std::string(SELVANE_TEST_DATA) + "/housing_result_one_recipient.dat", folder_.Dm);
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(report.Applied, 1);
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"2", "3"}));
}

// Through the dispatch: a file cut short, and a store that fails.
TEST_F(RecvHousingTest, ACutFileOrAFailedStoreAppliesNothing) {
  test::TRecordedExchange view;
  const std::string whole = S() + D("987", "00000010000", "0000") + E("0000001");
  std::vector<TReceiveEntry> list{{"06", folder_.WriteRecvFile("RCV06", whole.substr(0, 160))}};
  ASSERT_TRUE(DispatchResultFile(list, folder_.Dm, view));
  ASSERT_EQ(view.List.size(), 1u);
  EXPECT_EQ(RecvRemark(view.List[0]), "끝 레코드 없음, 적용하지 않음 (재수신하십시오)");
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"});
  folder_.Dm.Database.Rollback();

  folder_.Dm.Database.ExecScript(
      "CREATE TRIGGER Full BEFORE UPDATE ON TBTrans BEGIN SELECT RAISE(ABORT, 'disk full'); END");
  folder_.Dm.Database.Commit();
  folder_.WriteRecvFile("RCV06", whole);
  EXPECT_FALSE(ApplyResultFiles(folder_.Dm, view));
  ASSERT_FALSE(view.Status.empty());
  EXPECT_TRUE(view.Status.back().IsError);
  EXPECT_NE(view.Status.back().Text.find("disk full"), std::string::npos)
      << view.Status.back().Text;
  // The recipient's result, recorded before the end record failed, is undone with the run.
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"});
}

}  // namespace
}  // namespace selvane
