#include "formats/SendTrans_House.h"

#include <gtest/gtest.h>

#include "support/TransferFolder.h"

namespace selvane {
namespace {

// The payment date as MMDD moves the later fields two columns to the left.
const std::string kHeader =
    "SC2CORP01    06261209"
    "1211"
    "123456789      " +
    std::string(8 + 1, ' ') + "1 0012QOREX " + std::string(11 + 6, ' ');

TBatch HousingBatch() {
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.BankID = "06";
  return batch;
}

void Add(TBatch& batch, const char* bank, const char* account, std::int64_t won) {
  TBatchRecipient r;
  r.RowId = static_cast<std::int64_t>(batch.Recipients.size()) + 1;
  r.BankId = bank;
  r.BankNo = account;
  r.Jumin = "700101-1234567";
  r.Monecy = TMoney::FromWon(won);
  r.State = 1;
  batch.Recipients.push_back(r);
}

std::vector<std::string> Records(const TBatch& batch, TBatchResult* result = nullptr) {
  test::TSendFolder folder;
  test::TRecordedExchange view;
  TBatchResult written = SendTrans_House(batch, view);
  if (result != nullptr) *result = written;
  auto lines = test::SplitCrLf(folder.ReadFile("SND01"));
  lines.erase(lines.begin());  // the envelope line
  return lines;
}

TEST(SendHousing, RecordsByteForByteWithTheCheckValue) {
  TBatch batch = HousingBatch();
  Add(batch, "06", "123-45-678901", 10000);
  Add(batch, "04", "123-4567-8901", 2500);  // another bank: not written
  TBatchResult result;
  auto records = Records(batch, &result);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0], kHeader);
  EXPECT_EQ(records[1],
            "D06"
            "12345678901    "
            "35"
            "00000010000"
            "11" +
                std::string(1 + 4 + 10, ' ') + "7001011234567   20261211" + "1211" + "  ");
  EXPECT_EQ(records[2],
            "E"
            "0000003"
            "00000010000000010000"
            "0000000"
            "0000000000000"
            "0000000"
            "0000000000000"
            "0033" +
                std::string(6, ' '));
  EXPECT_EQ(result.Written, std::vector<std::int64_t>{1});
  EXPECT_EQ(result.Warnings, std::vector<std::string>{
                                 "종로구청: 주택은행 계좌가 아닌 수급자 1명은 보내지 않았습니다."});
}

TEST(SendHousing, ABatchWithoutRecipientsOfTheBankHasCheckValueZero) {
  for (const char* otherBank : {"", "04"}) {
    TBatch batch = HousingBatch();
    if (*otherBank != '\0') Add(batch, otherBank, "123-4567-8901", 2500);
    auto records = Records(batch);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], kHeader);
    EXPECT_EQ(records[1], "E0000002" + std::string(60, '0') + "0000" + std::string(6, ' '))
        << otherBank;
  }
}

TEST(SendHousing, CheckValueOfTheCountAndTotal) {
  struct TCase {
    const char* countAndTotal;
    const char* check;
  } cases[] = {
      {"00000010000000010000", "0033"},
      {"00000000000000000000", "0000"},
      {"00000020000000152500", "2535"},
      {"99999999999999999999", "5195"},
  };
  for (const auto& c : cases) EXPECT_EQ(HousingCheckValue(c.countAndTotal), c.check);
  for (const char* bad : {"0000001000000001000.", "000000100000000-1000", "123"})
    EXPECT_THROW(HousingCheckValue(bad), TSendFileError) << bad;
}

}  // namespace
}  // namespace selvane
