#include "core/Startup.h"

#include <filesystem>

#include "core/EdiFolders.h"
#include "core/EdiSettings.h"
#include "core/Globals.h"
#include "core/ProgramFiles.h"
#include "core/UserProgramFolder.h"
#include "core/WaitMsg.h"
#include "edi/EdiLibrary.h"
#include "transfer/HolidayFile.h"

namespace selvane {

void InitializeUnits() {
  // An installed program's first start: the per-user folder is made before anything is written
  // into it.
  if (ProgramFolderIsPerUser()) MakeUserProgramFolder(ProgramFolder(), ProgramTemplateFolder());
  const std::string registryError = InitEdiSettings();
  ResetEdiLastCall();
  LoadWorkingFolders();
  LoadEdiFolders();
  // The shipped holidays follow the program's version (an upgrade brings newer ones); the
  // office's own file is made once and never replaced.
  // Only in a program folder: a mistyped --home must not become a folder of holiday files.
  std::string holidayError;
  std::error_code ec;
  if (std::filesystem::is_directory(DataDir, ec)) {
    try {
      PrepareHolidayFiles(ExeDir);
    } catch (const std::exception& error) {
      holidayError = std::string("공휴일 파일을 새로 쓰지 못했습니다: ") + error.what();
    }
  }
  // The program goes on with the default settings, but a damaged settings file must not go
  // unnoticed: it is left as it is for the user to mend.
  if (!registryError.empty()) WarningBox(registryError);
  if (!holidayError.empty()) WarningBox(holidayError);
}

}  // namespace selvane
