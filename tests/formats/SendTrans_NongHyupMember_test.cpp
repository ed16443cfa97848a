#include "formats/SendTrans_NongHyupMember.h"

#include <gtest/gtest.h>

#include "core/Cp949.h"
#include "formats/NongHyupCheck.h"
#include "support/RequestRecords.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

// Paid on the 5th: the day enters every check value.
TBatch MemberBatch() {
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.BankID = "12";
  batch.Order.Corcode = "NHM0001";
  batch.Order.BankNo = "351-0123-4567-89";
  batch.Order.SendName = "NHM01";
  batch.Order.To_date = {2026, 12, 5};
  return batch;
}

TBatchRecipient Pending(const char* bank, const char* account, std::int64_t won,
                        std::int64_t fund = 0, const char* item = "") {
  return test::PendingRecipient(bank, account, won, fund, item);
}

std::vector<std::string> Records(const TBatch& batch, TBatchResult* result = nullptr) {
  return test::RequestRecords(&SendTrans_NongHyupMember, batch, result);
}

const std::string kHeader =
    "1112261205000000170NHM00011111351-0123-4567-89" + std::string(27, ' ') + "NEW  ";
const std::string kGap = std::string(18, ' ');

TEST(SendNongHyupMember, OneRecipientWithItsCheckValues) {
  TBatch batch = MemberBatch();
  // Day 5 + check character 3 + 100 won: s = 108, 0972. End: t = 3 + 1 + 100, m = 1112: 0935.
  batch.Recipients = {Pending("12", "351-1234-5678-93", 100, 1, "생계급여")};
  const auto records = Records(batch);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0], kHeader);
  EXPECT_EQ(records[1],
            "22"
            "0000001"
            "12"
            "351-1234-5678-93"
            "000000000100"
            "9"
            "  "
            "0972" +
                kGap + "01" + ToCp949("생계급여") + "    ");
  EXPECT_EQ(records[2],
            "33"
            "000001"
            "000000000100"
            "000001"
            "000000000100"
            "000000"
            "000000000000"
            "000000"
            "000000000000"
            "0935");
}

TEST(SendNongHyupMember, RecordsOfEachBankGroupByteForByte) {
  TBatch batch = MemberBatch();
  batch.Recipients = {Pending("12", "351-1234-5678-93", 100, 1, "생계급여"),
                      Pending("11", "302-12-345678", 2500, 6, "1주거급여교육"),
                      Pending("04", "123-456-789012", 7)};
  const auto records = Records(batch);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[1].substr(0, 46),
            "22"
            "0000001"
            "12"
            "351-1234-5678-93"
            "000000000100"
            "9"
            "  "
            "0972");
  // A central-bank account of 13 characters keeps its hyphens behind "00"; check character 8:
  // s = 5 + 8 + 2500 = 2513, 2513 mod 1111 = 291, 0.2619...
  // The item name stops before the character its 12th byte would split.
  EXPECT_EQ(records[2],
            "22"
            "0000002"
            "11"
            "00302-12-345678 "
            "000000002500"
            "9"
            "  "
            "2619" +
                kGap + "06" + ToCp949("1주거급여교") + " ");
  // Another bank: digits only, s = 5 + 7 = 12; its bank code 4 goes into the batch's sum.
  EXPECT_EQ(records[3],
            "22"
            "0000003"
            "04"
            "123456789012    "
            "000000000007"
            "9"
            "  "
            "0108" +
                kGap + "00" + std::string(12, ' '));
  // Groups 12 before 11. t = (3 + 8 + 4) + 3 + 2607 = 2625, m = 1114: 2.35637...
  EXPECT_EQ(records[4],
            "33"
            "000003"
            "000000002607"
            "000001"
            "000000000100"
            "000001"
            "000000002500"
            "000001"
            "000000000007"
            "3563");
}

TEST(SendNongHyupMember, NongHyupAccountsKeepTheirHyphens) {
  struct TCase {
    const char* bank;
    const char* stored;
    const char* field;  // positions 12-27
  } cases[] = {
      {"11", "302-12-345678", "00302-12-345678 "},  // 13 characters: "00" in front
      {"11", "30212345678", "030212345678    "},    // any other length: "0"
      {"12", "351-1234-5678-93", "351-1234-5678-93"}, {"12", "3511234567893", "3511234567893   "},
      {"04", "123-456-789012", "123456789012    "},
  };
  for (const auto& c : cases) {
    TBatch batch = MemberBatch();
    batch.Recipients = {Pending(c.bank, c.stored, 1000)};
    const auto records = Records(batch);
    ASSERT_EQ(records.size(), 3u) << c.stored;
    EXPECT_EQ(records[1].substr(11, 16), c.field) << c.stored;
  }
}

TEST(SendNongHyupMember, ATotalAboveTenBillionWonGivesTheExactBatchCheck) {
  TBatch batch = MemberBatch();
  // Six recipients at bank 04: t = 6 x 4 + 6 + 2,304,596,405,850 = 2,304,596,405,880, m = 1117.
  // q = 2063201795.774395..., to 15 digits 2063201795.77440: 7744. A double gives 7743.
  for (std::int64_t won :
       {700'000'000'000LL, 700'000'000'000LL, 700'000'000'000LL, 204'596'405'847LL, 1LL, 2LL})
    batch.Recipients.push_back(Pending("04", ("5000-" + std::to_string(won)).c_str(), won));
  const auto records = Records(batch);
  ASSERT_EQ(records.size(), 8u);
  // 13 digits: each total keeps its last 12.
  EXPECT_EQ(records[7],
            "33"
            "000006"
            "304596405850"
            "000000"
            "000000000000"
            "000000"
            "000000000000"
            "000006"
            "304596405850"
            "7744");
}

TEST(SendNongHyupMember, BatchCheckInExactDecimals) {
  struct TCase {
    std::uint64_t t, m;
    int check;
  } cases[] = {
      {104, 1112, 935},  // 0.0935251798...: leading zeros are not significant
      {2625, 1114, 3563},
      {0, 1111, 0},
      {5227783739581, 1112, 1268},                       // 4701244370.126798... rounds to ...12680
      {1112 * 10'000'000'000'000ULL + 556, 1112, 5000},  // 14 whole digits and .5
      {1112 * 100'000'000'000'000ULL + 556, 1112, 0},    // 15 whole digits: no fraction left
  };
  for (const auto& c : cases) EXPECT_EQ(MemberBatchCheck(c.t, c.m), c.check) << c.t << "/" << c.m;
  EXPECT_EQ(MemberRecordCheck(108), 972);
  EXPECT_EQ(MemberRecordCheck(1111 + 108), 972);
  EXPECT_EQ(MemberRecordCheck(1110), 9990);
}

TEST(SendNongHyupMember, AHeldBackRecipientLeavesCountsTotalsAndChecksAlone) {
  TBatch batch = MemberBatch();
  batch.Recipients = {Pending("12", "351-1234-5678-93", 100),
                      Pending("11", "302-1234-5678-91", 5000),  // "0" + 16 characters
                      Pending("04", "123-456-789012", 7)};
  for (std::size_t i = 0; i < batch.Recipients.size(); ++i) batch.Recipients[i].RowId = i + 1;
  TBatchResult result;
  const auto records = Records(batch, &result);
  EXPECT_EQ(result.Written, (std::vector<std::int64_t>{1, 3}));
  EXPECT_EQ(
      result.HeldBack,
      std::vector<std::string>{"계좌번호가 송신 파일의 칸보다 깁니다: 홍길동 11 302-1234-5678-91"});
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[2].substr(2, 7), "0000002");
  // The same file as for the batch without the held-back recipient.
  TBatch without = batch;
  without.Recipients.erase(without.Recipients.begin() + 1);
  EXPECT_EQ(records, Records(without));
}

TEST(SendNongHyupMember, AValueTheCheckCannotTakeFailsTheBatchAndNamesTheRecipient) {
  struct TCase {
    const char* bank;
    const char* account;
    const char* reason;
  } cases[] = {
      {"12", "351-1234-5678-9X", "계좌번호의 검증 문자가 숫자가 아닙니다"},
      {"11", "302-12-34567-", "계좌번호의 검증 문자가 숫자가 아닙니다"},
      {"12", "", "계좌번호가 없습니다"},
      {"0A", "123-456-789012", "은행코드가 숫자가 아닙니다"},
  };
  for (const auto& c : cases) {
    TBatch batch = MemberBatch();
    batch.Recipients = {Pending(c.bank, c.account, 1000)};
    test::TSendFolder folder;
    test::TRecordedExchange view;
    try {
      SendTrans_NongHyupMember(batch, view);
      ADD_FAILURE() << "written: " << c.account;
    } catch (const TSendFileError& error) {
      EXPECT_EQ(error.what(), std::string("검증값을 만들 수 없습니다: ") + c.reason + ": 홍길동 " +
                                  c.bank + " " + c.account);
    }
  }
}

TEST(SendNongHyupMember, AUserNumberOrInstitutionAccountLongerThanItsFieldFailsTheBatch) {
  struct TCase {
    const char* corcode;
    const char* bankNo;
    const char* message;
  } cases[] = {
      {"NHM00012", "351-0123-4567-89",
       "이용자번호가 송신 파일의 칸(7자리)보다 깁니다: 종로구청 NHM00012"},
      {"NHM0001", "351-0123-4567-890",
       "계좌번호가 송신 파일의 칸보다 깁니다: 종로구청 351-0123-4567-890"},
  };
  for (const auto& c : cases) {
    TBatch batch = MemberBatch();
    batch.Order.Corcode = c.corcode;
    batch.Order.BankNo = c.bankNo;
    test::TSendFolder folder;
    test::TRecordedExchange view;
    try {
      SendTrans_NongHyupMember(batch, view);
      ADD_FAILURE() << "written: " << c.corcode;
    } catch (const TSendFileError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace selvane
