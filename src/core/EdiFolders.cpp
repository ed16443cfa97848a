#include "core/EdiFolders.h"

#include <sys/stat.h>

#include <filesystem>

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

namespace selvane {
namespace {

std::string Normal(const std::string& folder) {
  std::error_code ec;
  auto path = std::filesystem::weakly_canonical(std::filesystem::absolute(folder, ec), ec);
  return WithBackslash(path.lexically_normal().string());
}

}  // namespace

std::string ExchangeFoldersProblem() {
  const struct {
    const std::string& Folder;
    const char* Name;
  } folders[] = {{SendDir, "송신"}, {RecvDir, "수신"}, {ResultDir, "결과"}};
  for (std::size_t i = 0; i < std::size(folders); ++i)
    for (std::size_t j = i + 1; j < std::size(folders); ++j)
      if (Normal(folders[i].Folder) == Normal(folders[j].Folder))
        return std::string(folders[i].Name) + " 폴더와 " + folders[j].Name +
               " 폴더가 같은 폴더입니다: " + folders[i].Folder +
               " 통신환경설정에서 서로 다른 폴더를 지정하십시오.";
  return std::string();
}

}  // namespace selvane
