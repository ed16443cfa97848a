#include "support/SettingsSandbox.h"

#include <filesystem>

namespace selvane::test {

TSettingsSandbox::TSettingsSandbox()
    : registry_("NORVA_REGISTRY", RegistryFile()), home_(ProgramHome()) {
  std::filesystem::create_directories(ProgramHome());
}

void TSettingsSandbox::WriteRegistry(const std::string& text) const {
  folder_.WriteFile("registry.reg", text);
}

std::string TSettingsSandbox::RegistryText() const {
  return TTempFolder::ReadFile(RegistryFile());
}

}  // namespace selvane::test
