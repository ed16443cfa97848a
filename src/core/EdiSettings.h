// The EDI settings record, shared with the EDI communication component through the registry of
// the current user: the key Software\<program key>\NetPost32\Comm holds the line settings, the
// key ...\UserInfo the user, the folders and the component's option flags (integers 0 or 1).
#pragma once

#include <span>
#include <string>

namespace selvane {

// The program key every EDI call passes: the program's executable name.
inline constexpr const char* kEdiProgramKey = "Selvane.exe";

struct TEdiConfig {
  std::string ProgramKey = kEdiProgramKey;
  // Comm
  std::string Connect1;  // primary network name
  std::string Connect2;  // secondary network name
  std::string Phone1;    // primary access number
  std::string Phone2;    // secondary access number
  std::string ModemInit;
  std::string Port;
  std::string Protocol;
  std::string Speed;
  // UserInfo
  std::string LoginID;
  std::string Password;
  std::string SendDir;
  std::string RecvDir;
  std::string ResultDir;
  std::string ScriptDir;
  bool DeleteCheck = true;
  bool AppendCheck = true;
  bool PasswordCheck = false;
  bool ErrorCheck = false;
  bool CompressCheck = false;
  bool ResultCheck = true;
  bool HeaderCheck = false;
  bool HeaderValCheck = true;
  bool MessageCheck = true;
  // Version registration only; never stored with the settings.
  std::string ProgramDir;
  std::string ProgramVersion;
  std::string LibraryDir;
  std::string LibraryVersion;

  bool operator==(const TEdiConfig&) const = default;
};

// The stored values of the record, in their order in the keys.
struct TEdiTextValue {
  const char* Name;
  std::string TEdiConfig::*Field;
  bool IsFolder;
};
struct TEdiFlagValue {
  const char* Name;
  bool TEdiConfig::*Field;
};
std::span<const TEdiTextValue> EdiCommValues();  // the eight of the Comm key
std::span<const TEdiTextValue> EdiUserTexts();   // the six texts of the UserInfo key
std::span<const TEdiFlagValue> EdiUserFlags();   // its nine flags

// The dial-up numbers of the EDI network and the primary network name built from the first.
inline constexpr const char* kEdiPhone1 = "01455";
inline constexpr const char* kEdiPhone2 = "01456";

// The key paths as the program reads them (mixed case) and writes them (upper case); the
// registry ignores the difference.
std::string EdiCommKey(const std::string& programKey);
std::string EdiUserInfoKey(const std::string& programKey);

// The record of defaults: folders are ProgramFolder() + "Send", "Recv", "Result", "Script".
TEdiConfig DefaultEdiConfig(const std::string& programKey = kEdiProgramKey);

// Fills config from the registry, each value missing taking its default; a folder value that is
// blank takes its default too (a blank folder names no place to work in). False when the Comm key
// cannot be opened (config unchanged) or the UserInfo key cannot be opened (the Comm values are
// already in config); error then tells why when the registry file is damaged.
bool ReadEdiSettings(TEdiConfig& config, const std::string& programKey = kEdiProgramKey,
                     std::string* error = nullptr);
// Stores every value of both keys, creating them; false when a key cannot be opened or created
// or a value cannot be written.
bool WriteEdiSettings(const TEdiConfig& config, std::string* error = nullptr);

// The start-up step: read the settings (a value or a whole key that is missing takes its
// defaults, the values present are kept), write them back so that both keys hold every value, and
// create the record's send, receive and result folders (one level each, failures ignored). Returns
// why the registry could not be used, empty when it could.
std::string InitEdiSettings();

}  // namespace selvane
