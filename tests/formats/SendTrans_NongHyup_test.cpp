#include "formats/SendTrans_NongHyup.h"

#include <gtest/gtest.h>

#include "core/Cp949.h"
#include "support/RequestRecords.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

TBatch CentralBatch() {
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.BankID = "11";
  batch.Order.Corcode = "NHCORP01";
  batch.Order.SendName = "NHC01";
  return batch;
}

TBatchRecipient Pending(const char* bank, const char* account, std::int64_t won,
                        std::int64_t fund = 0, const char* item = "") {
  return test::PendingRecipient(bank, account, won, fund, item);
}

std::vector<std::string> Records(const TBatch& batch, TBatchResult* result = nullptr) {
  return test::RequestRecords(&SendTrans_NongHyup, batch, result);
}

const std::string kHeader = "S11NHCORP0111261211261211261209NEWNORVA" + std::string(39, ' ');

TEST(SendNongHyupCentral, RecordsByteForByte) {
  TBatch batch = CentralBatch();
  batch.Recipients = {Pending("11", "302-12-345678", 150000, 1, "생계급여"),
                      Pending("12", "351-1234-5678-91", 2500, 66, "주거급여"),
                      Pending("04", "123-456-789012", 7)};
  batch.Recipients[1].State = 2;  // not pending: no record, no sequence number
  batch.Recipients.push_back(Pending("12", "351-1234-5678-92", 2500, 66, "주거급여"));
  const auto records = Records(batch);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0], kHeader);
  EXPECT_EQ(records[1],
            "DNHCORP01"
            "01"
            "11"
            "00030212345678 "
            "000001"
            "0000150000"
            "7001011234567   " +
                ToCp949("생계급여") + "   261211 ");
  EXPECT_EQ(records[2],
            "DNHCORP01"
            "00"
            "04"
            "123456789012   "
            "000002"
            "0000000007"
            "7001011234567   " +
                std::string(10, ' ') + " 261211 ");
  EXPECT_EQ(records[3],
            "DNHCORP01"
            "66"
            "12"
            "3511234567892  "
            "000003"
            "0000002500"
            "7001011234567   " +
                ToCp949("주거급여") + "   261211 ");
  // Records of the batch, total, then the groups of banks 11, 12 and the others.
  EXPECT_EQ(records[4],
            "ENHCORP01"
            "000005"
            "000000152507"
            "000001"
            "000000150000"
            "000001"
            "000000002500"
            "00001"
            "0000000007");
  for (const auto& record : records) EXPECT_EQ(record.size(), 78u);
}

TEST(SendNongHyupCentral, AnEmptyBatchCountsItsHeaderAndEnd) {
  const auto records = Records(CentralBatch());
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], kHeader);
  EXPECT_EQ(records[1],
            "ENHCORP01"
            "000002" +
                std::string(12 + 6 + 12 + 6 + 12 + 5 + 10, '0'));
}

TEST(SendNongHyupCentral, NongHyupAccountsAreWidenedByTheirStoredLength) {
  struct TCase {
    const char* bank;
    const char* stored;
    const char* field;  // positions 14-28
  } cases[] = {
      {"11", "302-12-345678", "00030212345678 "},     // 3-2-6: 13 characters
      {"11", "302-1234-5678-91", "003021234567891"},  // 3-4-4-2: 16 characters
      {"11", "012-1234-5678-91", "000121234567891"},  // its own first digit is 0
      {"11", "30212345678", "0030212345678  "},       // 11 characters without hyphens
      {"12", "351-1234-5678-91", "3511234567891  "}, {"04", "123-456-789012", "123456789012   "},
  };
  for (const auto& c : cases) {
    TBatch batch = CentralBatch();
    batch.Recipients = {Pending(c.bank, c.stored, 1000)};
    const auto records = Records(batch);
    ASSERT_EQ(records.size(), 3u) << c.stored;
    EXPECT_EQ(records[1].substr(13, 15), c.field) << c.stored;
  }
}

TEST(SendNongHyupCentral, TheItemNameIsCutAtAWholeCharacter) {
  struct TCase {
    const char* item;
    std::string field;  // positions 61-70
  } cases[] = {
      {"기초생활급여", ToCp949("기초생활급")},      // 12 bytes: the first 10 are 5 characters
      {"1기초생활급", ToCp949("1기초생활") + " "},  // the 10th byte would split a character
      {"", std::string(10, ' ')},
  };
  for (const auto& c : cases) {
    TBatch batch = CentralBatch();
    batch.Recipients = {Pending("04", "1234", 1000, 0, c.item)};
    const auto records = Records(batch);
    ASSERT_EQ(records.size(), 3u) << c.item;
    EXPECT_EQ(records[1].substr(60, 10), c.field) << c.item;
    EXPECT_EQ(records[1].size(), 78u) << c.item;
  }
}

TEST(SendNongHyupCentral, LongTotalsKeepTheirLastDigits) {
  TBatch batch = CentralBatch();
  for (int i = 0; i < 101; ++i)
    batch.Recipients.push_back(
        Pending("04", ("1000-" + std::to_string(i)).c_str(), 9'999'999'999));  // 10 digits
  const auto records = Records(batch);
  ASSERT_EQ(records.size(), 103u);
  EXPECT_EQ(records[101].substr(28, 6), "000101");
  // 1,009,999,999,899 won: 13 digits, the last 12 in the total and the last 10 in the others'.
  EXPECT_EQ(records[102],
            "ENHCORP01"
            "000103"
            "009999999899"
            "000000"
            "000000000000"
            "000000"
            "000000000000"
            "00101"
            "9999999899");
}

TEST(SendNongHyupCentral, AnAccountOrAmountThatDoesNotFitIsHeldBackAndNotCounted) {
  TBatch batch = CentralBatch();
  batch.Recipients = {Pending("11", "302-1234-5678-912", 1000),         // "00" + 14 digits
                      Pending("04", "123-456-789012", 10'000'000'000),  // 11 digits
                      Pending("12", "351-1234-5678-91", 2500)};
  for (std::size_t i = 0; i < batch.Recipients.size(); ++i) batch.Recipients[i].RowId = i + 1;
  batch.Recipients[1].Name = "김영희";
  TBatchResult result;
  const auto records = Records(batch, &result);
  EXPECT_EQ(result.Written, std::vector<std::int64_t>{3});
  EXPECT_EQ(
      result.HeldBack,
      (std::vector<std::string>{"계좌번호가 송신 파일의 칸보다 깁니다: 홍길동 11 302-1234-5678-912",
                                "이체금액이 송신 파일의 칸보다 깁니다: 김영희 04 10000000000"}));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].substr(28, 6), "000001");  // the sequence leaves no gap
  EXPECT_EQ(records[2],
            "ENHCORP01"
            "000003"
            "000000002500"
            "000000"
            "000000000000"
            "000001"
            "000000002500"
            "00000"
            "0000000000");
}

TEST(SendNongHyupCentral, AUserNumberLongerThanItsFieldFailsTheBatch) {
  TBatch batch = CentralBatch();
  batch.Order.Corcode = "NHCORP012";
  test::TSendFolder folder;
  test::TRecordedExchange view;
  try {
    SendTrans_NongHyup(batch, view);
    FAIL() << "written";
  } catch (const TSendFileError& error) {
    EXPECT_STREQ(error.what(), "이용자번호가 송신 파일의 칸(8자리)보다 깁니다: 종로구청 NHCORP012");
  }
  EXPECT_TRUE(view.List.empty());
}

}  // namespace
}  // namespace selvane
