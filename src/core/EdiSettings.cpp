#include "core/EdiSettings.h"

#include <sys/stat.h>

#include "core/Globals.h"
#include "core/Registry.h"
#include "core/TextRoutines.h"

namespace selvane {

namespace {

const TEdiTextValue kCommValues[] = {
    {"Connect1", &TEdiConfig::Connect1, false},   {"Connect2", &TEdiConfig::Connect2, false},
    {"Phone1", &TEdiConfig::Phone1, false},       {"Phone2", &TEdiConfig::Phone2, false},
    {"ModemInit", &TEdiConfig::ModemInit, false}, {"Port", &TEdiConfig::Port, false},
    {"Protocol", &TEdiConfig::Protocol, false},   {"Speed", &TEdiConfig::Speed, false},
};

const TEdiTextValue kUserTexts[] = {
    {"LoginID", &TEdiConfig::LoginID, false},    {"Password", &TEdiConfig::Password, false},
    {"SendDir", &TEdiConfig::SendDir, true},     {"RecvDir", &TEdiConfig::RecvDir, true},
    {"ResultDir", &TEdiConfig::ResultDir, true}, {"ScriptDir", &TEdiConfig::ScriptDir, true},
};

const TEdiFlagValue kUserFlags[] = {
    {"DeleteCheck", &TEdiConfig::DeleteCheck},     {"AppendCheck", &TEdiConfig::AppendCheck},
    {"PasswordCheck", &TEdiConfig::PasswordCheck}, {"ErrorCheck", &TEdiConfig::ErrorCheck},
    {"CompressCheck", &TEdiConfig::CompressCheck}, {"ResultCheck", &TEdiConfig::ResultCheck},
    {"HeaderCheck", &TEdiConfig::HeaderCheck},     {"HeaderValCheck", &TEdiConfig::HeaderValCheck},
    {"MessageCheck", &TEdiConfig::MessageCheck},
};

void ReadTexts(const TRegistry& registry, std::span<const TEdiTextValue> values,
               TEdiConfig& config) {
  for (const auto& value : values) {
    auto stored = registry.ReadString(value.Name);
    if (!stored) continue;
    if (value.IsFolder && Trim(*stored).empty()) continue;
    config.*value.Field = *stored;
  }
}

void AddTexts(std::vector<TRegistryValue>& out, std::span<const TEdiTextValue> values,
              const TEdiConfig& config) {
  for (const auto& value : values) out.push_back({value.Name, false, config.*value.Field, 0});
}

void Report(const TRegistry& registry, std::string* error) {
  if (error != nullptr) *error = registry.Error();
}

}  // namespace

std::span<const TEdiTextValue> EdiCommValues() {
  return kCommValues;
}
std::span<const TEdiTextValue> EdiUserTexts() {
  return kUserTexts;
}
std::span<const TEdiFlagValue> EdiUserFlags() {
  return kUserFlags;
}

std::string EdiCommKey(const std::string& programKey) {
  return "Software\\" + programKey + "\\NetPost32\\Comm";
}

std::string EdiUserInfoKey(const std::string& programKey) {
  return "Software\\" + programKey + "\\NetPost32\\UserInfo";
}

TEdiConfig DefaultEdiConfig(const std::string& programKey) {
  TEdiConfig config;
  config.ProgramKey = programKey;
  config.Connect1 = std::string(kEdiPhone1) + "망";
  config.Connect2 = "DNS망";
  config.Phone1 = kEdiPhone1;
  config.Phone2 = kEdiPhone2;
  config.ModemInit = "atz";
  config.Port = "COM1";
  config.Protocol = "Zmodem";
  config.Speed = "38400";
  const std::string folder = ProgramFolder();
  config.SendDir = folder + "Send";
  config.RecvDir = folder + "Recv";
  config.ResultDir = folder + "Result";
  config.ScriptDir = folder + "Script";
  return config;
}

bool ReadEdiSettings(TEdiConfig& config, const std::string& programKey, std::string* error) {
  if (error != nullptr) error->clear();
  TEdiConfig read = DefaultEdiConfig(programKey);
  TRegistry registry;
  if (!registry.OpenKey(EdiCommKey(programKey), false)) {
    if (!registry.KeyWasMissing()) Report(registry, error);
    return false;
  }
  ReadTexts(registry, kCommValues, read);
  registry.CloseKey();
  for (const auto& value : kCommValues) config.*value.Field = read.*value.Field;
  config.ProgramKey = programKey;
  if (!registry.OpenKey(EdiUserInfoKey(programKey), false)) {
    if (!registry.KeyWasMissing()) Report(registry, error);
    return false;
  }
  ReadTexts(registry, kUserTexts, read);
  for (const auto& flag : kUserFlags)
    if (auto stored = registry.ReadInteger(flag.Name)) read.*flag.Field = *stored != 0;
  read.ProgramDir = config.ProgramDir;
  read.ProgramVersion = config.ProgramVersion;
  read.LibraryDir = config.LibraryDir;
  read.LibraryVersion = config.LibraryVersion;
  config = read;
  return true;
}

bool WriteEdiSettings(const TEdiConfig& config, std::string* error) {
  if (error != nullptr) error->clear();
  const std::string root = "Software\\" + config.ProgramKey;
  std::vector<TRegistryValue> comm, user;
  AddTexts(comm, kCommValues, config);
  AddTexts(user, kUserTexts, config);
  for (const auto& flag : kUserFlags)
    user.push_back({flag.Name, true, "", config.*flag.Field ? 1 : 0});
  TRegistry registry;
  if (!registry.OpenKey(root + "\\NETPOST32\\COMM", true) || !registry.WriteValues(comm) ||
      !registry.OpenKey(root + "\\NETPOST32\\USERINFO", true) || !registry.WriteValues(user)) {
    Report(registry, error);
    return false;
  }
  return true;
}

namespace {

// The values of whichever of the two keys exist, over the defaults: a key that is missing must
// not cost the other one its values (the office's EDI user ID among them).
void ReadExistingKeys(TEdiConfig& config) {
  TRegistry registry;
  if (registry.OpenKey(EdiCommKey(config.ProgramKey), false)) {
    ReadTexts(registry, kCommValues, config);
    registry.CloseKey();
  }
  if (registry.OpenKey(EdiUserInfoKey(config.ProgramKey), false)) {
    ReadTexts(registry, kUserTexts, config);
    for (const auto& flag : kUserFlags)
      if (auto stored = registry.ReadInteger(flag.Name)) config.*flag.Field = *stored != 0;
  }
}

}  // namespace

std::string InitEdiSettings() {
  TEdiConfig config = DefaultEdiConfig();
  std::string error;
  if (!ReadEdiSettings(config, kEdiProgramKey, &error)) {
    config = DefaultEdiConfig();
    if (error.empty()) ReadExistingKeys(config);
  }
  std::string writeError;
  if (!WriteEdiSettings(config, &writeError) && error.empty()) error = writeError;
  for (const auto* folder : {&config.SendDir, &config.RecvDir, &config.ResultDir})
    if (!Trim(*folder).empty()) ::mkdir(Trim(*folder).c_str(), 0777);
  return error;
}

}  // namespace selvane
