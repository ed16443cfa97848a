#include "core/EdiFolders.h"

#include <sys/stat.h>

#include "core/EdiSettings.h"
#include "core/Globals.h"
#include "core/TextRoutines.h"

namespace selvane {

void LoadEdiFolders() {
  TEdiConfig config = DefaultEdiConfig();
  if (!ReadEdiSettings(config)) return;
  SendDir = WithBackslash(config.SendDir);
  RecvDir = WithBackslash(config.RecvDir);
  ResultDir = WithBackslash(config.ResultDir);
  EdiLoginId = config.LoginID;
}

void PrepareEdiFolders() {
  TEdiConfig config = DefaultEdiConfig();
  if (!ReadEdiSettings(config)) return;
  for (const char* folder : {"Send", "Send/Old", "Recv", "Recv/Old", "Result"})
    ::mkdir((ExeDir + folder).c_str(), 0777);
  if (WriteEdiSettings(config)) LoadEdiFolders();
}

}  // namespace selvane
