#include "edi/EDIRecv.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>

#include "core/Clock.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

using test::TStatusLine;

std::string Record(std::string text) {
  text.resize(78, ' ');
  return text + "\r\n";
}

// A whole result file of institution 2 (bank 26, CORP02): one recipient, 300 won.
std::string ResultOfB() {
  return Record("SC2CORP02    26") + Record("D88110123456789   4000000000300   0000") +
         Record("E00000030000001");
}

std::vector<std::string> Files(const std::string& folder) {
  std::vector<std::string> files;
  ListFiles(folder, "*.*", files);
  return files;
}

class ApplyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    folder_.AddInstitution({.Id = 1, .Name = "가기관", .RecvName = "RCVA"});
    folder_.AddInstitution(
        {.Id = 2, .Name = "나기관", .BankId = "26", .Corcode = "CORP02", .RecvName = "RCVA"});
    folder_.AddInstitution({.Id = 3, .Name = "다기관", .BankId = "20", .RecvName = "rcvc"});
  }
  void TearDown() override { SetClock(std::nullopt); }

  // Institution 2 with a sent order and its recipient, which ResultOfB answers.
  void SentOrderOfB() {
    folder_.AddOrder({.KigwanId = 2, .State = 2});
    folder_.AddRecipient(
        {.KigwanId = 2, .BankId = "88", .BankNo = "110-123-456789", .Won = 300, .State = 2});
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
  folder_.Dm.Database.Rollback();
}

TEST_F(ApplyTest, AReceiveNameThatLeadsOutOfTheReceiveFolderIsNeverRead) {
  folder_.AddInstitution({.Id = 4, .Name = "라기관", .RecvName = "../Data/norva.db"});
  folder_.AddInstitution({.Id = 5, .Name = "마기관", .RecvName = "/etc/passwd"});
  EXPECT_TRUE(ReceiveWorkList(folder_.Dm).empty());
  ASSERT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_TRUE(std::filesystem::exists(DatabaseFileName()));
}

TEST_F(ApplyTest, AppliesCommitsMovesTheFilesAndListsForeignOnes) {
  SentOrderOfB();
  folder_.WriteRecvFile("RCVA", ResultOfB());
  folder_.WriteRecvFile("JUNK.TXT", "x");
  ASSERT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_EQ(view_.Status, (std::vector<TStatusLine>{{"수신 처리를 준비중입니다.", false},
                                                    {"자금이체 자료 확인중입니다.", false},
                                                    {"자금이체 자료 처리중입니다.", false},
                                                    {"수신 자료 처리 완료.", false}}));
  // RCVA is read for both institutions that name it; the header selects 나기관 both times.
  ASSERT_EQ(view_.List.size(), 2u);
  EXPECT_EQ(view_.List[0].KigwanName, "나기관");
  EXPECT_EQ(view_.List[0].Kind, rkFundsTransfer);
  EXPECT_EQ(view_.List[1].Kind, rkNoWaitingOrder);
  ListForeignFiles(folder_.Dm, view_);
  ASSERT_EQ(view_.List.size(), 3u);
  EXPECT_EQ(view_.List[2].KigwanName, "알수없음");
  EXPECT_EQ(view_.List[2].FileName, "JUNK.TXT");
  EXPECT_EQ(view_.List[2].Kind, rkForeignFile);
  EXPECT_EQ(view_.List[2].Count, -1);
  // Nothing stays to be read again; nothing is deleted.
  EXPECT_TRUE(Files(RecvDir).empty());
  EXPECT_EQ(Files(RecvDir + "Old/"), (std::vector<std::string>{"JUNK.TXT", "RCVA"}));

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

TEST_F(ApplyTest, AFileAppliedIsNotReadAgainAndAKeptNameGetsATimeStamp) {
  SentOrderOfB();
  folder_.WriteRecvFile("RCVA", ResultOfB());
  ASSERT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  // Next month's order of the same recipient is not answered by last month's file.
  folder_.Dm.Database.Execute("UPDATE TBTrans SET State = 2");
  folder_.Dm.Database.Execute("UPDATE TBTransSub SET State = 2, Result = NULL");
  folder_.Dm.CommitAllTables();
  view_ = test::TRecordedExchange();
  ASSERT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_TRUE(view_.List.empty());
  EXPECT_EQ(folder_.Column("TBTransSub", "State"), std::vector<std::string>{"2"});

  folder_.WriteRecvFile("RCVA", ResultOfB());
  ASSERT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_EQ(Files(RecvDir + "Old/"),
            (std::vector<std::string>{"RCVA", "RCVA_" + Now().StampText()}));
}

TEST_F(ApplyTest, AFileWithoutItsEndRecordAppliesNothing) {
  SentOrderOfB();
  const std::string whole = ResultOfB();
  folder_.WriteRecvFile("RCVA", whole.substr(0, whole.size() - 80));
  ASSERT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_EQ(folder_.Column("TBTransSub", "State"), std::vector<std::string>{"2"});
  EXPECT_EQ(folder_.Column("TBTrans", "State"), std::vector<std::string>{"2"});
  ASSERT_EQ(view_.List.size(), 2u);  // once for each institution that names the file
  EXPECT_EQ(view_.List[0].KigwanName, "나기관");
  EXPECT_EQ(view_.List[0].Count, -1);
  EXPECT_EQ(RecvRemark(view_.List[0]), "끝 레코드 없음, 적용하지 않음 (재수신하십시오)");
  // Kept, for a look and a re-receive, but out of the way of the next run.
  EXPECT_EQ(Files(RecvDir + "Old/"), std::vector<std::string>{"RCVA"});
}

TEST_F(ApplyTest, EveryRecordPassedOverIsShown) {
  SentOrderOfB();
  folder_.WriteRecvFile("RCVA", Record("SC2CORP02    26") +
                                    Record("D88999999999999   4000000000300   0000") +
                                    Record("E00000030000001"));
  ASSERT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  ASSERT_GE(view_.Warnings.size(), 2u);
  EXPECT_EQ(view_.Warnings[0], "RCVA: 적용하지 않은 레코드 1건");
  EXPECT_EQ(view_.Warnings[1],
            "2번째 레코드 (D): 일치하는 송신완료 수신자 없음: 88 999999999999 300");
}

TEST_F(ApplyTest, AnEmptyReceiveFolderShowsNothing) {
  EXPECT_TRUE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_TRUE(view_.Status.empty());
}

TEST_F(ApplyTest, ADatabaseErrorStopsTheRunInRedWithItsReasonAndKeepsTheFiles) {
  SentOrderOfB();
  folder_.WriteRecvFile("RCVA", ResultOfB());
  folder_.Dm.Database.ExecScript("ALTER TABLE TBTrans RENAME TO TBTransGone");
  EXPECT_FALSE(ApplyResultFiles(folder_.Dm, view_));
  ASSERT_FALSE(view_.Status.empty());
  EXPECT_TRUE(view_.Status.back().IsError);
  EXPECT_EQ(view_.Status.back().Text.rfind("수신 자료 처리 실패. 데이터 처리 오류: ", 0), 0u)
      << view_.Status.back().Text;
  EXPECT_EQ(Files(RecvDir), std::vector<std::string>{"RCVA"});
  folder_.Dm.Database.ExecScript("ALTER TABLE TBTransGone RENAME TO TBTrans");
  EXPECT_EQ(folder_.Column("TBTransSub", "State"), std::vector<std::string>{"2"});
}

TEST_F(ApplyTest, FoldersThatAreOneFolderAreRefused) {
  folder_.WriteRecvFile("RCVA", ResultOfB());
  const std::string saved = ResultDir;
  ResultDir = RecvDir;
  EXPECT_FALSE(ApplyResultFiles(folder_.Dm, view_));
  ResultDir = saved;
  EXPECT_EQ(view_.Status.back(),
            (TStatusLine{"수신 자료 처리 실패. 수신 폴더와 결과 폴더가 같은 폴더입니다: " +
                             RecvDir + " 통신환경설정에서 서로 다른 폴더를 지정하십시오.",
                         true}));
  EXPECT_EQ(Files(RecvDir), std::vector<std::string>{"RCVA"});
}

TEST_F(ApplyTest, AnEndCountThatIsNoNumberUndoesTheWholeRun) {
  SentOrderOfB();  // RCVA, read first, is whole and sound
  folder_.AddInstitution(
      {.Id = 4, .Name = "라기관", .BankId = "12", .Corcode = "NHM0001", .RecvName = "RCVN"});
  folder_.AddOrder({.KigwanId = 4, .State = 2});
  folder_.AddRecipient(
      {.KigwanId = 4, .BankId = "12", .BankNo = "351-1234-5678-93", .Won = 100, .State = 2});
  folder_.WriteRecvFile("RCVA", ResultOfB());
  folder_.WriteRecvFile("RCVN", Record("1112261205000000170NHM0001") +
                                    Record("22000000112351-1234-5678-93000000000100900") +
                                    Record("33 1 000"));
  EXPECT_FALSE(ApplyResultFiles(folder_.Dm, view_));
  EXPECT_EQ(
      view_.Status.back(),
      (TStatusLine{"수신 자료 처리 실패. RCVN 3번째 레코드: 끝 레코드의 건수가 정수가 아닙니다.",
                   true}));
  EXPECT_EQ(folder_.Column("TBTransSub", "State"), (std::vector<std::string>{"2", "2"}));
  EXPECT_EQ(folder_.Column("TBTrans", "State"), (std::vector<std::string>{"2", "2"}));
  EXPECT_EQ(Files(RecvDir), (std::vector<std::string>{"RCVA", "RCVN"}));
}

// The seed result file of each family, applied for an institution of its bank as the fuzz target
// sets it up: a failed commit keeps none of it, and the file stays to be applied again.
TEST(ApplyFamilies, AFailedCommitKeepsNothingOfTheFileAndTheFile) {
  struct TCase {
    const char* bank;
    const char* seed;
    const char* recipientBank = "04";  // the bank of the seed's recipient of 300 won
    const char* corcode = nullptr;     // the user number of the seed's header; CORP + bank
  } cases[] = {
      {"04", "standard_result_two_recipients.dat", "04", "CORP01"},
      {"07", "fisheries_result_two_recipients.dat"},
      {"05", "foreignexchange_result_two_recipients.dat"},
      {"35", "jeju_result_two_recipients.dat"},
      {"11", "nonghyup_central_result_two_recipients.dat"},
      {"12", "nonghyup_member_result_two_recipients.dat"},
      {"37", "jeonbuk_result_two_files.dat"},
      {"06", "housing_result_one_recipient.dat", "06"},
      {"03", "industrial_result_two_recipients.dat", "03"},
  };
  for (const auto& c : cases) {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    test::TTransferFolder folder;
    test::TRecordedExchange view;
    const std::string bank = c.bank;
    folder.AddInstitution({.BankId = bank,
                           .Corcode = c.corcode != nullptr ? c.corcode : "CORP" + bank,
                           .Bcode = "B" + bank});
    folder.AddOrder({.State = 2});
    folder.AddRecipient({.BankId = c.recipientBank, .BankNo = "12345", .Won = 300, .State = 2});
    folder.WriteRecvFile(
        "RCV01", test::TTempFolder::ReadFile(std::string(SELVANE_TEST_DATA) + "/" + c.seed));
    // Whole and sound: without the failed commit the recipient would be received.
    std::vector<TReceiveEntry> list = ReceiveWorkList(folder.Dm);
    TResultReport report;
    ASSERT_TRUE(DispatchResultFile(list, folder.Dm, view, &report)) << c.seed;
    EXPECT_EQ(report.Applied, 1) << c.seed;
    folder.Dm.Database.Rollback();

    sqlite3_commit_hook(
        folder.Dm.Database.Handle(), [](void*) { return 1; }, nullptr);
    EXPECT_FALSE(ApplyResultFiles(folder.Dm, view)) << c.seed;
    sqlite3_commit_hook(folder.Dm.Database.Handle(), nullptr, nullptr);
    ASSERT_FALSE(view.Status.empty());
    EXPECT_TRUE(view.Status.back().IsError) << c.seed;
    EXPECT_EQ(view.Status.back().Text.rfind("수신 자료 처리 실패. ", 0), 0u)
        << view.Status.back().Text;
    EXPECT_EQ(folder.Column("TBTransSub", "State"), std::vector<std::string>{"2"}) << c.seed;
    EXPECT_EQ(folder.Column("TBTrans", "State"), std::vector<std::string>{"2"}) << c.seed;
    EXPECT_EQ(Files(RecvDir), std::vector<std::string>{"RCV01"}) << c.seed;
    SetClock(std::nullopt);
  }
}

}  // namespace
}  // namespace selvane
