#include "core/PreSendCheck.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "support/ProgramFixture.h"

namespace selvane {
namespace {

const char* const kIndustrialLate =
    "기업은행의 경우 송신제한시간이 오후 4시00분입니다.\r\n송신제한시간 이내에 송신해 주시기 "
    "바랍니다.";
const char* const kCentralLate =
    "자금이체 정보에 당일수납이체 데이타가 존재 합니다. \r\n농협중앙회는 당일이체시 오후 "
    "2시30분까지 송신 가능하므로 데이타를 삭제 또는 수정후 송신하십시오";
const char* const kRepeatedTitle = "[주의] 농협: 동일한 이체일로 송신된 이체자료 확인필요";

class PreSendCheckTest : public test::TProgramFixture {
 protected:
  void SetUp() override {
    TProgramFixture::SetUp();
    AddInstitution(1, "기업기관", "03");
    AddInstitution(2, "중앙기관", "11");
    AddInstitution(3, "회원기관", "12");
  }
  void TearDown() override {
    SetClock(std::nullopt);
    TProgramFixture::TearDown();
  }

  void Order(int kigwan, const std::string& dong, int state, TDate payment) {
    AddOrder(kigwan, dong, "01", "");
    dm_.TB_Trans.Edit();
    dm_.TB_Trans.FieldByName("State").Set(state);
    dm_.TB_Trans.FieldByName("To_date").Set(payment);
    dm_.TB_Trans.Post();
  }

  void At(int hour, int minute, int second) {
    SetClock(TDateTime{{2026, 3, 25}, hour, minute, second});
  }
};

TEST_F(PreSendCheckTest, IndustrialBankCutOffIsFourPm) {
  Order(1, "0001", 1, {2026, 3, 26});
  At(16, 0, 0);
  EXPECT_TRUE(PreSendCheck(dm_, 3));
  At(16, 0, 1);
  EXPECT_FALSE(PreSendCheck(dm_, 3));
  EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{kIndustrialLate}));
}

TEST_F(PreSendCheckTest, NongHyupCutOffsConcernOnlyOrdersDueToday) {
  Order(3, "0001", 1, {2026, 3, 25});
  At(15, 0, 0);
  EXPECT_TRUE(PreSendCheck(dm_, 12)) << "member co-operatives until 15:30";
  Order(2, "0002", 1, {2026, 3, 26});
  At(14, 30, 1);
  EXPECT_TRUE(PreSendCheck(dm_, 11)) << "due tomorrow";
  Order(2, "0003", 1, {2026, 3, 25});
  At(14, 30, 0);
  EXPECT_TRUE(PreSendCheck(dm_, 11));
  At(14, 30, 1);
  EXPECT_FALSE(PreSendCheck(dm_, 11));
  EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{kCentralLate}));
}

TEST_F(PreSendCheckTest, RepeatedPaymentDateAsksAndNoStopsTheWholeSend) {
  At(9, 0, 0);
  Order(2, "0001", 1, {2026, 3, 25});
  Order(2, "0002", 2, {2026, 3, 25});
  Order(3, "0001", 1, {2026, 3, 27});
  Order(3, "0002", 2, {2026, 3, 27});
  messages_.QueueAnswer(false);
  EXPECT_FALSE(PreSendChecks(dm_));
  ASSERT_EQ(messages_.Messages().size(), 1u) << "the member check does not run after No";
  EXPECT_EQ(messages_.Messages()[0].Caption, kRepeatedTitle);
  EXPECT_EQ(messages_.Messages()[0].Kind, "confirm");
  messages_.Clear();
  messages_.QueueAnswer(true);
  messages_.QueueAnswer(true);
  EXPECT_TRUE(PreSendChecks(dm_));
  EXPECT_EQ(messages_.Messages().size(), 2u);
}

TEST_F(PreSendCheckTest, ASentOrderOfAnotherDateDoesNotWarn) {
  At(9, 0, 0);
  Order(2, "0001", 1, {2026, 3, 25});
  Order(2, "0002", 2, {2026, 3, 24});
  Order(1, "0003", 2, {2026, 3, 25});
  EXPECT_TRUE(PreSendChecks(dm_));
  EXPECT_TRUE(messages_.Messages().empty());
}

}  // namespace
}  // namespace selvane
