#include "formats/SendTrans80_Hanvit.h"

#include <gtest/gtest.h>

#include "support/TransferFolder.h"

namespace selvane {
namespace {

TBatch HanvitBatch() {
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.BankID = "20";
  batch.Order.SendName = "HAN01";
  return batch;
}

TBatchRecipient Pending(const char* account, std::int64_t won) {
  TBatchRecipient r;
  r.BankId = "20";
  r.BankNo = account;
  r.Monecy = TMoney::FromWon(won);
  r.State = 1;
  return r;
}

TEST(SendHanvit, CheckValueOfOneRecipient) {
  test::TSendFolder folder;
  test::TRecordedExchange view;
  TBatch batch = HanvitBatch();
  batch.Recipients = {Pending("1-2-3", 400)};  // account sum 6, amount sum 4: 6 mod 4
  SendTrans80_Hanvit(batch, view);
  auto lines = test::SplitCrLf(folder.ReadFile("HAN01"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3],
            "E"
            "0000003"
            "0000001"
            "0000000000400"
            "0000000"
            "0000000000000"
            "0000000"
            "0000000000000"
            "000002"
            "    ");
}

TEST(SendHanvit, CheckValueKeepsItsLastSixDigits) {
  EXPECT_EQ(HanvitCheckValue(6, 4), "000002");
  EXPECT_EQ(HanvitCheckValue(1234567, 9999999), "234567");
  EXPECT_EQ(HanvitCheckValue(3, 3), "000000");
}

TEST(SendHanvit, NoCheckValueWithoutAnAmount) {
  for (auto recipients : {std::vector<TBatchRecipient>{},
                          std::vector<TBatchRecipient>{Pending("123", 0), Pending("456", 0)}}) {
    test::TSendFolder folder;
    test::TRecordedExchange view;
    TBatch batch = HanvitBatch();
    batch.Recipients = recipients;
    EXPECT_THROW(SendTrans80_Hanvit(batch, view), TSendFileError);
    // The end record was not written.
    auto lines = test::SplitCrLf(folder.ReadFile("HAN01"));
    ASSERT_EQ(lines.size(), 2 + recipients.size());  // envelope, header, data records
    ASSERT_FALSE(lines.back().empty());
    EXPECT_EQ(lines.back()[0], recipients.empty() ? 'S' : 'D');
  }
}

}  // namespace
}  // namespace selvane
