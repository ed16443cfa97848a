#include "core/DM.h"

#include <gtest/gtest.h>

#include "core/Cp949.h"
#include "support/RecipientRow.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {

class DataModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = folder_.Path() + "norva.db";
    TDatabase::Create(file_, true);
    dm_.OpenDatabase(file_);
  }

  void AddInstitution(int id, const std::string& name, const std::string& bank) {
    TTable& t = dm_.TB_Kigwan;
    t.Append();
    t.FieldByName("KigwanID").Set(id);
    t.FieldByName("KiGwanName").Set(name);
    t.FieldByName("BankID").Set(bank);
    t.Post();
  }

  void AddOrder(int kigwan, const std::string& dong, const std::string& item, int state) {
    TTable& t = dm_.TB_Trans;
    t.Append();
    t.FieldByName("KigwanId").Set(kigwan);
    t.FieldByName("DongID").Set(dong);
    t.FieldByName("LargeItmID").Set(item);
    t.FieldByName("State").Set(state);
    t.Post();
  }

  void AddRecipient(const test::TRecipientRow& row) { test::AddRecipient(dm_.TB_TransSub, row); }

  std::vector<long long> States(const std::string& table) {
    std::vector<long long> states;
    TStatement& s = dm_.Database.Prepare("SELECT State FROM " + table + " ORDER BY rowid");
    s.Bind({});
    while (s.Step()) states.push_back(s.Column(0).AsInteger());
    s.Reset();
    return states;
  }

  test::TTempFolder folder_;
  std::string file_;
  TDModule dm_;
  test::TScriptedWaitMsg messages_;
};

TEST_F(DataModuleTest, MarkWaitingAsSentChangesOnlyWaitingRows) {
  int order = 0;
  for (int state : {-1, 1, 2, 3}) {
    AddOrder(1, "000" + std::to_string(++order), "01", state);
    AddRecipient({.BankNo = "100-" + std::to_string(order), .State = state});
  }
  ASSERT_TRUE(dm_.MarkWaitingAsSent());
  EXPECT_EQ(States("TBTrans"), (std::vector<long long>{-1, 2, 2, 3}));
  EXPECT_EQ(States("TBTransSub"), (std::vector<long long>{-1, 2, 2, 3}));
  EXPECT_FALSE(dm_.Database.InTransaction()) << "the sent state must reach the disk";
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(DataModuleTest, MarkWaitingAsSentOfAWrittenSetLeavesOtherWaitingRows) {
  AddOrder(1, "0001", "01", 1);
  std::int64_t writtenOrder = dm_.TB_Trans.RowId();
  AddOrder(2, "0001", "01", 1);
  AddRecipient({.BankNo = "111"});
  std::int64_t writtenRecipient = dm_.TB_TransSub.RowId();
  AddRecipient({.KigwanId = 2, .BankNo = "222"});
  AddRecipient({.BankNo = "333", .State = -1});
  std::int64_t heldBack = dm_.TB_TransSub.RowId();
  // A row that is no longer waiting means the data changed after the build: nothing is marked.
  EXPECT_FALSE(dm_.MarkWaitingAsSent({writtenOrder}, {writtenRecipient, heldBack}));
  EXPECT_EQ(States("TBTrans"), (std::vector<long long>{1, 1}));
  EXPECT_EQ(messages_.Texts(),
            std::vector<std::string>{"송신상태를 기록할 수 없습니다. 송신 파일을 만든 뒤 이체 "
                                     "자료가 바뀌었습니다. 다시 송신하십시오."});
  ASSERT_TRUE(dm_.MarkWaitingAsSent({writtenOrder}, {writtenRecipient}));
  EXPECT_EQ(States("TBTrans"), (std::vector<long long>{2, 1}));
  EXPECT_EQ(States("TBTransSub"), (std::vector<long long>{2, 1, -1}));
}

TEST_F(DataModuleTest, OrderCalculatedColumns) {
  std::string longName = "가나다라마바사아자차";  // 20 bytes
  AddInstitution(1, longName, "04");
  dm_.TB_Manager.Append();
  dm_.TB_Manager.FieldByName("DongID").Set("0001");
  dm_.TB_Manager.FieldByName("DongNm").Set("역삼1동");
  dm_.TB_Manager.Post();
  AddOrder(1, "0001", "01", 1);
  EXPECT_EQ(dm_.TB_Trans.FieldByName("KiName").AsString(), "가나다라마바사아");
  EXPECT_EQ(dm_.TB_Trans.FieldByName("DoName").AsString(), "역삼1동");
  EXPECT_EQ(dm_.TB_Trans.FieldByName("LaName").AsString(), "");
  EXPECT_EQ(dm_.TB_Trans.FieldByName("StateName").AsString(), "송신대기");
  AddOrder(9, "0001", "01", 2);
  EXPECT_EQ(dm_.TB_Trans.FieldByName("KiName").AsString(), "") << "no institution 9";
}

TEST_F(DataModuleTest, StateNamesOfRecipients) {
  const std::pair<int, const char*> cases[] = {{-1, "송신불가"}, {0, ""},         {1, "송신대기"},
                                               {2, "송신완료"},  {3, "수신완료"}, {4, ""}};
  int n = 0;
  for (const auto& [state, name] : cases) {
    AddRecipient({.BankNo = "acc" + std::to_string(++n), .State = state});
    EXPECT_EQ(dm_.TB_TransSub.FieldByName("StateName").AsString(), name) << state;
  }
}

TEST_F(DataModuleTest, ResultNameFollowsTheBankOfTheCurrentInstitution) {
  ASSERT_TRUE(dm_.TB_ResultCd.FindKey({TValue("11"), TValue("0000")}));
  dm_.TB_ResultCd.Edit();
  dm_.TB_ResultCd.FieldByName("Result_NM").Set("농협 정상");
  dm_.TB_ResultCd.Post();
  AddInstitution(1, "국민기관", "04");
  AddInstitution(2, "농협기관", "11");
  AddRecipient({.BankNo = "555", .State = 3, .Result = "0000"});
  std::int64_t recipient = dm_.TB_TransSub.RowId();

  ASSERT_TRUE(dm_.TB_Kigwan.FindKey({TValue(1)}));
  dm_.TB_TransSub.GotoRowId(recipient);
  EXPECT_EQ(dm_.TB_TransSub.FieldByName("ResultName").AsString(), "정상처리");
  ASSERT_TRUE(dm_.TB_Kigwan.FindKey({TValue(2)}));
  dm_.TB_TransSub.GotoRowId(recipient);
  EXPECT_EQ(dm_.TB_TransSub.FieldByName("ResultName").AsString(), "농협 정상");
}

TEST_F(DataModuleTest, KeyClashOnPostIsItsOwnErrorAndKeepsTheRowInEditing) {
  AddInstitution(1, "기관", "04");
  TTable& t = dm_.TB_Kigwan;
  t.Append();
  t.FieldByName("KigwanID").Set(1);
  t.FieldByName("KiGwanName").Set("기관");
  EXPECT_THROW(t.Post(), TKeyViolation);
  EXPECT_EQ(t.State(), TDataSetState::Insert);
  t.FieldByName("KiGwanName").Set("다른기관");
  t.Post();
  EXPECT_EQ(t.RecordCount(), 2);
}

TEST_F(DataModuleTest, NavigationFollowsTheKeyWithinTheFilter) {
  for (const char* account : {"30", "10", "20", "40"}) AddRecipient({.BankNo = account});
  AddRecipient({.KigwanId = 2, .BankNo = "05", .State = 2});
  TTable& t = dm_.TB_TransSub;
  t.SetFilter(TFilter().Eq("State", 1).Eq("KiGwanid", 1));
  t.SetFiltered(true);
  std::vector<std::string> seen;
  for (t.First(); !t.Eof(); t.Next()) seen.push_back(t.FieldByName("BankNo").AsString());
  EXPECT_EQ(seen, (std::vector<std::string>{"10", "20", "30", "40"}));
  EXPECT_EQ(t.RecordCount(), 4);
  ASSERT_TRUE(dm_.RefreshAllTables());
  EXPECT_FALSE(t.Filtered());
  EXPECT_EQ(t.RecordCount(), 5);
}

TEST_F(DataModuleTest, DeleteMovesToTheNextRowAndCancelRestores) {
  for (const char* account : {"1", "2", "3"}) AddRecipient({.BankNo = account});
  TTable& t = dm_.TB_TransSub;
  ASSERT_TRUE(t.Locate({"BankNo"}, {TValue("2")}));
  t.Edit();
  t.FieldByName("Name").Set("김철수");
  t.Cancel();
  EXPECT_EQ(t.FieldByName("Name").AsString(), "홍길동");
  t.Delete();
  EXPECT_EQ(t.FieldByName("BankNo").AsString(), "3");
  t.Delete();
  EXPECT_EQ(t.FieldByName("BankNo").AsString(), "1") << "after the last row goes, the prior one";
}

TEST_F(DataModuleTest, TextLongerThanItsColumnIsCutWithoutSplittingACharacter) {
  AddInstitution(1, "가나다라마바사아자차카", "04");  // 22 bytes into a 20-byte column
  EXPECT_EQ(dm_.TB_Kigwan.FieldByName("KiGwanName").AsString(), "가나다라마바사아자차");
  dm_.TB_Kigwan.Edit();
  EXPECT_THROW(dm_.TB_Kigwan.FieldByName("KiGwanName").Set("\xF0\x9F\x98\x80"), TEncodingError);
}

TEST_F(DataModuleTest, PostedRowsSurviveClosingAndReachOtherReadersOnlyWhenCommitted) {
  AddInstitution(1, "저장됨", "04");
  TDatabase reader;
  reader.Open(file_);
  auto count = [&reader] {
    TStatement& s = reader.Prepare("SELECT count(*) FROM KiGwan");
    s.Bind({});
    s.Step();
    auto n = s.Column(0).AsInteger();
    s.Reset();
    return n;
  };
  EXPECT_EQ(count(), 0);
  dm_.CommitAllTables();
  EXPECT_EQ(count(), 1);
  AddInstitution(2, "닫을 때 저장", "04");
  dm_.CloseDatabase();
  EXPECT_EQ(count(), 2);
}

TEST(DataModuleOpen, MissingOrDamagedFileIsAnErrorNamingIt) {
  test::TTempFolder folder;
  TDModule dm;
  std::string missing = folder.Path() + "norva.db";
  try {
    dm.OpenDatabase(missing);
    FAIL() << "no error";
  } catch (const TDataError& error) {
    EXPECT_NE(std::string(error.what()).find(missing), std::string::npos);
  }
  std::string damaged = folder.WriteFile("bad.db", "this is not a database at all, just text....");
  try {
    dm.OpenDatabase(damaged);
    FAIL() << "no error";
  } catch (const TDataError& error) {
    EXPECT_NE(std::string(error.what()).find(damaged), std::string::npos);
  }
}

}  // namespace
}  // namespace selvane
