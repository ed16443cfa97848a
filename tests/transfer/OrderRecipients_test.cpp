#include "transfer/OrderRecipients.h"

#include <gtest/gtest.h>

#include "support/ProgramFixture.h"
#include "support/RecipientRow.h"

namespace selvane {
namespace {

class OrderTotalsTest : public test::TProgramFixture {
 protected:
  // A recipient of the order with won and a half.
  void AddRecipient(const TOrderKey& order, const std::string& account, int won, int state) {
    test::AddRecipient(dm_.TB_TransSub, {.KigwanId = order.KigwanId,
                                         .DongId = order.DongId,
                                         .ItemId = order.LargeItmId,
                                         .BankNo = account,
                                         .State = state,
                                         .Amount = TMoney::FromUnits(won * 10000LL + 5000)});
  }
};

TEST_F(OrderTotalsTest, EveryRecipientOfTheOrderCountsHeldBackIncluded) {
  AddOrder(1, "0002", "01", "04");
  TOrderKey other = CurrentOrderKey;
  AddRecipient(other, "9", 999, 1);
  AddOrder(1, "0001", "01", "04");
  for (int state : {1, -1, 3}) AddRecipient(CurrentOrderKey, std::to_string(state), 100, state);
  RecalcOrderTotals(dm_);
  EXPECT_EQ(dm_.TB_Trans.FieldByName("ECount").AsInteger(), 3);
  EXPECT_EQ(dm_.TB_Trans.FieldByName("TotalSum").AsMoney(), TMoney::FromUnits(3015000));
  EXPECT_EQ(dm_.TB_Trans.FieldByName("DongID").AsString(), "0001");
}

TEST_F(OrderTotalsTest, AnOrderWithoutRecipientsHasZeroAndZero) {
  AddOrder(1, "0001", "01", "04");
  RecalcOrderTotals(dm_);
  EXPECT_EQ(dm_.TB_Trans.FieldByName("ECount").AsInteger(), 0);
  EXPECT_EQ(dm_.TB_Trans.FieldByName("TotalSum").AsMoney(), TMoney());
  EXPECT_FALSE(dm_.TB_Trans.FieldByName("TotalSum").IsNull());
}

}  // namespace
}  // namespace selvane
