#include "edi/EDISend.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "edi/EDIRecv.h"
#include "formats/RecvTrans_Cheju.h"
#include "formats/RecvTrans_FisherCorp.h"
#include "formats/RecvTrans_ForeignExchange.h"
#include "formats/SendTrans80_Hanvit.h"
#include "formats/SendTrans_Cheju.h"
#include "formats/SendTrans_Fishercorp.h"
#include "formats/SendTrans_ForeignExchange.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

using test::TStatusLine;

TEST(SendDispatch, BankCodesChooseTheirFormat) {
  struct TCase {
    const char* code;
    const char* format;
  } cases[] = {
      {"20", "Hanvit"},     {"22", "Hanvit"},  {"24", "Hanvit"},          {"26", "Shinhan"},
      {"03", "Industrial"}, {"3", "Standard"}, {" 3", "Standard"},        {"04", "Standard"},
      {"88", "Standard"},   {"", "Standard"},  {"11", "NongHyupCentral"}, {"35", "Jeju"},
  };
  for (const auto& c : cases) EXPECT_STREQ(SendFormatFor(c.code).Name, c.format) << c.code;
  EXPECT_EQ(SendFormatFor("22").Write, &SendTrans80_Hanvit);
  EXPECT_EQ(SendFormatFor("07").Write, &SendTrans_Fishercorp);
  EXPECT_EQ(SendFormatFor("05").Write, &SendTrans_ForeignExchange);
  EXPECT_EQ(SendFormatFor("35").Write, &SendTrans_Cheju);
  EXPECT_EQ(RecvFormatFor("07").Read, &RecvTrans_FisherCorp);
  EXPECT_EQ(RecvFormatFor("05").Read, &RecvTrans_ForeignExchange);
  EXPECT_EQ(RecvFormatFor("35").Read, &RecvTrans_Cheju);
}

TEST(SendDispatch, BothTablesChooseTheSameFamily) {
  for (const char* code : {"20", "22", "24", "11", "12", "37", "06", "07", "05", "03", "26", "35",
                           "04", "3", " 3", "2O"})
    EXPECT_STREQ(SendFormatFor(code).Name, RecvFormatFor(code).Name) << code;
}

class BuildTest : public ::testing::Test {
 protected:
  test::TTransferFolder folder_;
  test::TRecordedExchange view_;
  TWrittenRows written_;
};

TEST_F(BuildTest, OneBatchPerInstitutionAndOnlyWrittenRowsAreMarkedSent) {
  folder_.AddInstitution({.Id = 1, .Name = "가기관", .SendName = "SNDA"});
  folder_.AddInstitution({.Id = 2, .Name = "나기관", .BankId = "20", .SendName = "SNDB"});
  auto a1 = folder_.AddOrder({.KigwanId = 1, .DongId = "0001"});
  auto a2 = folder_.AddOrder({.KigwanId = 1, .DongId = "0002"});
  // Other payment date: held back for a later send.
  folder_.AddOrder({.KigwanId = 1, .DongId = "0003", .To_date = "2026-12-18"});
  auto b1 = folder_.AddOrder({.KigwanId = 2});
  auto ra1 = folder_.AddRecipient({.KigwanId = 1, .DongId = "0001", .BankNo = "111"});
  auto ra2 = folder_.AddRecipient({.KigwanId = 1, .DongId = "0002", .BankNo = "222"});
  folder_.AddRecipient({.KigwanId = 1, .DongId = "0003", .BankNo = "333"});
  folder_.AddRecipient({.KigwanId = 1, .DongId = "0001", .BankNo = "444", .State = -1});
  auto rb1 = folder_.AddRecipient({.KigwanId = 2, .BankNo = "555", .Won = 400});

  ASSERT_TRUE(BuildRequestFiles(folder_.Dm, view_, written_));
  EXPECT_EQ(view_.Status,
            (std::vector<TStatusLine>{
                {"자금이체 파일 생성중입니다.", false},
                {"작업일자나 이체일자가 다른 이체 1건은 다음 송신으로 남깁니다.", false}}));
  ASSERT_EQ(view_.List.size(), 2u);
  EXPECT_EQ(view_.List[0].KigwanName, "가기관");
  EXPECT_EQ(view_.List[0].Count, 2);
  EXPECT_EQ(view_.List[1].FileName, "SNDB");
  auto a = test::SplitCrLf(folder_.SendFile("SNDA"));
  ASSERT_EQ(a.size(), 5u);
  EXPECT_EQ(a[2].substr(3, 3), "111");
  EXPECT_EQ(a[3].substr(3, 3), "222");
  auto b = test::SplitCrLf(folder_.SendFile("SNDB"));
  ASSERT_EQ(b.size(), 4u);
  EXPECT_EQ(b[3].size(), 78u);  // the Hanvit end record
  EXPECT_EQ(written_.Orders, (std::vector<std::int64_t>{a1, a2, b1}));
  EXPECT_EQ(written_.Recipients, (std::vector<std::int64_t>{ra1, ra2, rb1}));
  // The build itself changes no state.
  EXPECT_EQ(folder_.Column("TBTrans", "State"), (std::vector<std::string>{"1", "1", "1", "1"}));

  ASSERT_TRUE(folder_.Dm.MarkWaitingAsSent(written_.Orders, written_.Recipients));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), (std::vector<std::string>{"2", "2", "1", "2"}));
  EXPECT_EQ(folder_.Column("TBTransSub", "State"),
            (std::vector<std::string>{"2", "2", "1", "-1", "2"}));
}

TEST_F(BuildTest, OnlyTheProgramsOwnFilesLeaveTheSendFolder) {
  folder_.AddInstitution({.SendName = "SNDA"});
  folder_.AddOrder({.State = 2});
  std::ofstream(SendDir + "SNDA") << "last build";
  std::ofstream(SendDir + "SNDA_1") << "last build";
  std::ofstream(ResultDir + "RESULTS.TXT") << "kept";
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written_));
  EXPECT_EQ(view_.Status, (std::vector<TStatusLine>{{"송신할 자료가 없습니다.", false}}));
  std::vector<std::string> files;
  EXPECT_EQ(ListFiles(SendDir, "*.*", files), 0);
  EXPECT_EQ(ListFiles(ResultDir, "*.*", files), 1);

  // A file the program did not write would go to the bank with the request: nothing is built
  // and nothing is deleted.
  view_ = test::TRecordedExchange();
  folder_.AddOrder({.DongId = "0002"});
  std::ofstream(SendDir + "SNDA") << "last build";
  std::ofstream(SendDir + "letter.hwp") << "a document";
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written_));
  EXPECT_EQ(
      view_.Status,
      (std::vector<TStatusLine>{{"송신 자료 생성 실패. 송신 폴더에 이 프로그램의 송신 파일이 아닌 "
                                 "파일이 있습니다: letter.hwp (" +
                                     SendDir + ")",
                                 true}}));
  EXPECT_EQ(ListFiles(SendDir, "*.*", files), 1);
  EXPECT_EQ(files, std::vector<std::string>{"letter.hwp"});
}

TEST_F(BuildTest, FoldersThatAreOneFolderAreRefused) {
  folder_.AddInstitution({});
  folder_.AddOrder({});
  folder_.AddRecipient({.BankNo = "111"});
  const std::string saved = RecvDir;
  RecvDir = SendDir;
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written_));
  RecvDir = saved;
  EXPECT_EQ(
      view_.Status,
      (std::vector<TStatusLine>{{"송신 자료 생성 실패. 송신 폴더와 수신 폴더가 같은 폴더입니다: " +
                                     SendDir + " 통신환경설정에서 서로 다른 폴더를 지정하십시오.",
                                 true}}));
}

TEST_F(BuildTest, RecipientsNoBankCanPayAreHeldBackAndNamed) {
  folder_.AddInstitution({});
  auto order = folder_.AddOrder({});
  auto paid = folder_.AddRecipient({.BankNo = "111", .Won = 1000});
  struct TBad {
    const char* bank;
    const char* account;
    double won;
  } bad[] = {{"04", "222", -2500},
             {"04", "333", 1500.7},
             {"04", "444", 0},
             {"ZZ", "555", 1000},
             {" 4", "666", 1000},
             {"99", "777", 1000},
             {"04", "1234-5678-9012-3456", 1000}};  // 16 digits: longer than the field
  for (const auto& b : bad)
    folder_.Dm.Database.Execute(
        "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, "
        "Name, State) VALUES (1, '0001', '01', ?1, ?2, '700101-1234567', ?3, '홍길동', 1)",
        {TValue(b.bank), TValue(b.account), TValue(b.won)});
  folder_.Dm.CommitAllTables();

  ASSERT_TRUE(BuildRequestFiles(folder_.Dm, view_, written_));
  EXPECT_EQ(written_.Orders, std::vector<std::int64_t>{order});
  EXPECT_EQ(written_.Recipients, std::vector<std::int64_t>{paid});
  auto lines = test::SplitCrLf(folder_.SendFile("SND01"));
  ASSERT_EQ(lines.size(), 4u);  // envelope, header, one data record, end
  EXPECT_EQ(lines[3].substr(0, 28), "E000000300000010000000001000");
  ASSERT_EQ(view_.List.size(), 1u);
  EXPECT_EQ(view_.List[0].Count, 1);
  EXPECT_EQ(view_.Warnings,
            (std::vector<std::string>{
                kHeldBackHeading,
                "등록되지 않은 은행코드입니다: 홍길동  4 666",
                "이체금액이 1원 이상의 원 단위 금액이 아닙니다: 홍길동 04 222 -2500",
                "이체금액이 1원 이상의 원 단위 금액이 아닙니다: 홍길동 04 333 1500.7",
                "이체금액이 1원 이상의 원 단위 금액이 아닙니다: 홍길동 04 444 0",
                "등록되지 않은 은행코드입니다: 홍길동 99 777",
                "등록되지 않은 은행코드입니다: 홍길동 ZZ 555",
                "계좌번호가 송신 파일의 칸보다 깁니다: 홍길동 04 1234-5678-9012-3456",
            }));
}

TEST_F(BuildTest, AFailedBatchFailsTheBuildWithItsReasonAndLeavesTablesUnfiltered) {
  folder_.AddInstitution({.BankId = "22"});
  folder_.AddOrder({});  // a Hanvit batch without recipients has no check value
  folder_.Dm.TB_Trans.SetFilter(TFilter().Eq("State", 9));
  folder_.Dm.TB_Trans.SetFiltered(true);
  bool reacted = false;
  folder_.Dm.TB_Trans.OnDataChange = [&](TTable&) { reacted = true; };
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written_));
  EXPECT_EQ(
      view_.Status,
      (std::vector<TStatusLine>{
          {"자금이체 파일 생성중입니다.", false},
          {"송신 자료 생성 실패. 검증값을 만들 수 없습니다: 이체 금액의 합이 0입니다.", true}}));
  EXPECT_TRUE(written_.Orders.empty());
  EXPECT_FALSE(folder_.Dm.TB_Trans.Filtered());
  EXPECT_FALSE(folder_.Dm.TB_TransSub.Filtered());
  EXPECT_FALSE(reacted);
  EXPECT_TRUE(folder_.Dm.TB_Trans.OnDataChange);  // handed back to the window
}

TEST_F(BuildTest, AValueWithoutCp949FormFailsTheBuildAndNamesIt) {
  folder_.AddInstitution({.Corcode = "CO😀"});
  folder_.AddOrder({});
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written_));
  ASSERT_FALSE(view_.Status.empty());
  EXPECT_TRUE(view_.Status.back().IsError);
  EXPECT_EQ(view_.Status.back().Text.rfind("송신 자료 생성 실패. ", 0), 0u);
  EXPECT_NE(view_.Status.back().Text.find("😀"), std::string::npos) << view_.Status.back().Text;
}

TEST_F(BuildTest, AnOrderWithoutDatesFailsTheBuildAndNamesIt) {
  folder_.AddInstitution({});
  folder_.AddOrder({.A_Date = ""});
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written_));
  EXPECT_EQ(
      view_.Status.back(),
      (TStatusLine{"송신 자료 생성 실패. 작업일자나 이체일자가 없는 이체가 있습니다: 서울구청",
                   true}));
}

}  // namespace
}  // namespace selvane
