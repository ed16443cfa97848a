#include "edi/EDIRecv.h"

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

using test::TStatusLine;

std::string Record(std::string text) {
  text.resize(78, ' ');
  return text + "\r\n";
}

class ApplyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.AddInstitution({.Id = 1, .Name = "가기관", .RecvName = "RCVA"});
    folder_.AddInstitution(
        {.Id = 2, .Name = "나기관", .BankId = "26", .Corcode = "CORP02", .RecvName = "RCVA"});
    folder_.AddInstitution({.Id = 3, .Name = "다기관", .BankId = "20", .RecvName = "rcvc"});
    folder_.AddInstitution({.Id = 4, .Name = "라기관", .RecvName = "../Data/norva.db"});
  }
  test::TTransferFolder folder_;
  test::TRecordedExchange view_;
};

TEST_F(ApplyTest, WorkListNamesEachInstitutionsFileInTableOrder) {
  auto a = folder_.WriteRecvFile("RCVA", "");
  auto c = folder_.WriteRecvFile("rcvc", "");
  auto list = ReceiveWorkList(folder_.Dm);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].BankId, "04");
  EXPECT_EQ(list[0].FileName, a);
  EXPECT_EQ(list[1].BankId, "26");  // the same file again, for the second institution
  EXPECT_EQ(list[1].FileName, a);
  EXPECT_EQ(list[2].BankId, "20");
  EXPECT_EQ(list[2].FileName, c);
  std::size_t before = list.size();
  ASSERT_TRUE(DispatchResultFile(list, folder_.Dm, view_));
  EXPECT_EQ(list.size(), before - 1);
  list.clear();
  EXPECT_FALSE(DispatchResultFile(list, folder_.Dm, view_));
}

TEST_F(ApplyTest, AppliesCommitsAndListsForeignFiles) {
  folder_.AddOrder({.KigwanId = 2, .State = 2});
  folder_.AddRecipient(
      {.KigwanId = 2, .BankId = "88", .BankNo = "110-123-456789", .Won = 300, .State = 2});
  folder_.WriteRecvFile("RCVA", Record("SC2CORP02    26") +
                                    Record("D88110123456789   4000000000300   0000") +
                                    Record("E00000030000001"));
  folder_.WriteRecvFile("rcvc", "");
  folder_.WriteRecvFile("JUNK.TXT", "x");
  ASSERT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_EQ(view_.Status, (std::vector<TStatusLine>{{"수신 처리를 준비중입니다.", false},
                                                    {"자금이체 자료 확인중입니다.", false},
                                                    {"자금이체 자료 처리중입니다.", false},
                                                    {"수신 자료 처리 완료.", false}}));
  ASSERT_EQ(view_.List.size(), 2u);  // one line per end record: RCVA read twice, one E for 나기관
  EXPECT_EQ(view_.List[1].KigwanName, "나기관");
  ListForeignFiles(folder_.Dm, view_);
  ASSERT_EQ(view_.List.size(), 4u);
  EXPECT_EQ(view_.List[2].KigwanName, "알수없음");
  EXPECT_EQ(view_.List[2].FileName, "JUNK.TXT");
  EXPECT_EQ(view_.List[2].Kind, rkForeignFile);
  EXPECT_EQ(view_.List[2].Count, -1);
  EXPECT_EQ(view_.List[3].FileName, "rcvc");  // a RecvName stored in lower case

  // Committed: another connection sees the result.
  TDModule other;
  other.OpenDatabase();
  TStatement& s = other.Database.Prepare("SELECT State, Result FROM TBTransSub");
  s.Bind({});
  ASSERT_TRUE(s.Step());
  EXPECT_EQ(s.Column(0).AsInteger(), 3);
  EXPECT_EQ(s.Column(1).AsString(), "0000");
  s.Reset();
}

TEST_F(ApplyTest, AnEmptyReceiveFolderShowsNothing) {
  EXPECT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_TRUE(view_.Status.empty());
}

TEST_F(ApplyTest, ADatabaseErrorStopsTheRunInRed) {
  folder_.WriteRecvFile("RCVA", Record("SC2CORP01    04") + Record("E00000020000000"));
  folder_.Dm.Database.ExecScript("ALTER TABLE TBTrans RENAME TO TBTransGone");
  EXPECT_FALSE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_EQ(view_.Status.back(), (TStatusLine{"수신 자료 처리 실패.", true}));
}

}  // namespace
}  // namespace selvane
