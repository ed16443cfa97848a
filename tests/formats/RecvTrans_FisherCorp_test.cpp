// The fisheries co-operative's and the foreign-exchange bank's result readers: the standard
// result records, the institution found by its bank ID on the network (BCode).
#include "formats/RecvTrans_FisherCorp.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/Globals.h"
#include "edi/EDIRecv.h"
#include "formats/RecvTrans_ForeignExchange.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

struct TFamily {
  const char* name;
  const char* bank;
  TRecvFn read;
};

std::string Pad(std::string text) {
  text.resize(78, ' ');
  return text + "\r\n";
}

class RecvFisheriesTest : public ::testing::TestWithParam<TFamily> {
 protected:
  void SetUp() override {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    bank_ = GetParam().bank;
    folder_.AddInstitution(
        {.Name = "완도군청", .BankId = bank_, .Corcode = "CORP01", .Bcode = "SUHYUP1"});
    folder_.AddOrder({.State = 2});
  }
  void TearDown() override { SetClock(std::nullopt); }

  std::string S(const std::string& code) const {
    return Pad("SC2" + code + std::string(10 - code.size(), ' ') + bank_ + "261209261211");
  }
  static std::string D(const std::string& account, const std::string& amount,
                       const std::string& result, const std::string& amount2 = "") {
    return Pad("D04" + account + std::string(15 - account.size(), ' ') + "40" + amount + "11 " +
               result + amount2);
  }
  static std::string E(const std::string& count) {
    return Pad("E0000003" + count + "0000000150000");
  }
  TResultReport Read(const std::string& bytes) {
    return GetParam().read(folder_.WriteRecvFile("RCV01", bytes), folder_.Dm);
  }
  std::vector<std::string> Sub(const char* column) { return folder_.Column("TBTransSub", column); }

  std::string bank_;
  test::TTransferFolder folder_;
  test::TRecordedExchange view_;
};

TEST_P(RecvFisheriesTest, TheHeadersBankIdSelectsTheInstitution) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 1000, .State = 2});
  folder_.AddRecipient({.BankNo = "777", .Won = 300, .State = 2});
  // The second amount is added where it differs, as in the standard result.
  auto report = Read(S("SUHYUP1") + D("12345", "00000000400", "0000", "0000000600") +
                     D("777", "00000000300", "E101") + E("0000002"));
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(report.Applied, 2);
  EXPECT_TRUE(report.Skipped.empty());
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0000", "E101"}));
  EXPECT_EQ(Sub("State"), (std::vector<std::string>{"3", "3"}));
  EXPECT_EQ(Sub("Recv_date"), (std::vector<std::string>{"2026-12-10", "2026-12-10"}));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"3"});
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(report.Lines[0].KigwanName, "완도군청");
  EXPECT_EQ(report.Lines[0].FileName, "RCV01");
  EXPECT_EQ(report.Lines[0].Count, 2);
  EXPECT_EQ(RecvRemark(report.Lines[0]), "자금 이체");
}

TEST_P(RecvFisheriesTest, TheUserNumberInTheHeaderSelectsNoInstitution) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  auto report = Read(S("CORP01") + D("12345", "00000000300", "0000") + E("0000001"));
  EXPECT_EQ(report.Applied, 0);
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"});
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"2"});
  ASSERT_FALSE(report.Skipped.empty());
  EXPECT_EQ(report.Skipped[0].Reason, "등록된 기관이 아님: " + bank_ + " CORP01");
  ASSERT_EQ(report.Lines.size(), 1u);
  EXPECT_EQ(RecvRemark(report.Lines[0]), "일치하는 기관 없음, 적용하지 않음");
}

TEST_P(RecvFisheriesTest, ARecipientOfAnotherInstitutionIsNotTaken) {
  folder_.AddInstitution({.Id = 2,
                          .Name = "목포시청",
                          .BankId = bank_,
                          .Corcode = "CORP02",
                          .SendName = "SND02",
                          .RecvName = "RCV02",
                          .Bcode = "SUHYUP2"});
  folder_.AddOrder({.KigwanId = 2, .State = 2});
  folder_.AddRecipient({.KigwanId = 2, .BankNo = "12345", .Won = 300, .State = 2});
  auto report = Read(S("SUHYUP1") + D("12345", "00000000300", "0000") + E("0000001"));
  EXPECT_EQ(report.Applied, 0);
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"});
  ASSERT_EQ(report.Skipped.size(), 1u);
  EXPECT_EQ(report.Skipped[0].Reason, "일치하는 송신완료 수신자 없음: 04 12345 300");
  // Institution 2's own order is left as it was.
  EXPECT_EQ(folder_.Column("TBTrans", "State"), (std::vector<std::string>{"3", "2"}));
}

TEST_P(RecvFisheriesTest, ValuesThatCannotBeReadMatchNothing) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  struct TCase {
    std::string data;
    const char* reason;
  } cases[] = {
      {D("12345", "0000000030X", "0000"), "일치하는 송신완료 수신자 없음: 04 12345 0"},
      {D("123\xff\xff", "00000000300", "0000"), "CP949로 읽을 수 없는 계좌 정보"},
  };
  for (const auto& c : cases) {
    folder_.Dm.Database.Execute("UPDATE TBTrans SET State = 2");  // the last end marked it
    auto report = Read(S("SUHYUP1") + c.data + E("0000001"));
    EXPECT_EQ(report.Applied, 0) << c.reason;
    ASSERT_EQ(report.Skipped.size(), 1u) << c.reason;
    EXPECT_EQ(report.Skipped[0].Reason, c.reason);
  }
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"});
}

TEST_P(RecvFisheriesTest, ACutFileAppliesNothing) {
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  const std::string whole = S("SUHYUP1") + D("12345", "00000000300", "0000") + E("0000001");
  folder_.WriteRecvFile("RCV01", whole.substr(0, whole.size() - 50));
  ASSERT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_EQ(Sub("State"), std::vector<std::string>{"2"});
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"2"});
  ASSERT_EQ(view_.List.size(), 1u);
  EXPECT_EQ(RecvRemark(view_.List[0]), "끝 레코드 없음, 적용하지 않음 (재수신하십시오)");
}

TEST_P(RecvFisheriesTest, TheSeedFile) {
  // As the fuzz target's institution of this bank: bank ID "B" + bank.
  folder_.Dm.Database.Execute("UPDATE KiGwan SET BCode = ?1", {TValue("B" + bank_)});
  folder_.AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
  folder_.AddRecipient({.BankId = bank_, .BankNo = "123-45-678901", .Won = 150000, .State = 2});
  const std::string file =
      std::string(SELVANE_TEST_DATA) + "/" + GetParam().name + "_result_two_recipients.dat";
  auto report = GetParam().read(file, folder_.Dm);
  EXPECT_TRUE(report.Complete);
  EXPECT_EQ(report.Applied, 2);
  EXPECT_EQ(Sub("Result"), (std::vector<std::string>{"0000", "9999"}));
}

INSTANTIATE_TEST_SUITE_P(Families, RecvFisheriesTest,
                         ::testing::Values(TFamily{"fisheries", "07", &RecvTrans_FisherCorp},
                                           TFamily{"foreignexchange", "05",
                                                   &RecvTrans_ForeignExchange}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace selvane
