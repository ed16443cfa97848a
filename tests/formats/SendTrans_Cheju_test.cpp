// The Jeju Bank's records: the header with the 8-character user number, the item name cut at a
// whole character, the fund category in two digits, the end record; and the refusal of a user
// number the bank's answer could not carry.
#include "formats/SendTrans_Cheju.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Cp949.h"
#include "core/Globals.h"
#include "edi/EDISend.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

const std::string kEndZeros(36, '0');

class SendJejuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.AddInstitution({.Name = "제주시청", .BankId = "35", .Corcode = "JEJU0001"});
    for (auto [id, name] : {std::pair{"01", "기초생활수급자생계급여"}, {"02", "1인가구생계급여"}})
      folder_.Dm.Database.Execute(
          "INSERT INTO TBLargeItem (LargeItmId, LargeItmNm) VALUES (?1, ?2)",
          {TValue(id), TValue(name)});
    folder_.Dm.Database.Commit();
  }

  bool Build() { return BuildRequestFiles(folder_.Dm, view_, written_); }

  test::TTransferFolder folder_;
  test::TRecordedExchange view_;
  TWrittenRows written_;
};

TEST_F(SendJejuTest, RecordsWithTheItemNameAndTheFundCategory) {
  folder_.AddOrder({.ItemId = "01"});
  folder_.AddOrder({.ItemId = "02"});
  folder_.AddOrder({.ItemId = "09"});  // an item without a row in the item table
  folder_.AddRecipient(
      {.ItemId = "01", .BankId = "35", .BankNo = "11-02-123456", .Won = 150000, .JaGubun = 3});
  folder_.AddRecipient({.ItemId = "02", .BankId = "04", .BankNo = "123-4567-8901", .Won = 2500});
  folder_.AddRecipient({.ItemId = "09", .BankId = "04", .BankNo = "555", .Won = 7, .JaGubun = 0});
  ASSERT_TRUE(Build());
  auto lines = test::SplitCrLf(folder_.SendFile("SND01"));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()),
            (std::vector<std::string>{
                "S"
                "35"
                "JEJU0001"
                "11"
                "261211"
                "261211"
                "261209" +
                    std::string(8, ' ') + "123456789      " + std::string(24, ' '),
                "D"
                "35"
                "1102123456     "
                "0000150000"
                "7001011234567           " +
                    ToCp949("기초생활수급자") +  // 22 bytes cut to 14
                    "03"
                    "11"
                    " "
                    "    "
                    "   ",
                "D"
                "04"
                "12345678901    "
                "0000002500"
                "7001011234567           " +
                    ToCp949("1인가구생계급") + " " +  // the 14th byte would split a character
                    "00"
                    "11"
                    " "
                    "    "
                    "   ",
                "D"
                "04"
                "555            "
                "0000000007"
                "7001011234567           "
                "              "
                "00"
                "11"
                " "
                "    "
                "   ",
                "E"
                "000005"
                "000000152507" +
                    kEndZeros + std::string(23, ' ')}));
  EXPECT_EQ(written_.Recipients.size(), 3u);
}

TEST_F(SendJejuTest, AnEmptyBatchCountsTheHeaderAndTheEnd) {
  test::TSendFolder folder;
  test::TRecordedExchange view;
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.BankID = "35";
  SendTrans_Cheju(batch, view);
  auto lines = test::SplitCrLf(folder.ReadFile("SND01"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2],
            "E"
            "000002"
            "000000000000" +
                kEndZeros + std::string(23, ' '));
}

TEST_F(SendJejuTest, ATotalOfMoreThanTwelveDigitsFailsTheBatchInsteadOfBeingCut) {
  test::TSendFolder folder;
  test::TRecordedExchange view;
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.KigwanName = "제주시청";
  batch.Order.BankID = "35";
  // 101 amounts of ten digits: 1,009,999,999,899 won.
  for (int i = 0; i < 101; ++i) {
    TBatchRecipient r;
    r.RowId = i + 1;
    r.BankId = "35";
    r.BankNo = std::to_string(10000 + i);
    r.Monecy = TMoney::FromWon(9999999999);
    r.State = 1;
    batch.Recipients.push_back(r);
  }
  try {
    SendTrans_Cheju(batch, view);
    ADD_FAILURE() << "a total cut to 12 digits was written";
  } catch (const TSendFileError& error) {
    EXPECT_STREQ(error.what(), "금액이 송신 파일의 칸보다 깁니다: 제주시청 1009999999899");
  }
  EXPECT_TRUE(view.List.empty());
}

TEST_F(SendJejuTest, AFundCategoryOfMoreThanTwoDigitsIsHeldBack) {
  folder_.AddOrder({});
  folder_.AddRecipient({.BankNo = "111", .JaGubun = 99});
  folder_.AddRecipient({.BankNo = "222", .JaGubun = 100});
  folder_.AddRecipient({.BankNo = "333", .JaGubun = -1});
  ASSERT_TRUE(Build());
  auto lines = test::SplitCrLf(folder_.SendFile("SND01"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2].substr(66, 2), "99");
  EXPECT_EQ(view_.Warnings,
            (std::vector<std::string>{kHeldBackHeading,
                                      "자금구분코드가 두 자리 숫자가 아닙니다: 홍길동 04 222 100",
                                      "자금구분코드가 두 자리 숫자가 아닙니다: 홍길동 04 333 -1"}));
  EXPECT_EQ(written_.Recipients.size(), 1u);
}

TEST_F(SendJejuTest, AUserNumberLongerThanEightBytesRefusesThatInstitutionsBatchOnly) {
  folder_.Dm.Database.Execute("UPDATE KiGwan SET CorCode = 'JEJU00001'");
  folder_.Dm.Database.Commit();
  folder_.AddInstitution({.Id = 2, .Name = "서울구청", .SendName = "SND02"});
  folder_.AddOrder({.KigwanId = 1});
  folder_.AddRecipient({.KigwanId = 1, .BankNo = "111"});
  const auto order2 = folder_.AddOrder({.KigwanId = 2});
  const auto recipient2 = folder_.AddRecipient({.KigwanId = 2, .BankNo = "222"});
  ASSERT_TRUE(Build());
  EXPECT_EQ(view_.Warnings, (std::vector<std::string>{
                                kHeldBackHeading,
                                "사용자번호가 제주은행 송신 파일의 8자리보다 깁니다: 제주시청 "
                                "JEJU00001 (이 기관의 이체는 보내지 않고 송신대기로 "
                                "남깁니다)"}));
  EXPECT_EQ(test::SplitCrLf(folder_.SendFile("SND02")).size(), 4u);
  EXPECT_FALSE(std::filesystem::exists(SendDir + "SND01"));
  EXPECT_EQ(written_.Orders, std::vector<std::int64_t>{order2});
  EXPECT_EQ(written_.Recipients, std::vector<std::int64_t>{recipient2});
  ASSERT_EQ(view_.List.size(), 1u);
  EXPECT_EQ(view_.List[0].KigwanName, "서울구청");

  // Alone, it leaves nothing to send.
  folder_.Dm.Database.Execute("DELETE FROM TBTrans WHERE KigwanId = 2");
  folder_.Dm.Database.Commit();
  view_ = test::TRecordedExchange();
  EXPECT_FALSE(Build());
  EXPECT_EQ(view_.Status,
            (std::vector<test::TStatusLine>{{"자금이체 파일 생성중입니다.", false},
                                            {"생성된 송신 파일이 없습니다.", false}}));
  EXPECT_EQ(view_.Warnings.size(), 2u);
}

TEST_F(SendJejuTest, EightBytesOfKoreanAreAccepted) {
  folder_.Dm.Database.Execute("UPDATE KiGwan SET CorCode = '제주0001'");
  folder_.Dm.Database.Commit();
  folder_.AddOrder({});
  ASSERT_TRUE(Build());
  auto lines = test::SplitCrLf(folder_.SendFile("SND01"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].substr(3, 8), ToCp949("제주0001"));
}

}  // namespace
}  // namespace selvane
