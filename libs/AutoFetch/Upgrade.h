// The upgrade check behind StartUpgrade: is a check due, is there a newer signed version at the
// source, and staging it whole. Results are the AUTOFETCH_ codes of AutoFetch.h.
#pragma once

#include <string>

#include "Manifest.h"
#include "UpgradeLayout.h"
#include "core/Date.h"

namespace selvane::autofetch {

struct TUpgradeRequest {
  std::string AppCode;
  std::string UserId;
  bool Now = false;           // ignore the interval
  std::string InstallRoot;    // the program's install folder, ending with "/"
  std::string ProgramFolder;  // SELVANE.ini and the key file, ending with "/"
};

// The registry key of the interval values and of the registered versions.
std::string UpgradeKey(const std::string& appCode);

// Does the interval ask for a check today? "WEEK" with a weekday (1 Sunday, 2 Monday ... 7
// Saturday) and "MONTH" with a day (1 to 31; beyond the month's end its last day) are due when
// that day, on or before today, came after the last check (updateDt, "YYYYMMDD"; anything else
// means never checked), so a day is checked once and a day the program was not started is
// caught up. "EXE", an unknown period or an unusable day: at every start.
bool IsUpgradeDue(const std::string& interval1, const std::string& interval2,
                  const std::string& updateDt, TDate today);

// The whole check. Reads the source setting and the interval, fetches and verifies the manifest
// (signature first), and stages a newer version into the layout's new/ folder: every file
// checked for size and hash, the manifest written last. Anything that fails leaves no staging
// folder behind. 2 without a look at the source when no source is set, the check is not due or
// the install folder cannot be written (a package install); 1 at once when an apply broke off
// (the launcher must roll it back).
int RunUpgradeCheck(const TUpgradeRequest& request);

// The manifest of signature text and bytes, checked against the key before it is read at all,
// then for the application. AUTOFETCH_MISMATCH, with the reason, when anything is wrong.
int VerifyManifest(const std::string& manifestBytes, const std::string& signatureText,
                   const std::string& publicKey, const std::string& appCode, TManifest& manifest,
                   std::string& error);

// An update in a folder (the staging folder, a release folder): its signed manifest and every
// file of it at its size and hash. False, with the reason, when anything is missing or different.
bool VerifyUpdateFolder(const std::string& folder, const std::string& appCode,
                        const std::string& publicKey, TManifest& manifest, std::string& error);

}  // namespace selvane::autofetch
