#include "edi/EDISend.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "edi/EDIRecv.h"
#include "formats/SendTrans80_Hanvit.h"
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

TEST_F(BuildTest, NothingPendingEmptiesTheFoldersAndSaysSo) {
  std::ofstream(SendDir + "OLDFILE") << "x";
  std::ofstream(ResultDir + "OLDRESULT") << "x";
  folder_.AddInstitution({});
  folder_.AddOrder({.State = 2});
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written_));
  EXPECT_EQ(view_.Status, (std::vector<TStatusLine>{{"송신할 자료가 없습니다.", false}}));
  std::vector<std::string> files;
  EXPECT_EQ(ListFiles(SendDir, "*.*", files) + ListFiles(ResultDir, "*.*", files), 0);
}

TEST_F(BuildTest, AFailedBatchFailsTheBuildAndLeavesTablesUnfiltered) {
  folder_.AddInstitution({.BankId = "22"});
  folder_.AddOrder({});  // a Hanvit batch without recipients has no check value
  folder_.Dm.TB_Trans.SetFilter(TFilter().Eq("State", 9));
  folder_.Dm.TB_Trans.SetFiltered(true);
  bool reacted = false;
  folder_.Dm.TB_Trans.OnDataChange = [&](TTable&) { reacted = true; };
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written_));
  EXPECT_EQ(view_.Status, (std::vector<TStatusLine>{{"자금이체 파일 생성중입니다.", false},
                                                    {"송신 자료 생성 실패.", true}}));
  EXPECT_TRUE(written_.Orders.empty());
  EXPECT_FALSE(folder_.Dm.TB_Trans.Filtered());
  EXPECT_FALSE(folder_.Dm.TB_TransSub.Filtered());
  EXPECT_FALSE(reacted);
  EXPECT_TRUE(folder_.Dm.TB_Trans.OnDataChange);  // handed back to the window
}

TEST_F(BuildTest, AValueWithoutCp949FormFailsTheBuild) {
  folder_.AddInstitution({.Corcode = "CO😀"});
  folder_.AddOrder({});
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written_));
  EXPECT_EQ(view_.Status.back(), (TStatusLine{"송신 자료 생성 실패.", true}));
}

}  // namespace
}  // namespace selvane
