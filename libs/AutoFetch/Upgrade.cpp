#include "Upgrade.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "AutoFetch.h"
#include "Signing.h"
#include "UpdateSource.h"
#include "core/Clock.h"
#include "core/FileRoutines.h"
#include "core/IniFile.h"
#include "core/Registry.h"
#include "core/TextRoutines.h"

namespace selvane::autofetch {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kManifestLimit = 1 << 20;
constexpr std::uint64_t kSignatureLimit = 4096;

std::optional<int> DayNumber(const std::string& text, int low, int high) {
  const std::string trimmed = Trim(text);
  if (!IsAllDigits(trimmed) || trimmed.size() > 2) return std::nullopt;
  const int value = std::stoi(trimmed);
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::optional<TDate> EightDigitDate(const std::string& text) {
  if (text.size() != 8 || !IsAllDigits(text)) return std::nullopt;
  TDate date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(4, 2)),
             std::stoi(text.substr(6, 2))};
  if (!TDate::IsValid(date.Year, date.Month, date.Day)) return std::nullopt;
  return date;
}

// The last day of the month that stands for day (its last day when it has fewer).
TDate DayOfMonth(int year, int month, int day) {
  return TDate{year, month, std::min(day, TDate::DaysInMonth(year, month))};
}

// The latest date on or before today that the interval names; nullopt: every start.
std::optional<TDate> LatestChosenDay(const std::string& interval1, const std::string& interval2,
                                     TDate today) {
  if (interval1 == "WEEK") {
    const std::optional<int> weekday = DayNumber(interval2, 1, 7);
    if (!weekday) return std::nullopt;
    return today.AddDays(-((today.DayOfWeek() - *weekday + 7) % 7));
  }
  if (interval1 == "MONTH") {
    const std::optional<int> day = DayNumber(interval2, 1, 31);
    if (!day) return std::nullopt;
    TDate chosen = DayOfMonth(today.Year, today.Month, *day);
    if (chosen <= today) return chosen;
    return today.Month == 1 ? DayOfMonth(today.Year - 1, 12, *day)
                            : DayOfMonth(today.Year, today.Month - 1, *day);
  }
  return std::nullopt;
}

int FetchCode(TFetch result, int tooLarge) {
  switch (result) {
    case TFetch::Ok:
      return 0;
    case TFetch::Missing:
      return AUTOFETCH_MISMATCH;
    case TFetch::TooLarge:
      return tooLarge;
    case TFetch::Unreachable:
      return AUTOFETCH_UNREACHABLE;
    case TFetch::Interrupted:
      return AUTOFETCH_INTERRUPTED;
    case TFetch::Refused:
      return AUTOFETCH_USER;
    case TFetch::BadAnswer:
      return AUTOFETCH_PACKET;
    case TFetch::LocalWrite:
      return AUTOFETCH_STAGING;
  }
  return AUTOFETCH_FAILED;
}

bool Writable(const std::string& folder) {
  return ::access(folder.c_str(), W_OK) == 0;
}

// Can the launcher put the file there: the nearest folder of its path that exists is writable.
bool TargetWritable(const std::string& root, const std::string& path) {
  fs::path folder = fs::path(root + path).parent_path();
  std::error_code ec;
  while (!fs::exists(folder, ec) && folder.has_parent_path() && folder != folder.parent_path())
    folder = folder.parent_path();
  return Writable(folder.string());
}

bool SyncFile(const std::string& fileName) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

void RemoveStaging(const TUpgradeLayout& layout) {
  std::error_code ec;
  fs::remove_all(layout.Staging(), ec);
}

// The version the program has now: the newer of the one it registered and the one the last
// apply brought (so that a release whose program reports an older version is not fetched again
// at every start).
std::string CurrentVersion(const TUpgradeRequest& request, const TUpgradeLayout& layout) {
  TRegistry registry;
  std::string registered;
  if (registry.OpenKey(UpgradeKey(request.AppCode) + "\\Setup.exe", false))
    registered = registry.ReadString("Ver").value_or("");
  const std::string applied = InstalledVersion(layout);
  return CompareVersions(applied, registered) > 0 ? applied : registered;
}

void RecordCheck(const std::string& appCode) {
  TRegistry registry;
  if (registry.OpenKey(UpgradeKey(appCode), true))
    registry.WriteString("UpdateDt", Today().Format("yyyymmdd"));
}

bool CheckIsDue(const TUpgradeRequest& request) {
  if (request.Now) return true;
  TRegistry registry;
  if (!registry.OpenKey(UpgradeKey(request.AppCode), false)) return true;
  return IsUpgradeDue(registry.ReadString("Interval1").value_or(""),
                      registry.ReadString("Interval2").value_or(""),
                      registry.ReadString("UpdateDt").value_or(""), Today());
}

int Stage(TUpdateSource& source, const TUpgradeLayout& layout, const TManifest& manifest,
          const std::string& manifestBytes, const std::string& signatureText) {
  RemoveStaging(layout);
  std::error_code ec;
  if (fs::exists(layout.Staging(), ec) || !fs::create_directories(layout.Staging(), ec))
    return AUTOFETCH_STAGING;
  for (const TManifestFile& file : manifest.Files) {
    const std::string target = layout.Staging() + file.Path;
    fs::create_directories(fs::path(target).parent_path(), ec);
    if (ec) return AUTOFETCH_STAGING;
    const TFetch fetched = source.FetchToFile(file.Path, target, file.Size);
    if (fetched != TFetch::Ok) return FetchCode(fetched, AUTOFETCH_MISMATCH);
    std::uint64_t size = 0;
    std::string sha256, error;
    if (!HashFile(target, size, sha256, error)) return AUTOFETCH_STAGING;
    if (size != file.Size || sha256 != file.Sha256) return AUTOFETCH_MISMATCH;
    if (::chmod(target.c_str(), file.Mode) != 0 || !SyncFile(target)) return AUTOFETCH_STAGING;
  }
  // The manifest comes last: a staging folder with one is complete.
  std::string error;
  if (!WriteSyncedFile(layout.Staging() + kSignatureName, signatureText, error) ||
      !WriteSyncedFile(layout.Staging() + kManifestName, manifestBytes, error))
    return AUTOFETCH_STAGING;
  return AUTOFETCH_READY;
}

}  // namespace

std::string UpgradeKey(const std::string& appCode) {
  return "Software\\PATCHRUNGRADE\\" + appCode;
}

bool IsUpgradeDue(const std::string& interval1, const std::string& interval2,
                  const std::string& updateDt, TDate today) {
  const std::optional<TDate> chosen = LatestChosenDay(Trim(interval1), interval2, today);
  if (!chosen) return true;
  const std::optional<TDate> checked = EightDigitDate(Trim(updateDt));
  return !checked || *checked < *chosen;
}

int VerifyManifest(const std::string& manifestBytes, const std::string& signatureText,
                   const std::string& publicKey, const std::string& appCode, TManifest& manifest,
                   std::string& error) {
  std::string signature;
  if (!FromBase64(signatureText, kSignatureBytes, signature)) {
    error = "the signature file holds no signature";
    return AUTOFETCH_MISMATCH;
  }
  if (!VerifyDetached(manifestBytes, signature, publicKey)) {
    error = "the manifest's signature does not verify";
    return AUTOFETCH_MISMATCH;
  }
  if (!ParseManifest(manifestBytes, manifest, error)) return AUTOFETCH_MISMATCH;
  if (manifest.AppCode != appCode) {
    error = "the update is for the application " + manifest.AppCode;
    return AUTOFETCH_MISMATCH;
  }
  return 0;
}

bool VerifyUpdateFolder(const std::string& folder, const std::string& appCode,
                        const std::string& publicKey, TManifest& manifest, std::string& error) {
  std::string manifestBytes, signatureText;
  if (!ReadWholeFile(folder + kManifestName, manifestBytes) ||
      !ReadWholeFile(folder + kSignatureName, signatureText)) {
    error = folder + ": no manifest with its signature";
    return false;
  }
  if (VerifyManifest(manifestBytes, signatureText, publicKey, appCode, manifest, error) != 0)
    return false;
  for (const TManifestFile& file : manifest.Files) {
    std::uint64_t size = 0;
    std::string sha256;
    if (!HashFile(folder + file.Path, size, sha256, error)) return false;
    if (size != file.Size || sha256 != file.Sha256) {
      error = file.Path + ": the file does not match the manifest";
      return false;
    }
  }
  return true;
}

int RunUpgradeCheck(const TUpgradeRequest& request) {
  const std::string setting =
      TIniFile(request.ProgramFolder + "SELVANE.ini").ReadString("Upgrade", "Source", "");
  std::unique_ptr<TUpdateSource> source =
      OpenUpdateSource(setting, request.ProgramFolder, request.UserId);
  if (source == nullptr) return AUTOFETCH_NOTHING;

  const TUpgradeLayout layout(request.InstallRoot, request.AppCode);
  std::error_code ec;
  if (fs::exists(layout.Journal(), ec)) return AUTOFETCH_READY;
  // A program that the package manager installed is upgraded by the package manager.
  if (!Writable(layout.Root)) return AUTOFETCH_NOTHING;
  if (!CheckIsDue(request)) return AUTOFETCH_NOTHING;

  std::string publicKey, error;
  if (!ReleasePublicKey(request.ProgramFolder, publicKey, error)) return AUTOFETCH_MISMATCH;

  std::string manifestBytes, signatureText;
  TFetch fetched = source->Fetch(kManifestName, kManifestLimit, manifestBytes);
  if (fetched == TFetch::Missing) {  // nothing published
    RecordCheck(request.AppCode);
    return AUTOFETCH_NOTHING;
  }
  if (fetched != TFetch::Ok) return FetchCode(fetched, AUTOFETCH_OVERFLOW);
  fetched = source->Fetch(kSignatureName, kSignatureLimit, signatureText);
  if (fetched != TFetch::Ok) return FetchCode(fetched, AUTOFETCH_OVERFLOW);

  TManifest manifest;
  if (int code =
          VerifyManifest(manifestBytes, signatureText, publicKey, request.AppCode, manifest, error);
      code != 0)
    return code;
  if (CompareVersions(manifest.Version, CurrentVersion(request, layout)) <= 0) {
    RecordCheck(request.AppCode);
    return AUTOFETCH_NOTHING;
  }
  for (const TManifestFile& file : manifest.Files)
    if (!TargetWritable(layout.Root, file.Path)) return AUTOFETCH_NOTHING;

  // Only a check that came to an end counts: a failed one is tried again at the next start.
  const int code = Stage(*source, layout, manifest, manifestBytes, signatureText);
  if (code == AUTOFETCH_READY)
    RecordCheck(request.AppCode);
  else
    RemoveStaging(layout);
  return code;
}

}  // namespace selvane::autofetch
