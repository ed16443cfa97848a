// A program folder with two institutions (banks 12 and 35), a dong and two items, and the rows
// the order, recipient and layout window tests add.
#pragma once

#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

#include "core/Clock.h"
#include "core/DM.h"
#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"
#include "core/ui/FileDialog.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"
#include "transfer/HolidayCalendar.h"

namespace selvane::test {

class TOrderFixture {
 public:
  void SetUp() {
    folder_ = std::make_unique<TTempFolder>();
    PrepareProgramFolder(folder_->Path());
    SetProgramHome(folder_->Path());
    LoadWorkingFolders();
    InitHolidayLists();  // the holiday files the folder was given
    dm_ = std::make_unique<TDModule>();
    dm_->OpenDatabase();
    msg_ = std::make_unique<TScriptedWaitMsg>();
    Insert(dm_->TB_Kigwan, "KigwanID", 1, "KiGwanName", "구청", "BankID", "12");
    Insert(dm_->TB_Kigwan, "KigwanID", 2, "KiGwanName", "제주시청", "BankID", "35");
    Insert(dm_->TB_Manager, "DongID", "0001", "DongNm", "역삼동");
    Insert(dm_->TB_LargeItm, "LargeItmId", "01", "LargeItmNm", "생계");
    Insert(dm_->TB_LargeItm, "LargeItmId", "02", "LargeItmNm", "주거");
  }

  void TearDown() {
    SetFileDialogAnswer(nullptr);
    SetClock(std::nullopt);
    msg_.reset();
    dm_.reset();
    SetProgramHome("");
    folder_.reset();
  }

  QStringList Texts() const {
    QStringList texts;
    for (const auto& text : msg_->Texts()) texts << QString::fromStdString(text);
    return texts;
  }

  // Appends and posts a row of field, value, field, value, ...
  template <class... TArgs>
  void Insert(TTable& table, TArgs&&... fieldsAndValues) {
    table.Append();
    SetFields(table, std::forward<TArgs>(fieldsAndValues)...);
    table.Post();
  }

  // An order of dong 0001, current in TB_Trans and in the order context.
  void AddOrder(int kigwan, const std::string& item, const std::string& bank, int state) {
    Insert(dm_->TB_Trans, "KigwanId", kigwan, "DongID", "0001", "LargeItmID", item, "BankID", bank,
           "State", state);
    CurrentOrderKey = {kigwan, "0001", item};
  }

  // A layout with the (start, size) pairs of bank, account, amount, resident number and name.
  void AddLayout(const char* name, int reLen, const std::vector<std::pair<int, int>>& spans) {
    const char* columns[] = {"BankPos", "BankLen",  "AccPos",   "AccLen",  "WonPos",
                             "WonLen",  "JuminPos", "JuminLen", "NamePos", "NameLen"};
    TTable& cath = dm_->TB_Cath;
    cath.Append();
    SetFields(cath, "Name", name, "ReLen", reLen);
    for (std::size_t i = 0; i < spans.size(); ++i)
      SetFields(cath, columns[2 * i], spans[i].first, columns[2 * i + 1], spans[i].second);
    cath.Post();
    dm_->CommitAllTables();
  }

  // Answers every file dialog with the file.
  void AnswerFileDialogs(const std::string& file) {
    SetFileDialogAnswer([file](const QString&, const QString&) -> std::optional<QString> {
      return QString::fromStdString(file);
    });
  }

  static void SetFields(TTable&) {}
  template <class TValueArg, class... TRest>
  static void SetFields(TTable& table, const char* field, TValueArg&& value, TRest&&... rest) {
    table.FieldByName(field).Set(TValue(std::forward<TValueArg>(value)));
    SetFields(table, std::forward<TRest>(rest)...);
  }

  std::unique_ptr<TTempFolder> folder_;
  std::unique_ptr<TDModule> dm_;
  std::unique_ptr<TScriptedWaitMsg> msg_;
};

}  // namespace selvane::test
