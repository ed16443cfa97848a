// The send half of the exchange: the sent state is recorded around the hand-over, so that a batch
// is never sent without its state or left pending after it went.
#include "edi/Exchange.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

#include "core/Clock.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "edi/SentRecord.h"
#include "support/ScriptedWaitMsg.h"
#include "support/SettingsSandbox.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

using test::TStatusLine;

class SendStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(TDateTime{{2026, 12, 10}, 9, 0, 0});
    folder_.AddInstitution({});
    folder_.AddOrder({});
    folder_.AddRecipient({.BankNo = "123-4567-8901"});
  }
  void TearDown() override {
    TestMode = false;
    SetClock(std::nullopt);
  }

  // Builds and runs a send; in test mode Yes stands for the network.
  bool Send(bool testMode) {
    TestMode = testMode;
    exchange_.emplace(folder_.Dm, view_, emSend);
    if (!exchange_->Build()) return false;
    view_.Status.clear();
    exchange_->Run();
    return exchange_->SendOk;
  }

  std::vector<std::string> States() {
    std::vector<std::string> states = folder_.Column("TBTrans", "State");
    for (auto& state : folder_.Column("TBTransSub", "State")) states.push_back(state);
    return states;
  }
  std::vector<std::string> Records() {
    std::vector<std::string> files;
    ListFiles(SentRecordFolder(), "SENT_*", files);
    return files;
  }

  test::TSettingsSandbox settings_;  // no EDI settings: the component refuses with -777
  test::TTransferFolder folder_;
  test::TRecordedExchange view_;
  test::TScriptedWaitMsg messages_;
  std::optional<TExchange> exchange_;
};

TEST_F(SendStateTest, AGoodSendCommitsTheStateAndLeavesNoRecord) {
  messages_.QueueAnswer(true);  // test mode: without the network
  EXPECT_TRUE(Send(true));
  EXPECT_TRUE(exchange_->StateRecorded);
  EXPECT_EQ(States(), (std::vector<std::string>{"2", "2"}));
  EXPECT_FALSE(folder_.Dm.Database.InTransaction());
  EXPECT_EQ(view_.Status.back(), (TStatusLine{"송신 성공.", false}));
  EXPECT_TRUE(Records().empty());
}

TEST_F(SendStateTest, AFailedSendRollsTheStateBack) {
  EXPECT_FALSE(Send(false));
  EXPECT_EQ(States(), (std::vector<std::string>{"1", "1"}));
  EXPECT_FALSE(folder_.Dm.Database.InTransaction());
  EXPECT_EQ(view_.Status.back().Text.rfind("송신 실패. 프로그램 오류 발생 (Registry 관련)", 0), 0u)
      << view_.Status.back().Text;
  EXPECT_TRUE(view_.Status.back().IsError);
  EXPECT_TRUE(Records().empty());
}

TEST_F(SendStateTest, AStateThatCannotBeRecordedSendsNothing) {
  // Another program holds the write lock past the busy timeout.
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(DatabaseFileName().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  // No answer is queued: the test-mode question must not even be asked.
  EXPECT_FALSE(Send(true));
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_TRUE(messages_.Messages().empty());
  EXPECT_EQ(States(), (std::vector<std::string>{"1", "1"}));
  EXPECT_EQ(view_.Status.back().Text.rfind("송신 실패. 데이터베이스가 사용 중입니다.", 0), 0u)
      << view_.Status.back().Text;
  EXPECT_TRUE(Records().empty());
  // The request file is still there for the next try.
  EXPECT_FALSE(folder_.SendFile("SND01").empty());
}

TEST_F(SendStateTest, ACommitThatFailsAfterTheSendIsLoudAndTheNextBuildStoresTheState) {
  messages_.QueueAnswer(true);
  sqlite3_commit_hook(
      folder_.Dm.Database.Handle(), [](void*) { return 1; }, nullptr);
  EXPECT_TRUE(Send(true));
  sqlite3_commit_hook(folder_.Dm.Database.Handle(), nullptr, nullptr);
  EXPECT_FALSE(exchange_->StateRecorded);
  EXPECT_EQ(States(), (std::vector<std::string>{"1", "1"}));
  ASSERT_EQ(Records(), std::vector<std::string>{"SENT_20261210090000.sent"});
  ASSERT_EQ(messages_.Messages().size(), 2u);  // the question, then the loud error
  EXPECT_EQ(messages_.Messages()[1].Kind, "error");
  EXPECT_EQ(messages_.Messages()[1].Text.rfind(kStateNotRecorded, 0), 0u);
  EXPECT_NE(messages_.Messages()[1].Text.find("\r송신 기록: " + SentRecordFolder() +
                                              "SENT_20261210090000.sent"),
            std::string::npos)
      << messages_.Messages()[1].Text;
  EXPECT_EQ(view_.Status.back(), (TStatusLine{kStateNotRecorded, true}));

  // The next build records what was sent before anything else, and so sends it never again.
  view_ = test::TRecordedExchange();
  TWrittenRows written;
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written));
  EXPECT_EQ(States(), (std::vector<std::string>{"2", "2"}));
  EXPECT_EQ(view_.Status, (std::vector<TStatusLine>{
                              {"지난 송신의 상태를 기록했습니다: SENT_20261210090000.sent", false},
                              {"송신할 자료가 없습니다.", false}}));
  EXPECT_TRUE(Records().empty());
}

TEST_F(SendStateTest, ASendWhoseOutcomeNobodySawStopsTheBuild) {
  std::ofstream(SentRecordFolder() + "SENT_20261209170000.pending") << "# selvane sent record\n";
  TWrittenRows written;
  EXPECT_FALSE(BuildRequestFiles(folder_.Dm, view_, written));
  EXPECT_EQ(view_.Status,
            (std::vector<TStatusLine>{{"송신 자료 생성 실패. 지난 송신이 끝나지 않은 채 프로그램이 "
                                       "끝났습니다. 은행에 자료가 갔는지 확인한 뒤 송신 기록을 "
                                       "지우십시오: " +
                                           SentRecordFolder() + "SENT_20261209170000.pending",
                                       true}}));
  EXPECT_EQ(States(), (std::vector<std::string>{"1", "1"}));
}

}  // namespace
}  // namespace selvane
