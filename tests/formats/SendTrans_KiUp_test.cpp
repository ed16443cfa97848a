#include "formats/SendTrans_KiUp.h"

#include <gtest/gtest.h>

#include "edi/EDISend.h"
#include "support/FixedText.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

// The transfer date as MMDD; the bank code zero-filled in 3-4, blank-filled in 32-38.
const std::string kHeader = "1103821211" + std::string(6, ' ') + "123456789     " + " " +
                            "03     " + std::string(10 + 1, ' ') + "1 " + std::string(4, ' ') +
                            "QOREX " + std::string(11 + 6, ' ');

using test::Pad;

TBatch IndustrialBatch() {
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.BankID = "03";
  return batch;
}

void Add(TBatch& batch, const char* bank, const char* account, std::int64_t won,
         const char* jumin = "700101-1234567") {
  TBatchRecipient r;
  r.RowId = static_cast<std::int64_t>(batch.Recipients.size()) + 1;
  r.BankId = bank;
  r.BankNo = account;
  r.Jumin = jumin;
  r.Monecy = TMoney::FromWon(won);
  r.State = 1;
  batch.Recipients.push_back(r);
}

TEST(SendIndustrial, OnlyRecipientsOfTheBankAreWrittenAndNumbered) {
  TBatch batch = IndustrialBatch();
  Add(batch, "03", "123-456789-01-012", 150000);
  Add(batch, "11", "301-0123-4567-81", 2500);
  Add(batch, "03", "987-654321-01-015", 7000, "12345");
  test::TSendFolder folder;
  test::TRecordedExchange view;
  TBatchResult result = SendTrans_KiUp(batch, view);
  auto lines = test::SplitCrLf(folder.ReadFile("SND01"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], kHeader);
  EXPECT_EQ(lines[2],
            "220382000001"
            "12345678901012"
            "00000150000" +
                Pad("7001011234567", 24) + std::string(10 + 1 + 4, ' '));
  EXPECT_EQ(lines[3],
            "220382000002"
            "98765432101015"
            "00000007000" +
                Pad("12345", 24) + std::string(10 + 1 + 4, ' '));
  EXPECT_EQ(lines[2].size(), 76u);
  EXPECT_EQ(lines[4],
            "330382"
            "0000002"
            "0000000157000" +
                std::string(52, ' '));
  EXPECT_EQ(result.Written, (std::vector<std::int64_t>{1, 3}));
  EXPECT_EQ(result.Warnings, std::vector<std::string>{
                                 "종로구청: 기업은행 계좌가 아닌 수급자 1명은 보내지 않았습니다."});
  ASSERT_EQ(view.List.size(), 1u);
  EXPECT_EQ(view.List[0].Count, 2);
}

TEST(SendIndustrial, ABatchWithoutRecipientsOfTheBankHasAnEndRecordOfZeros) {
  TBatch batch = IndustrialBatch();
  Add(batch, "04", "123-4567-8901", 1000);
  Add(batch, "88", "110-123-456789", 2000);
  test::TSendFolder folder;
  test::TRecordedExchange view;
  TBatchResult result = SendTrans_KiUp(batch, view);
  auto lines = test::SplitCrLf(folder.ReadFile("SND01"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], kHeader);
  EXPECT_EQ(lines[2], "330382" + std::string(20, '0') + std::string(52, ' '));
  EXPECT_TRUE(result.Written.empty());
  EXPECT_EQ(result.Warnings, std::vector<std::string>{
                                 "종로구청: 기업은행 계좌가 아닌 수급자 2명은 보내지 않았습니다."});
}

// Through the build: the recipients the format does not carry are not marked sent and the
// build says how many there are.
TEST(SendOwnBankOnly, TheBuildLeavesRecipientsOfOtherBanksPendingAndSaysSo) {
  struct TCase {
    const char* bank;
    const char* warning;
  } cases[] = {
      {"03", "기업구청: 기업은행 계좌가 아닌 수급자 2명은 보내지 않았습니다."},
      {"06", "기업구청: 주택은행 계좌가 아닌 수급자 2명은 보내지 않았습니다."},
  };
  for (const auto& c : cases) {
    test::TTransferFolder folder;
    test::TRecordedExchange view;
    folder.AddInstitution({.Name = "기업구청", .BankId = c.bank});
    auto order = folder.AddOrder({});
    auto own = folder.AddRecipient({.BankId = c.bank, .BankNo = "111"});
    folder.AddRecipient({.BankId = "11", .BankNo = "222"});
    folder.AddRecipient({.BankId = "04", .BankNo = "333"});
    TWrittenRows written;
    ASSERT_TRUE(BuildRequestFiles(folder.Dm, view, written)) << c.bank;
    EXPECT_EQ(written.Recipients, std::vector<std::int64_t>{own}) << c.bank;
    EXPECT_EQ(view.Warnings, std::vector<std::string>{c.warning});
    ASSERT_TRUE(folder.Dm.MarkWaitingAsSent(written.Orders, written.Recipients));
    EXPECT_EQ(folder.Column("TBTrans", "State"), std::vector<std::string>{"2"}) << order;
    EXPECT_EQ(folder.Column("TBTransSub", "State"), (std::vector<std::string>{"2", "1", "1"}));
  }
}

}  // namespace
}  // namespace selvane
