// The registry of the current user, kept in a settings file of our own: the file named by
// NORVA_REGISTRY, else $XDG_CONFIG_HOME/Selvane/registry.reg (~/.config/... without it). The
// file has the syntax of a registry export in UTF-8:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Selvane.exe\NetPost32\UserInfo]
//   "LoginID"="OFFICE01"
//   "DeleteCheck"=dword:00000001
//
// Key paths and value names compare without regard to ASCII letter case. Values are text or
// 32-bit integers. Opening a key reads the file afresh; every write reads it again, applies the
// change and replaces the whole file atomically (written beside, synced, renamed), so that a
// crash never leaves half a file and two users of the store do not lose each other's values.
// A file that cannot be parsed is never written: opening fails and Error() names the file and
// the line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace selvane {

// The settings file that stands for the registry, as the environment names it now.
std::string RegistryFileName();

// One value of a key as the file holds it.
struct TRegistryValue {
  std::string Name;
  bool IsInteger = false;
  std::string Text;
  std::int32_t Integer = 0;
};

class TRegistry {
 public:
  // Opens key (a path below HKEY_CURRENT_USER, "Software\Selvane.exe\NetPost32\Comm"), creating
  // it when canCreate. False when the key is missing and not to be created, when the file is
  // damaged, or when it cannot be written; Error() tells which.
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey();
  bool KeyExists(const std::string& key);

  // The value of the open key; nothing when it is missing or of the other kind.
  bool ValueExists(const std::string& name) const;
  std::optional<std::string> ReadString(const std::string& name) const;
  std::optional<std::int32_t> ReadInteger(const std::string& name) const;

  // Stores a value in the open key. False, with Error() set, when no key is open or the file
  // cannot be read or replaced.
  bool WriteString(const std::string& name, const std::string& value);
  bool WriteInteger(const std::string& name, std::int32_t value);
  // Stores several values of the open key with one replacement of the file: all or none.
  bool WriteValues(const std::vector<TRegistryValue>& values);

  // Why the last call failed, ready to show; empty after a success.
  const std::string& Error() const { return error_; }
  // The line of the file that could not be parsed, 0 when the failure was of another kind.
  int ErrorLine() const { return errorLine_; }
  // Did the last OpenKey fail only because the key does not exist (nothing to report)?
  bool KeyWasMissing() const { return missing_; }

 private:
  const TRegistryValue* Find(const std::string& name) const;
  bool Fail(const std::string& error, int line = 0);  // false, for the caller to return

  bool open_ = false;
  std::string key_;                     // the open key as the file spells it
  std::vector<TRegistryValue> values_;  // its values when it was opened or last written
  std::string error_;
  int errorLine_ = 0;
  bool missing_ = false;
};

}  // namespace selvane
