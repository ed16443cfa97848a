#include "reference/CodeTableEditor.h"

#include <gtest/gtest.h>

#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {

using TButtons = TCodeTableButtons;

TEST(CodeTableButtons, ByModeAndRows) {
  const struct {
    TCodeTableMode Mode;
    bool Empty;
    TButtons Expected;
  } cases[] = {
      {TCodeTableMode::Browse, true, {.Insert = true, .Grid = true}},
      {TCodeTableMode::Browse, false, {.Insert = true, .Edit = true, .Delete = true, .Grid = true}},
      {TCodeTableMode::Editing, true, {.Save = true, .Cancel = true, .Fields = true}},
      {TCodeTableMode::Editing, false, {.Save = true, .Cancel = true, .Fields = true}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CodeTableButtons(c.Mode, c.Empty), c.Expected)
        << (c.Mode == TCodeTableMode::Browse ? "browse" : "editing") << (c.Empty ? ", empty" : "");
}

TEST(CharCount, CountsCharactersNotBytes) {
  EXPECT_EQ(CharCount(""), 0u);
  EXPECT_EQ(CharCount("0001"), 4u);
  EXPECT_EQ(CharCount("역삼1동"), 4u);
}

// The item table: key LargeItmId (two characters, required), name LargeItmNm.
class CodeTableEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = folder_.Path() + "norva.db";
    TDatabase::Create(file_, false);
    dm_.OpenDatabase(file_);
    editor_.Open();
  }

  // Inserts a row with the two fields, as the window stores its fields before saving.
  TSaveResult InsertItem(const TValue& id, const std::string& name) {
    EXPECT_TRUE(editor_.Insert(kTagInsert));
    dm_.TB_LargeItm.FieldByName("LargeItmId").Set(id);
    dm_.TB_LargeItm.FieldByName("LargeItmNm").Set(name);
    return editor_.Save();
  }

  // What another program reading the file sees: the committed names in key order.
  std::vector<std::string> StoredNames() {
    TDatabase reader;
    reader.Open(file_);
    TStatement& s = reader.Prepare("SELECT LargeItmNm FROM TBLargeItem ORDER BY LargeItmId");
    s.Bind({});
    std::vector<std::string> names;
    while (s.Step()) names.push_back(s.Column(0).AsString());
    s.Reset();
    return names;
  }

  test::TTempFolder folder_;
  std::string file_;
  TDModule dm_;
  test::TScriptedWaitMsg msg_;
  TCodeTableEditor editor_{dm_, dm_.TB_LargeItm};
};

TEST_F(CodeTableEditorTest, SavedRowIsCommittedAndTheEditorBrowsesAgain) {
  EXPECT_EQ(editor_.Buttons(), CodeTableButtons(TCodeTableMode::Browse, true));
  EXPECT_FALSE(editor_.Insert(kTagEdit)) << "nothing to edit in an empty table";
  EXPECT_EQ(editor_.Save(), TSaveResult::Ignored);
  EXPECT_FALSE(editor_.Cancel());

  EXPECT_EQ(InsertItem("01", "생계"), TSaveResult::Saved);
  EXPECT_EQ(editor_.Mode(), TCodeTableMode::Browse);
  EXPECT_EQ(editor_.Buttons(), CodeTableButtons(TCodeTableMode::Browse, false));
  EXPECT_EQ(StoredNames(), std::vector<std::string>{"생계"});
  EXPECT_TRUE(msg_.Messages().empty());

  ASSERT_TRUE(editor_.Insert(kTagEdit));
  EXPECT_EQ(editor_.Mode(), TCodeTableMode::Editing);
  EXPECT_FALSE(editor_.Insert(kTagInsert)) << "insert is disabled while a row is in editing";
  dm_.TB_LargeItm.FieldByName("LargeItmNm").Set("주거");
  EXPECT_EQ(editor_.Save(), TSaveResult::Saved);
  EXPECT_EQ(StoredNames(), std::vector<std::string>{"주거"});
}

TEST_F(CodeTableEditorTest, NewRowTakesItsKeyFromTheWindow) {
  editor_.OnNewRow = [](TTable& table) { table.FieldByName("LargeItmId").Set("07"); };
  ASSERT_TRUE(editor_.Insert(kTagInsert));
  EXPECT_EQ(dm_.TB_LargeItm.FieldByName("LargeItmId").AsString(), "07");
  dm_.TB_LargeItm.FieldByName("LargeItmNm").Set("교육");
  EXPECT_EQ(editor_.Save(), TSaveResult::Saved);
}

TEST_F(CodeTableEditorTest, RefusedRowsStayInEditingWithTheirMessage) {
  ASSERT_EQ(InsertItem("01", "생계"), TSaveResult::Saved);
  const struct {
    const char* What;
    TValue Id;
    bool WindowRefuses;
    TSaveResult Result;
    std::vector<std::string> Messages;
  } cases[] = {
      {"window's own check", "02", true, TSaveResult::Refused, {}},
      {"key of another row", "01", false, TSaveResult::Duplicate, {"코드가 중복됩니다."}},
      {"required key missing",
       TValue(),
       false,
       TSaveResult::Missing,
       {"필수항목이 누락되었습니다. "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    msg_.Clear();
    editor_.OnValidate = [&c](TTable&) { return !c.WindowRefuses; };
    EXPECT_EQ(InsertItem(c.Id, "주거"), c.Result);
    EXPECT_EQ(msg_.Texts(), c.Messages);
    for (const auto& message : msg_.Messages()) {
      EXPECT_EQ(message.Kind, "error");
      EXPECT_EQ(message.Caption, "입력오류");
    }
    EXPECT_EQ(editor_.Mode(), TCodeTableMode::Editing);
    EXPECT_EQ(dm_.TB_LargeItm.State(), TDataSetState::Insert);
    EXPECT_EQ(dm_.TB_LargeItm.FieldByName("LargeItmNm").AsString(), "주거") << "typing is kept";
    EXPECT_TRUE(editor_.Cancel());
    EXPECT_EQ(StoredNames(), std::vector<std::string>{"생계"});
  }
}

TEST_F(CodeTableEditorTest, CancelRestoresTheRow) {
  ASSERT_EQ(InsertItem("01", "생계"), TSaveResult::Saved);
  ASSERT_TRUE(editor_.Insert(kTagEdit));
  dm_.TB_LargeItm.FieldByName("LargeItmNm").Set("주거");
  EXPECT_TRUE(editor_.Cancel());
  EXPECT_EQ(editor_.Mode(), TCodeTableMode::Browse);
  EXPECT_EQ(dm_.TB_LargeItm.FieldByName("LargeItmNm").AsString(), "생계");
}

TEST_F(CodeTableEditorTest, DeleteAsksFirstAndOnlyYesDeletes) {
  ASSERT_EQ(InsertItem("01", "생계"), TSaveResult::Saved);
  ASSERT_EQ(InsertItem("02", "주거"), TSaveResult::Saved);
  msg_.QueueAnswer(false);
  EXPECT_FALSE(editor_.Delete());
  EXPECT_EQ(StoredNames(), (std::vector<std::string>{"생계", "주거"}));
  msg_.QueueAnswer(true);
  EXPECT_TRUE(editor_.Delete());
  EXPECT_EQ(StoredNames().size(), 1u);
  msg_.QueueAnswer(true);
  EXPECT_TRUE(editor_.Delete());
  EXPECT_EQ(StoredNames(), std::vector<std::string>{});
  EXPECT_EQ(msg_.Texts(), std::vector<std::string>(3, "삭제하시겠습니까?"));
  EXPECT_EQ(editor_.Buttons(), CodeTableButtons(TCodeTableMode::Browse, true));
  msg_.Clear();
  EXPECT_FALSE(editor_.Delete()) << "an empty table asks nothing";
  EXPECT_TRUE(msg_.Messages().empty());
}

TEST_F(CodeTableEditorTest, AFailedDeleteIsShownAndKeepsTheRow) {
  ASSERT_EQ(InsertItem("01", "생계"), TSaveResult::Saved);
  dm_.Database.Execute(
      "CREATE TRIGGER KeepItems BEFORE DELETE ON TBLargeItem "
      "BEGIN SELECT RAISE(ABORT, 'items are kept'); END");
  dm_.Database.Commit();
  msg_.QueueAnswer(true);
  EXPECT_FALSE(editor_.Delete());
  ASSERT_EQ(msg_.Messages().size(), 2u);
  EXPECT_EQ(msg_.Messages()[1].Kind, "error");
  EXPECT_NE(msg_.Messages()[1].Text.find("items are kept"), std::string::npos)
      << msg_.Messages()[1].Text;
  EXPECT_EQ(StoredNames(), std::vector<std::string>{"생계"});
  EXPECT_EQ(editor_.Buttons(), CodeTableButtons(TCodeTableMode::Browse, false));
}

TEST_F(CodeTableEditorTest, ARowLeftInEditingIsNeverPostedLater) {
  ASSERT_TRUE(editor_.Insert(kTagInsert));
  dm_.TB_LargeItm.FieldByName("LargeItmId").Set("01");
  editor_.Close();
  EXPECT_EQ(dm_.TB_LargeItm.State(), TDataSetState::Browse);
  EXPECT_EQ(editor_.Mode(), TCodeTableMode::Browse);

  TCodeTableEditor next(dm_, dm_.TB_LargeItm);
  ASSERT_TRUE(editor_.Insert(kTagInsert));
  dm_.TB_LargeItm.FieldByName("LargeItmId").Set("02");
  next.Open();  // a later window on the same table
  EXPECT_EQ(dm_.TB_LargeItm.State(), TDataSetState::Browse);
  dm_.CommitAllTables();
  EXPECT_EQ(StoredNames(), std::vector<std::string>{});
}

}  // namespace
}  // namespace selvane
