#include "core/Registry.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/FileRoutines.h"
#include "core/TextRoutines.h"
#include "core/XdgFolders.h"

namespace selvane {

namespace {

constexpr const char* kRoot = "HKEY_CURRENT_USER";

struct TKey {
  std::string Path;
  std::vector<TRegistryValue> Values;
};

struct TParseFault {
  int Line = 0;
  std::string Reason;
};

std::string NormalKey(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  return std::string(key);
}

// Reads a quoted text starting at line[pos] == '"'; pos ends after the closing quote.
bool ReadQuoted(std::string_view line, std::size_t& pos, std::string& out, std::string& reason) {
  out.clear();
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c == '\\') {
      if (pos + 1 >= line.size() || (line[pos + 1] != '\\' && line[pos + 1] != '"')) {
        reason = "\\\\ 와 \\\" 밖의 이스케이프는 쓸 수 없습니다";
        return false;
      }
      c = line[++pos];
    }
    out.push_back(c);
  }
  reason = "따옴표가 닫히지 않았습니다";
  return false;
}

bool ParseValue(std::string_view line, TRegistryValue& value, std::string& reason) {
  std::size_t pos = 0;
  if (line[0] == '@') {
    value.Name.clear();
    pos = 1;
  } else if (!ReadQuoted(line, pos, value.Name, reason)) {
    return false;
  }
  if (pos >= line.size() || line[pos] != '=') {
    reason = "값 이름 뒤에 = 가 없습니다";
    return false;
  }
  std::string_view data = line.substr(pos + 1);
  if (!data.empty() && data[0] == '"') {
    std::size_t at = 0;
    if (!ReadQuoted(data, at, value.Text, reason)) return false;
    if (at != data.size()) {
      reason = "닫는 따옴표 뒤에 글자가 있습니다";
      return false;
    }
    value.IsInteger = false;
  } else if (data.size() > 6 && SameText(data.substr(0, 6), "dword:")) {
    std::string_view digits = data.substr(6);
    if (digits.size() > 8 || digits.find_first_not_of("0123456789abcdefABCDEF") != digits.npos) {
      reason = "dword 값은 16진수 8자리까지입니다";
      return false;
    }
    value.IsInteger = true;
    value.Integer =
        static_cast<std::int32_t>(std::strtoul(std::string(digits).c_str(), nullptr, 16));
  } else {
    reason = "텍스트와 dword 밖의 값 형식은 쓸 수 없습니다";
    return false;
  }
  if (!ValidUtf8(value.Name) || !ValidUtf8(value.Text)) {
    reason = "UTF-8이 아닌 바이트가 있습니다";
    return false;
  }
  return true;
}

TKey* FindKey(std::vector<TKey>& keys, std::string_view path) {
  for (auto& key : keys)
    if (SameText(key.Path, path)) return &key;
  return nullptr;
}

bool Parse(const std::string& bytes, std::vector<TKey>& keys, TParseFault& fault) {
  keys.clear();
  std::string_view rest(bytes);
  if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
  bool header = false;
  TKey* current = nullptr;
  for (int number = 1; !rest.empty(); ++number) {
    std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == rest.npos ? rest.size() : end + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
      line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.empty() || line[0] == ';') continue;
    fault.Line = number;
    if (!header) {
      if (line != "REGEDIT4") {
        fault.Reason = "첫 줄이 REGEDIT4 가 아닙니다";
        return false;
      }
      header = true;
    } else if (line[0] == '[') {
      std::string_view path = line.substr(1);
      const std::string root = std::string(kRoot) + "\\";
      if (!path.ends_with(']') || path.size() <= root.size() + 1 ||
          !SameText(path.substr(0, root.size()), root)) {
        fault.Reason = "키는 [HKEY_CURRENT_USER\\...] 형식이어야 합니다";
        return false;
      }
      std::string name = NormalKey(path.substr(root.size(), path.size() - root.size() - 1));
      if (name.empty() || !ValidUtf8(name)) {
        fault.Reason = "키 이름이 올바르지 않습니다";
        return false;
      }
      current = FindKey(keys, name);
      if (current == nullptr) current = &keys.emplace_back(TKey{name, {}});
    } else if (line[0] == '"' || line[0] == '@') {
      if (current == nullptr) {
        fault.Reason = "키 앞에 값이 있습니다";
        return false;
      }
      TRegistryValue value;
      if (!ParseValue(line, value, fault.Reason)) return false;
      bool replaced = false;
      for (auto& old : current->Values)
        if (SameText(old.Name, value.Name)) {
          old = value;
          replaced = true;
        }
      if (!replaced) current->Values.push_back(value);
    } else {
      fault.Reason = "알 수 없는 줄입니다";
      return false;
    }
  }
  return true;
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  return out + "\"";
}

std::string Serialise(const std::vector<TKey>& keys) {
  std::string out = "REGEDIT4\n";
  for (const auto& key : keys) {
    out += "\n[" + std::string(kRoot) + "\\" + key.Path + "]\n";
    for (const auto& value : key.Values) {
      out += value.Name.empty() ? std::string("@") : Quoted(value.Name);
      if (value.IsInteger) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<std::uint32_t>(value.Integer));
        out += std::string("=dword:") + hex + "\n";
      } else {
        out += "=" + Quoted(value.Text) + "\n";
      }
    }
  }
  return out;
}

// The file's keys; a missing file is an empty registry. False with the message (and the line
// for a parse fault) when the file cannot be read or parsed.
bool Load(const std::string& fileName, std::vector<TKey>& keys, TParseFault& fault) {
  keys.clear();
  std::error_code ec;
  if (!std::filesystem::exists(fileName, ec)) return true;
  std::string bytes;
  if (!ReadWholeFile(fileName, bytes)) {
    fault = {0, "레지스트리 파일을 읽을 수 없습니다: " + fileName};
    return false;
  }
  if (Parse(bytes, keys, fault)) return true;
  fault.Reason = "레지스트리 파일이 손상되었습니다: " + fileName + " " +
                 std::to_string(fault.Line) + "번째 줄: " + fault.Reason;
  keys.clear();
  return false;
}

bool KeyPresent(const std::vector<TKey>& keys, const std::string& path) {
  for (const auto& key : keys)
    if (SameText(key.Path, path) ||
        (key.Path.size() > path.size() && key.Path[path.size()] == '\\' &&
         SameText(std::string_view(key.Path).substr(0, path.size()), path)))
      return true;
  return false;
}

}  // namespace

std::string RegistryFileName() {
  const char* named = std::getenv("NORVA_REGISTRY");
  if (named != nullptr && *named != '\0') return named;
  return XdgFolder("XDG_CONFIG_HOME", ".config") + "/Selvane/registry.reg";
}

bool TRegistry::Fail(const std::string& error, int line) {
  error_ = error;
  errorLine_ = line;
  missing_ = false;
  return false;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  CloseKey();
  Fail("");
  const std::string path = NormalKey(key);
  const std::string fileName = RegistryFileName();
  std::vector<TKey> keys;
  TParseFault fault;
  if (!Load(fileName, keys, fault)) return Fail(fault.Reason, fault.Line);
  if (path.empty()) {
    return Fail("레지스트리 키 이름이 비어 있습니다");
  }
  if (const TKey* found = FindKey(keys, path)) {
    key_ = found->Path;
    values_ = found->Values;
  } else if (KeyPresent(keys, path)) {
    key_ = path;
  } else if (!canCreate) {
    Fail("레지스트리 키가 없습니다: " + path);
    missing_ = true;
    return false;
  } else {
    keys.push_back(TKey{path, {}});
    std::string error;
    if (!ReplaceFileAtomically(fileName, Serialise(keys), error))
      return Fail("레지스트리 파일을 쓸 수 없습니다: " + fileName + ": " + error);
    key_ = path;
  }
  open_ = true;
  return true;
}

void TRegistry::CloseKey() {
  open_ = false;
  key_.clear();
  values_.clear();
}

bool TRegistry::KeyExists(const std::string& key) {
  std::vector<TKey> keys;
  TParseFault fault;
  if (!Load(RegistryFileName(), keys, fault)) return Fail(fault.Reason, fault.Line);
  return KeyPresent(keys, NormalKey(key));
}

const TRegistryValue* TRegistry::Find(const std::string& name) const {
  if (!open_) return nullptr;
  for (const auto& value : values_)
    if (SameText(value.Name, name)) return &value;
  return nullptr;
}

bool TRegistry::ValueExists(const std::string& name) const {
  return Find(name) != nullptr;
}

std::optional<std::string> TRegistry::ReadString(const std::string& name) const {
  const TRegistryValue* value = Find(name);
  if (value == nullptr || value->IsInteger) return std::nullopt;
  return value->Text;
}

std::optional<std::int32_t> TRegistry::ReadInteger(const std::string& name) const {
  const TRegistryValue* value = Find(name);
  if (value == nullptr || !value->IsInteger) return std::nullopt;
  return value->Integer;
}

bool TRegistry::WriteString(const std::string& name, const std::string& value) {
  TRegistryValue stored;
  stored.Name = name;
  stored.Text = value;
  return WriteValues({stored});
}

bool TRegistry::WriteInteger(const std::string& name, std::int32_t value) {
  TRegistryValue stored;
  stored.Name = name;
  stored.IsInteger = true;
  stored.Integer = value;
  return WriteValues({stored});
}

bool TRegistry::WriteValues(const std::vector<TRegistryValue>& values) {
  Fail("");
  if (!open_) {
    return Fail("열린 레지스트리 키가 없습니다");
  }
  // The file has one value a line: a line break inside a text would break the file.
  for (const auto& value : values)
    if (value.Name.find_first_of("\r\n") != std::string::npos ||
        value.Text.find_first_of("\r\n") != std::string::npos || !ValidUtf8(value.Name) ||
        !ValidUtf8(value.Text)) {
      return Fail("레지스트리에 쓸 수 없는 텍스트입니다 (줄바꿈이나 UTF-8이 아닌 바이트): " +
                  value.Name);
    }
  const std::string fileName = RegistryFileName();
  std::vector<TKey> keys;
  TParseFault fault;
  if (!Load(fileName, keys, fault)) return Fail(fault.Reason, fault.Line);
  TKey* key = FindKey(keys, key_);
  if (key == nullptr) key = &keys.emplace_back(TKey{key_, {}});
  for (const auto& value : values) {
    bool replaced = false;
    for (auto& old : key->Values)
      if (SameText(old.Name, value.Name)) {
        const std::string spelling = old.Name;
        old = value;
        old.Name = spelling;
        replaced = true;
      }
    if (!replaced) key->Values.push_back(value);
  }
  std::string error;
  if (!ReplaceFileAtomically(fileName, Serialise(keys), error))
    return Fail("레지스트리 파일을 쓸 수 없습니다: " + fileName + ": " + error);
  values_ = key->Values;
  return true;
}

}  // namespace selvane
