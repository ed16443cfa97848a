#include "support/SettingsSandbox.h"

#include <cstdlib>
#include <filesystem>

#include "core/Globals.h"

namespace selvane::test {

TSettingsSandbox::TSettingsSandbox() {
  if (const char* old = std::getenv("NORVA_REGISTRY")) oldRegistry_ = old;
  ::setenv("NORVA_REGISTRY", RegistryFile().c_str(), 1);
  std::filesystem::create_directories(ProgramHome());
  SetProgramHome(ProgramHome());
}

TSettingsSandbox::~TSettingsSandbox() {
  if (oldRegistry_)
    ::setenv("NORVA_REGISTRY", oldRegistry_->c_str(), 1);
  else
    ::unsetenv("NORVA_REGISTRY");
  SetProgramHome("");
}

void TSettingsSandbox::WriteRegistry(const std::string& text) const {
  folder_.WriteFile("registry.reg", text);
}

std::string TSettingsSandbox::RegistryText() const {
  return TTempFolder::ReadFile(RegistryFile());
}

}  // namespace selvane::test
