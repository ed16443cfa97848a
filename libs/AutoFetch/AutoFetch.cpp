#include "AutoFetch.h"

#include <exception>
#include <string>

#include "HttpsSource.h"
#include "Upgrade.h"
#include "core/Cp949.h"
#include "core/Globals.h"

using namespace selvane;

namespace {

// Nothing escapes the C interface: an unexpected failure is the code for an unknown error.
int Run(const char* appCode, const char* userId, bool now) {
  if (appCode == nullptr) return AUTOFETCH_FAILED;
  try {
    autofetch::UseHttpsSources();
    autofetch::TUpgradeRequest request;
    request.AppCode = FromCp949(appCode);
    request.UserId = userId != nullptr ? FromCp949(userId) : "";
    request.Now = now;
    request.InstallRoot = autofetch::InstallRootOf(autofetch::RunningProgramFile());
    request.ProgramFolder = ProgramFolder();
    return autofetch::RunUpgradeCheck(request);
  } catch (const std::exception&) {
    return AUTOFETCH_FAILED;
  }
}

}  // namespace

extern "C" {

int StartUpgrade(const char* appCode, const char* userId) {
  return Run(appCode, userId, false);
}

int StartUpgradeNow(const char* appCode, const char* userId) {
  return Run(appCode, userId, true);
}

const char* AutoFetchVersion(void) {
  return AUTOFETCH_VERSION;
}

}  // extern "C"
