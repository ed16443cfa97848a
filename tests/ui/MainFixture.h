// A program as the main window finds it at run time, for window tests: a sandboxed registry and
// program folder with a seeded database open in a data module, recorded message boxes, and the
// web servers named in SELVANE.ini (the notice page off unless a test names a server).
#pragma once

#include <memory>
#include <string>

#include "core/DM.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/ProgramFolderSetup.h"
#include "core/TransferState.h"
#include "support/ScriptedWaitMsg.h"
#include "support/SettingsSandbox.h"

namespace selvane::test {

class TMainProgram {
 public:
  TMainProgram() {
    PrepareProgramFolder(sandbox_.ProgramHome());
    LoadWorkingFolders();
    SetServer("NoticeHost", "");
    dm_.OpenDatabase();
  }
  ~TMainProgram() { dm_.CloseDatabase(); }

  void SetServer(const std::string& key, const std::string& authority) {
    TIniFile(IniFileName).WriteString("Server", key, authority);
  }
  void AddInstitution(int id, const std::string& bank) {
    dm_.TB_Kigwan.Append();
    dm_.TB_Kigwan.FieldByName("KigwanID").Set(id);
    dm_.TB_Kigwan.FieldByName("KiGwanName").Set("기관" + std::to_string(id));
    dm_.TB_Kigwan.FieldByName("BankID").Set(bank);
    dm_.TB_Kigwan.Post();
  }
  void AddWaitingOrder(int kigwan, TDate payment) {
    dm_.TB_Trans.Append();
    dm_.TB_Trans.FieldByName("KigwanId").Set(kigwan);
    dm_.TB_Trans.FieldByName("DongID").Set("0001");
    dm_.TB_Trans.FieldByName("LargeItmID").Set("01");
    dm_.TB_Trans.FieldByName("State").Set(static_cast<int>(Waiting));
    dm_.TB_Trans.FieldByName("To_date").Set(payment);
    dm_.TB_Trans.Post();
  }

  TSettingsSandbox sandbox_;
  TDModule dm_;
  TScriptedWaitMsg messages_;
};

}  // namespace selvane::test
