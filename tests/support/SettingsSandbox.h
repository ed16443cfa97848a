// A program folder and a registry file of a test's own: NORVA_REGISTRY names a file in a fresh
// temporary folder and the program home is its "program/" folder, both put back at the end.
#pragma once

#include <string>

#include "support/ScopedGlobals.h"
#include "support/TempFolder.h"

namespace selvane::test {

class TSettingsSandbox {
 public:
  TSettingsSandbox();

  const std::string& Root() const { return folder_.Path(); }
  // The program folder, ending with the separator (created empty).
  std::string ProgramHome() const { return folder_.Path() + "program/"; }
  std::string RegistryFile() const { return folder_.Path() + "registry.reg"; }
  // Writes the registry file with the given text.
  void WriteRegistry(const std::string& text) const;
  std::string RegistryText() const;

 private:
  TTempFolder folder_;
  TScopedEnv registry_;
  TScopedProgramHome home_;
};

}  // namespace selvane::test
