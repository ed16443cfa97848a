#include "core/FileChooser.h"

namespace selvane {
namespace {

IFileChooser* g_chooser = nullptr;

}  // namespace

void InstallFileChooser(IFileChooser* chooser) {
  g_chooser = chooser;
}

std::optional<std::string> ChooseFolder(const std::string& title) {
  if (g_chooser == nullptr) return std::nullopt;
  return g_chooser->ChooseFolder(title);
}

std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& folder,
                                          const std::string& filter) {
  if (g_chooser == nullptr) return std::nullopt;
  return g_chooser->ChooseOpenFile(title, folder, filter);
}

}  // namespace selvane
