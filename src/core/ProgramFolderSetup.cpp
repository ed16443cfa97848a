#include "core/ProgramFolderSetup.h"

#include <filesystem>

#include "core/Database.h"
#include "core/TextRoutines.h"
#include "core/ZipArchive.h"
#include "transfer/HolidayFile.h"

namespace selvane {
namespace fs = std::filesystem;

void WriteBlankDb(const std::string& fileName) {
  fs::path scratch = fs::path(fileName).parent_path() / ".blankdb";
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  fs::path db = scratch / "norva.db";
  TDatabase::Create(db.string(), false);
  ZipFiles(fileName, {db.string()});
  fs::remove_all(scratch);
}

void PrepareProgramFolder(const std::string& folder) {
  fs::path root(folder);
  // Mailbox/ is where the EDI component's network lives by default: a send works out of the box.
  for (const char* sub : {"Data", "Send/Old", "Recv/Old", "Result", "Mailbox"})
    fs::create_directories(root / sub);
  fs::path db = root / "Data" / "norva.db";
  if (!fs::exists(db)) TDatabase::Create(db.string(), true);
  WriteBlankDb((root / "BlankDb.bin").string());
  PrepareHolidayFiles(WithBackslash(folder));
}

}  // namespace selvane
